#include "app/ToolStripButton.h"

#include "ui/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int CaptionLeft = 600;
constexpr int IconSize = 32;
} // namespace

ToolStripButton::ToolStripButton(const QIcon& icon, const QString& caption, QWidget* parent)
    : QFrame(parent)
    , m_icon(icon)
    , m_caption(caption) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFrameStyle(QFrame::NoFrame);
}

void ToolStripButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    setPressed(true);
}

void ToolStripButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!m_pressed)
        return;
    setPressed(false);
    Q_EMIT activated();
}

void ToolStripButton::setPressed(bool pressed) {
    m_pressed = pressed;
    setFrameStyle(pressed ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    setLineWidth(1);
    update();
}

void ToolStripButton::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const int captionLeft = Twips::px(CaptionLeft);
    const int iconLeft = (captionLeft - IconSize) / 2;
    m_icon.paint(&painter, QRect(iconLeft, (height() - IconSize) / 2, IconSize, IconSize));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(QRect(captionLeft, 0, width() - captionLeft, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}
