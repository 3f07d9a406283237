#include "platform/transfer.h"

#include "platform/urlorigin.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace platform {

namespace {

constexpr int kFirstSuccess = 200;
constexpr int kPastSuccess = 300;

// The busy cursor for as long as the object lives.
struct BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Only a success carries the text: an empty 304 or a redirect not taken is
// no price of 0.
bool isSuccess(const QNetworkReply& reply)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return reply.error() == QNetworkReply::NoError && status >= kFirstSuccess && status < kPastSuccess;
}

// Takes what the reply holds into `body`, at most one byte past the limit:
// a larger answer is refused, so more of it is never kept.
void takeBody(QNetworkReply& reply, QByteArray& body)
{
    body += reply.read(kMaxTransferBytes + 1 - body.size());
    if (body.size() > kMaxTransferBytes) reply.abort();
}

}  // namespace

std::optional<std::string> NetworkTransfer::OpenURL(const std::string& url)
{
    const BusyCursor busy;
    const QUrl address(QString::fromStdString(url));
    QNetworkRequest request(address);
    // A redirect off the server's origin would show another host's texts,
    // one the address rule never allowed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    QByteArray body;  // outlives the reply that fills it
    std::unique_ptr<QNetworkReply> reply(manager_.get(request));
    QNetworkReply* r = reply.get();
    // Qt's own buffer stops filling past the limit too.
    r->setReadBufferSize(kMaxTransferBytes + 1);
    QObject::connect(r, &QNetworkReply::redirected, r, [r, address](const QUrl& target) {
        if (sameOrigin(address, address.resolved(target))) emit r->redirectAllowed();
        else r->abort();
    });
    // The whole fetch, not only each silence, is bounded: a server that
    // trickles bytes holds the form no longer than a silent one.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, r, &QNetworkReply::abort);
    deadline.start(timeoutMs_);
    QObject::connect(r, &QNetworkReply::readyRead, r, [r, &body] { takeBody(*r, body); });
    // An announced length over the limit ends the fetch before any of it comes.
    QObject::connect(r, &QNetworkReply::downloadProgress, r, [r](qint64 received, qint64 total) {
        if (std::max(received, total) > kMaxTransferBytes) r->abort();
    });
    QEventLoop wait;
    QObject::connect(r, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    if (!r->isFinished()) wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (!isSuccess(*r)) return std::nullopt;
    takeBody(*r, body);
    if (body.size() > kMaxTransferBytes) return std::nullopt;
    return std::string(body.constData(), std::size_t(body.size()));
}

}  // namespace platform
