#pragma once
// A server of the test's own on a loopback address: it keeps every byte it is sent and answers each connection with a
// fixed answer once a whole post has come, or never.

#include <QByteArray>
#include <QHostAddress>
#include <QRegularExpression>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

namespace orderingtest {

class LoopbackServer {
public:
    QByteArray answer;  // sent once the post has come; none when empty
    QByteArray received;
    int connections = 0;

    explicit LoopbackServer(const QHostAddress& address)
    {
        listening_ = server_.listen(address);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) take(socket);
        });
    }

    bool listening() const { return listening_; }
    QString address() const
    {
        return "http://" + server_.serverAddress().toString() + ":" + QString::number(server_.serverPort());
    }
    // How many whole posts came: each multipart body ends with its closing boundary, which the browser names so.
    qsizetype postsCame() const
    {
        static const QRegularExpression closing("FormBoundary\\w+--\r\n");
        return QString::fromLatin1(received).count(closing);
    }

private:
    void take(QTcpSocket* socket)
    {
        ++connections;
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            const qsizetype before = postsCame();
            received += socket->readAll();
            if (postsCame() > before && !answer.isEmpty()) socket->write(answer);
        });
    }

    QTcpServer server_;
    bool listening_ = false;
};

}  // namespace orderingtest
