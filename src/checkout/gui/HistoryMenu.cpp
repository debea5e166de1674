#include "checkout/gui/HistoryMenu.h"

#include "ui/Twips.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

HistoryMenu::HistoryMenu(QWidget* parent)
    : QFrame(parent)
    , m_delete(new QLabel(u"删除(D)"_s, this))
    , m_cancel(new QLabel(u"取消(E)"_s, this)) {
    setObjectName(u"historyMenu"_s);
    setFrameShape(QFrame::Box);
    setFixedSize(Twips::size(1200, 660));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    m_delete->setObjectName(u"menuDelete"_s);
    m_cancel->setObjectName(u"menuCancel"_s);
    for (QLabel* item : {m_delete, m_cancel}) {
        item->setAutoFillBackground(true);
        item->setIndent(Twips::px(120));
        item->installEventFilter(this);
        layout->addWidget(item);
    }
    highlight(nullptr);
    hide();
}

void HistoryMenu::highlight(QLabel* item) {
    const QPalette system = QApplication::palette();
    for (QLabel* each : {m_delete, m_cancel}) {
        QPalette palette = each->palette();
        const bool lit = each == item;
        palette.setColor(QPalette::Window, lit ? system.color(QPalette::Highlight) : Qt::white);
        palette.setColor(QPalette::WindowText, lit ? Qt::white : Qt::black);
        each->setPalette(palette);
    }
}

bool HistoryMenu::eventFilter(QObject* watched, QEvent* event) {
    auto* item = qobject_cast<QLabel*>(watched);
    if (item == nullptr)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        highlight(item);
        break;
    case QEvent::MouseButtonRelease:
        hide();
        highlight(nullptr);
        if (item == m_delete)
            Q_EMIT deleteChosen();
        return true;
    default:
        break;
    }
    return false;
}
