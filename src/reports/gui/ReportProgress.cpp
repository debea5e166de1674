#include "reports/gui/ReportProgress.h"

#include "ui/Placed.h"
#include "ui/Twips.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int BarHeight = 315;

void fill(QWidget* widget, const QString& colour) {
    widget->setAutoFillBackground(true);
    widget->setStyleSheet(u"background-color: "_s + colour + u';');
}

} // namespace

ReportProgress::ReportProgress(QWidget* parent)
    : QFrame(parent) {
    setObjectName(u"progressPanel"_s);
    setFrameShape(QFrame::Box);
    fill(this, u"#FFFFC0"_s);
    auto* caption =
        placed<QLabel>(this, u"progressText"_s, Twips::rect(240, 120, 2400, 300), u"正在统计"_s);
    caption->setStyleSheet(u"background: transparent;"_s);
    auto* track =
        placed<QWidget>(this, u"progressTrack"_s, Twips::rect(240, 540, TrackWidth, BarHeight));
    track->setAutoFillBackground(true);
    track->setStyleSheet(u"background-color: palette(window);"_s);
    m_bar = placed<QWidget>(track, u"progressBar"_s, Twips::rect(0, 0, m_barWidth, BarHeight));
    fill(m_bar, u"#0000FF"_s);
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &ReportProgress::tick);
    hide();
}

void ReportProgress::begin() {
    show();
    raise();
    m_timer.start();
}

void ReportProgress::end() {
    m_timer.stop();
    hide();
}

void ReportProgress::tick() {
    m_barWidth += Step;
    if (m_barWidth > TrackWidth)
        m_barWidth = Step;
    // Whole pixels only: the width in twips keeps the pace of the ticks between them.
    m_bar->resize(Twips::px(m_barWidth), m_bar->height());
}
