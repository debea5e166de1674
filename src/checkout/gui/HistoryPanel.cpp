#include "checkout/gui/HistoryPanel.h"

#include "base/Platform.h"
#include "checkout/SaleBook.h"
#include "checkout/gui/HistoryMenu.h"
#include "data/DateText.h"
#include "data/DbError.h"
#include "ui/Placed.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

HistoryPanel::HistoryPanel(SaleBook& book, Platform& platform, QWidget* screen)
    : QObject(screen)
    , m_book(book)
    , m_platform(platform)
    , m_screen(screen)
    , m_from(new QLineEdit(screen))
    , m_to(new QLineEdit(screen))
    , m_list(new QListWidget(screen))
    , m_menu(new HistoryMenu(screen)) {
    (new QLabel(u"日期从"_s, screen))->setGeometry(Twips::rect(60, 4740, 660, 315));
    (new QLabel(u"至"_s, screen))->setGeometry(Twips::rect(420, 5160, 300, 315));
    m_from->setObjectName(u"fromDate"_s);
    m_from->setGeometry(Twips::rect(720, 4740, 1875, 315));
    m_to->setObjectName(u"toDate"_s);
    m_to->setGeometry(Twips::rect(720, 5160, 1875, 315));
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
    connect(back, &QPushButton::clicked, this, [this] { stepDay(-1); });
    connect(forward, &QPushButton::clicked, this, [this] { stepDay(1); });
    // Selection, not the current row: focus by the keyboard moves the current row alone.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &HistoryPanel::showSelected);
    connect(m_menu, &HistoryMenu::deleteChosen, this, &HistoryPanel::deleteChosen);
}

void HistoryPanel::setRange(QDate from, QDate to) {
    m_from->setText(DateText::format(from));
    m_to->setText(DateText::format(to));
}

void HistoryPanel::query() {
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        m_sales.clear();
    }
    const std::optional<QDate> from = DateText::parse(m_from->text());
    const std::optional<QDate> to = DateText::parse(m_to->text());
    if (!from || !to) {
        m_platform.warn(m_screen, u"请填写正确格式的起止日期！日期格式为“2016-01-03”。"_s);
        return;
    }
    try {
        m_sales = m_book.history(*from, *to);
        const QSignalBlocker blocker(m_list);
        for (const SaleSummary& sale : m_sales)
            m_list->addItem(sale.number + u'[' + DateText::format(sale.date) + u']');
    } catch (const DbError&) {
        // a failed read leaves the list empty
    }
}

void HistoryPanel::hideMenu() {
    m_menu->hide();
}

void HistoryPanel::stepDay(int days) {
    if (const std::optional<QDate> to = DateText::parse(m_to->text()))
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
