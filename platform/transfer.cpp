#include "platform/transfer.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <memory>

namespace platform {

namespace {

constexpr int kFirstHttpError = 400;

}  // namespace

std::optional<std::string> NetworkTransfer::OpenURL(const std::string& url)
{
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    request.setTransferTimeout(timeoutMs_);
    std::unique_ptr<QNetworkReply> reply(manager_.get(request));
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
