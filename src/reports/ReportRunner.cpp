#include "reports/ReportRunner.h"

#include "data/DbError.h"
#include "reports/ReportQuery.h"

#include <utility>

ReportRunner::ReportRunner(QString databasePath, QString key, QObject* parent)
    : QObject(parent)
    , m_path(std::move(databasePath))
    , m_key(std::move(key))
    , m_inThread(new QObject) {
    m_inThread->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_inThread, &QObject::deleteLater);
    m_thread.start();
}

ReportRunner::~ReportRunner() {
    m_thread.quit();
    m_thread.wait();
}

void ReportRunner::start(ReportView view, const ReportFilter& filter) {
    QMetaObject::invokeMethod(
        m_inThread,
        [this, view, filter] {
            Outcome outcome = run(view, filter);
            QMetaObject::invokeMethod(
                this, [this, outcome = std::move(outcome)] { Q_EMIT finished(outcome); },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

ReportRunner::Outcome ReportRunner::run(ReportView view, const ReportFilter& filter) {
    try {
        if (!m_database)
            m_database.emplace(Database::open(m_path, m_key));
        return {ReportQuery(*m_database).run(view, filter), {}};
    } catch (const DbError& error) {
        return {{}, error.message()};
    }
}
