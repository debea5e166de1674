#include "system/NetworkPrintJob.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

void NetworkPrintJob::start(const QString& address, const QByteArray& bytes, Platform::RawDone done,
                            int timeoutMilliseconds) {
    auto* job = new NetworkPrintJob(bytes, std::move(done));
    static const QRegularExpression hostAndPort(u"^\\s*([^\\s:]+)(?::(\\d{1,5}))?\\s*$"_s);
    const QRegularExpressionMatch match = hostAndPort.match(address);
    const int port = match.captured(2).isEmpty() ? DefaultPort : match.captured(2).toInt();
    if (!match.hasMatch() || port < 1 || port > 65535) {
        QTimer::singleShot(0, job, [job, address] {
            job->finish(u"打印机地址“"_s + address + u"”不对，应为 主机:端口"_s);
        });
        return;
    }
    job->m_timeout.start(timeoutMilliseconds);
    job->m_socket.connectToHost(match.captured(1), quint16(port));
}

NetworkPrintJob::NetworkPrintJob(QByteArray bytes, Platform::RawDone done)
    : m_bytes(std::move(bytes))
    , m_done(std::move(done)) {
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] { finish(u"打印机没有回应"_s); });
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        m_socket.write(m_bytes);
        m_socket.disconnectFromHost(); // closes once every byte is written
    });
    connect(&m_socket, &QTcpSocket::disconnected, this, [this] { finish(QString()); });
    connect(&m_socket, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError) { finish(socketFailure()); });
}

void NetworkPrintJob::finish(const QString& failure) {
    if (!m_done)
        return;
    m_timeout.stop();
    const Platform::RawDone done = std::exchange(m_done, {});
    m_socket.abort();
    deleteLater();
    done(failure);
}

QString NetworkPrintJob::socketFailure() const {
    switch (m_socket.error()) {
    case QAbstractSocket::ConnectionRefusedError:
        return u"打印机拒绝连接"_s;
    case QAbstractSocket::HostNotFoundError:
        return u"找不到打印机"_s;
    case QAbstractSocket::RemoteHostClosedError:
        return u"打印机断开了连接"_s;
    default:
        return m_socket.errorString();
    }
}
