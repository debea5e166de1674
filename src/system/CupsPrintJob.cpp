#include "system/CupsPrintJob.h"

#include <QThread>

#include <cups/cups.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QString lastCupsError() {
    return u"打印队列出错："_s + QString::fromUtf8(cupsLastErrorString());
}

// Runs on the job's own thread; libcups keeps its connection per thread.
QString sendToQueue(const QByteArray& queue, const QByteArray& bytes) {
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.constData(), "receipt", 0, nullptr);
    if (job == 0)
        return lastCupsError();
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.constData(), job, "receipt", CUPS_FORMAT_RAW,
                          1) != HTTP_STATUS_CONTINUE ||
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.constData(), size_t(bytes.size())) !=
            HTTP_STATUS_CONTINUE) {
        const QString failure = lastCupsError();
        cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.constData());
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.constData(), job, 0);
        return failure;
    }
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.constData()) != IPP_STATUS_OK)
        return lastCupsError();
    return QString();
}

} // namespace

void CupsPrintJob::start(const QString& queue, const QByteArray& bytes, Platform::RawDone done,
                         int timeoutMilliseconds) {
    auto* job = new CupsPrintJob(std::move(done));
    auto failure = std::make_shared<QString>();
    QThread* thread = QThread::create(
        [queue = queue.toUtf8(), bytes, failure] { *failure = sendToQueue(queue, bytes); });
    connect(thread, &QThread::finished, job, [job, failure] {
        job->finish(*failure);
        job->deleteLater();
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    job->m_timeout.start(timeoutMilliseconds);
    thread->start();
}

CupsPrintJob::CupsPrintJob(Platform::RawDone done)
    : m_done(std::move(done)) {
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] { finish(u"打印队列没有回应"_s); });
}

void CupsPrintJob::finish(const QString& failure) {
    m_timeout.stop();
    if (const Platform::RawDone done = std::exchange(m_done, {}))
        done(failure);
}
