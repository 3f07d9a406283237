#include "platform/transfer.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace platform {

namespace {

constexpr int kFirstHttpError = 400;

// The busy cursor for as long as the object lives.
struct BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

std::optional<std::string> NetworkTransfer::OpenURL(const std::string& url)
{
    const BusyCursor busy;
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    std::unique_ptr<QNetworkReply> reply(manager_.get(request));
    // The whole fetch, not only each silence, is bounded: a server that
    // trickles bytes holds the form no longer than a silent one.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
    deadline.start(timeoutMs_);
    QEventLoop wait;
    QObject::connect(reply.get(), &QNetworkReply::finished, &wait, &QEventLoop::quit);
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(), [&reply](qint64 received, qint64) {
        if (received > kMaxTransferBytes) reply->abort();
    });
    if (!reply->isFinished()) wait.exec(QEventLoop::ExcludeUserInputEvents);
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status >= kFirstHttpError) return std::nullopt;
    const QByteArray body = reply->readAll();
    return std::string(body.constData(), std::size_t(body.size()));
}

}  // namespace platform
