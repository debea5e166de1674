#pragma once

#include "base/Platform.h"

#include <QTcpSocket>
#include <QTimer>

// One send of raw bytes to a network printer ("host" or "host:port", 9100 by default). It
// reports once, when the printer has taken every byte and the connection is closed, on an
// error, or when the time runs out, and then deletes itself.
class NetworkPrintJob : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultPort = 9100;

    static void start(const QString& address, const QByteArray& bytes, Platform::RawDone done,
                      int timeoutMilliseconds);

private:
    NetworkPrintJob(QByteArray bytes, Platform::RawDone done);
    void finish(const QString& failure);
    QString socketFailure() const;

    QTcpSocket m_socket;
    QTimer m_timeout;
    QByteArray m_bytes;
    Platform::RawDone m_done;
};
