#pragma once

#include "base/Platform.h"

#include <QTimer>

// One raw job (no filters, no driver) on a CUPS print queue. The talk with the scheduler
// blocks, so it runs on its own thread; the job reports once on this thread, when the
// scheduler has taken the job or refused it or the time has run out, and deletes itself
// when the thread is done.
class CupsPrintJob : public QObject {
    Q_OBJECT
public:
    static void start(const QString& queue, const QByteArray& bytes, Platform::RawDone done,
                      int timeoutMilliseconds);

private:
    explicit CupsPrintJob(Platform::RawDone done);
    void finish(const QString& failure);

    QTimer m_timeout;
    Platform::RawDone m_done;
};
