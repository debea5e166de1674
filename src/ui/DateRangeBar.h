#pragma once

#include <QDate>
#include <QObject>
#include <QRect>
#include <QString>

#include <optional>

class EntryField;
class Platform;
class QWidget;

struct DateRange {
    QDate from;
    QDate to;
};

// The two date boxes a list is queried by, each with its label, placed on a screen where its
// layout puts them; they start a month back and today. Enter in either box asks for the query.
class DateRangeBar : public QObject {
    Q_OBJECT
public:
    // Pixel rectangles on the parent; the second label reads "至".
    struct Layout {
        QString fromCaption;
        QRect fromLabel;
        QRect fromBox;
        QRect toLabel;
        QRect toBox;
        QString fromName = QStringLiteral("fromDate");
        QString toName = QStringLiteral("toDate");
    };

    DateRangeBar(Platform& platform, QWidget* parent, const Layout& layout);

    void setRange(QDate from, QDate to);
    // The range typed; when a box holds no date, nothing, after the date-format warning.
    std::optional<DateRange> range() const;
    QString fromText() const;
    QString toText() const;
    // The two boxes follow this control when Tab walks the screen.
    void setTabOrderAfter(QWidget* previous);

Q_SIGNALS:
    void enterPressed();

private:
    Platform& m_platform;
    EntryField* m_from;
    EntryField* m_to;
};
