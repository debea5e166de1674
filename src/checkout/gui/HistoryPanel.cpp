#include "checkout/gui/HistoryPanel.h"

#include "checkout/SaleBook.h"
#include "checkout/gui/HistoryMenu.h"
#include "data/DateText.h"
#include "data/DbError.h"
#include "ui/DateRangeBar.h"
#include "ui/Placed.h"
#include "ui/Twips.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

HistoryPanel::HistoryPanel(SaleBook& book, Platform& platform, QWidget* screen)
    : QObject(screen)
    , m_book(book)
    , m_screen(screen)
    , m_range(new DateRangeBar(platform, screen,
                               {.fromCaption = u"日期从"_s,
                                .fromLabel = Twips::rect(60, 4740, 660, 315),
                                .fromBox = Twips::rect(720, 4740, 1875, 315),
                                .toLabel = Twips::rect(420, 5160, 300, 315),
                                .toBox = Twips::rect(720, 5160, 1875, 315)}))
    , m_list(new QListWidget(screen))
    , m_menu(new HistoryMenu(screen)) {
    auto* search = placed<QPushButton>(screen, u"historyQuery"_s, Twips::rect(2670, 4740, 930, 345),
                                       u"查   询"_s);
    auto* back =
        placed<QPushButton>(screen, u"dayBack"_s, Twips::rect(2670, 5160, 450, 310), u"<<"_s);
    auto* forward =
        placed<QPushButton>(screen, u"dayForward"_s, Twips::rect(3150, 5160, 450, 310), u">>"_s);
    m_list->setObjectName(u"historyList"_s);
    m_list->setGeometry(Twips::rect(60, 5580, 3615, 2220));
    m_list->viewport()->installEventFilter(this);

    connect(search, &QPushButton::clicked, this, &HistoryPanel::query);
    connect(m_range, &DateRangeBar::enterPressed, this, &HistoryPanel::query);
    connect(back, &QPushButton::clicked, this, [this] { stepDay(-1); });
    connect(forward, &QPushButton::clicked, this, [this] { stepDay(1); });
    // Selection, not the current row: focus by the keyboard moves the current row alone.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &HistoryPanel::showSelected);
    connect(m_menu, &HistoryMenu::deleteChosen, this, &HistoryPanel::deleteChosen);
}

void HistoryPanel::setRange(QDate from, QDate to) {
    m_range->setRange(from, to);
}

void HistoryPanel::query() {
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        m_sales.clear();
    }
    const std::optional<DateRange> range = m_range->range();
    if (!range)
        return;
    try {
        m_sales = m_book.history(range->from, range->to);
        const QSignalBlocker blocker(m_list);
        for (const SaleSummary& sale : m_sales)
            m_list->addItem(sale.number + u'[' + DateText::format(sale.date) + u"] "_s +
                            Payment::text(sale.payment));
    } catch (const DbError&) {
        // a failed read leaves the list empty
    }
}

void HistoryPanel::clearSelection() {
    const QSignalBlocker blocker(m_list);
    m_list->clearSelection();
}

void HistoryPanel::hideMenu() {
    m_menu->hide();
}

void HistoryPanel::stepDay(int days) {
    if (const std::optional<QDate> to = DateText::parse(m_range->toText()))
        setRange(to->addDays(days), to->addDays(days));
    query();
}

void HistoryPanel::showSelected() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_list->row(selected.first());
    if (row >= 0 && row < m_sales.size())
        Q_EMIT saleChosen(m_sales.at(row));
}

bool HistoryPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list->viewport())
        return false;
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton) {
        if (type == QEvent::MouseButtonPress)
            hideMenu();
        return false;
    }
    // A right click opens the menu and never selects an entry.
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        m_rightPressed = m_list->count() > 0;
    } else if (m_rightPressed) {
        m_rightPressed = false;
        const QPoint at = m_list->viewport()->mapTo(m_screen, mouse->position().toPoint()) +
                          QPoint(Twips::px(60), Twips::px(60));
        m_menu->move(at.x(), std::min(at.y(), Twips::px(LowestMenuTop)));
        m_menu->show();
        m_menu->raise();
    }
    return true;
}
