#include "checkout/gui/HeldCartList.h"

#include "ui/EnterKey.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

HeldCartList::HeldCartList(QWidget* screen)
    : QFrame(screen)
    , m_list(new QListWidget(this)) {
    setObjectName(u"heldCarts"_s);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setGeometry(Twips::rect(5400, 1500, 5400, 3300));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(u"取单：↑↓选择，Enter取回，Esc返回"_s, this));
    layout->addWidget(m_list);
    m_list->setObjectName(u"heldList"_s);
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemActivated, this, &HeldCartList::choose);
    hide();
}

void HeldCartList::open(const QList<HeldCartSummary>& held) {
    m_held = held;
    m_list->clear();
    for (const HeldCartSummary& cart : held) {
        m_list->addItem(cart.heldAt.toString(u"yyyy-MM-dd HH:mm"_s) +
                        u"  %1行  ￥"_s.arg(cart.lines) + cart.total.moneyText());
    }
    m_list->setCurrentRow(0);
    show();
    raise();
    m_list->setFocus();
}

void HeldCartList::choose() {
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_held.size())
        return;
    const qint64 id = m_held.at(row).id;
    hide();
    Q_EMIT chosen(id);
}

void HeldCartList::dismiss() {
    hide();
    Q_EMIT closed();
}

bool HeldCartList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list)
        return false;
    if (event->type() == QEvent::FocusOut && isVisible()) {
        hide();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    if (isEnterPress(event)) {
        choose();
        return true;
    }
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        dismiss();
        return true;
    }
    return false;
}
