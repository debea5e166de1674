#include "ui/DateRangeBar.h"

#include "base/Platform.h"
#include "data/DateText.h"
#include "ui/EntryField.h"
#include "ui/Placed.h"

#include <QLabel>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

DateRangeBar::DateRangeBar(Platform& platform, QWidget* parent, const Layout& layout)
    : QObject(parent)
    , m_platform(platform)
    , m_from(placed<EntryField>(parent, layout.fromName, layout.fromBox))
    , m_to(placed<EntryField>(parent, layout.toName, layout.toBox)) {
    placed<QLabel>(parent, QString(), layout.fromLabel, layout.fromCaption);
    placed<QLabel>(parent, QString(), layout.toLabel, u"至"_s);
    connect(m_from, &EntryField::enterPressed, this, &DateRangeBar::enterPressed);
    connect(m_to, &EntryField::enterPressed, this, &DateRangeBar::enterPressed);
    const QDate today = platform.now().date();
    setRange(DateText::monthBack(today), today);
}

void DateRangeBar::setRange(QDate from, QDate to) {
    m_from->setText(DateText::format(from));
    m_to->setText(DateText::format(to));
}

std::optional<DateRange> DateRangeBar::range() const {
    const std::optional<QDate> from = DateText::parse(m_from->text());
    const std::optional<QDate> to = DateText::parse(m_to->text());
    if (!from || !to) {
        m_platform.warn(m_from->parentWidget(),
                        u"请填写正确格式的起止日期！日期格式为“2016-01-03”。"_s);
        return std::nullopt;
    }
    return DateRange{*from, *to};
}

void DateRangeBar::setTabOrderAfter(QWidget* previous) {
    QWidget::setTabOrder(previous, m_from);
    QWidget::setTabOrder(m_from, m_to);
}

QString DateRangeBar::fromText() const {
    return m_from->text();
}

QString DateRangeBar::toText() const {
    return m_to->text();
}
