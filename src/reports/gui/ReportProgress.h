#pragma once

#include <QFrame>
#include <QTimer>

// The panel over the list while a by-name query runs: "正在统计" and a blue bar that grows
// 10 twips every 100 ms and starts again at 10 twips once it is wider than its track.
class ReportProgress : public QFrame {
    Q_OBJECT
public:
    static constexpr int TrackWidth = 4560; // twips
    static constexpr int Step = 10;

    explicit ReportProgress(QWidget* parent = nullptr);

    void begin();
    void end();
    int barWidth() const { return m_barWidth; } // twips

private:
    void tick();

    QTimer m_timer;
    QWidget* m_bar;
    int m_barWidth = Step;
};
