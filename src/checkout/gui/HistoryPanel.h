#pragma once

#include "checkout/SaleBook.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QPoint>

class DateRangeBar;
class HistoryMenu;
class Platform;
class QListWidget;
class QWidget;

// The lower left of the sales screen: the date range, the list of the range's sales and the
// pop-up menu of the list. Its widgets sit directly on the screen, at the screen's twips.
class HistoryPanel : public QObject {
    Q_OBJECT

public:
    static constexpr int LowestMenuTop = 6960; // twips

    HistoryPanel(SaleBook& book, Platform& platform, QWidget* screen);

    void setRange(QDate from, QDate to);
    void query();
    void hideMenu();
    // No entry selected, and no sale shown for it.
    void clearSelection();

Q_SIGNALS:
    void saleChosen(const SaleSummary& sale);
    void deleteChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stepDay(int days);
    void showSelected();

    SaleBook& m_book;
    QWidget* m_screen;
    DateRangeBar* m_range;
    QListWidget* m_list;
    QList<SaleSummary> m_sales; // beside the list's rows
    HistoryMenu* m_menu;
    bool m_rightPressed = false;
};
