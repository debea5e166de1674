#pragma once

#include "data/Database.h"
#include "reports/Report.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <optional>

// Runs report queries on a thread of its own, over a connection of its own to the shop file
// (opened there on the first query), so a long query leaves the window responsive. One query
// at a time: start() again only after finished().
class ReportRunner : public QObject {
    Q_OBJECT
public:
    struct Outcome {
        Report report;
        QString failure; // the engine's reason when the query failed
    };

    ReportRunner(QString databasePath, QString key, QObject* parent = nullptr);
    // Waits for a query still running.
    ~ReportRunner() override;

    void start(ReportView view, const ReportFilter& filter);

Q_SIGNALS:
    void finished(const ReportRunner::Outcome& outcome);

private:
    Outcome run(ReportView view, const ReportFilter& filter);

    QString m_path;
    QString m_key;
    QThread m_thread;
    QObject* m_inThread;                // the context queries are queued to
    std::optional<Database> m_database; // used on m_thread only
};
