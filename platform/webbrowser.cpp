#include "platform/webbrowser.h"

#include "platform/urlorigin.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

namespace platform {

// A page that keeps to one origin: a load, post or redirect elsewhere is
// refused before anything is sent. The program's own loads (a page set from
// memory) always go.
class OriginPage : public QWebEnginePage {
public:
    OriginPage(std::function<void()> redirectRefused, QObject* parent)
        : QWebEnginePage(parent), redirectRefused_(std::move(redirectRefused))
    {
    }

    void setOrigin(const QUrl& origin) { origin_ = origin; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        if (type == NavigationTypeTyped || sameOrigin(url, origin_)) return true;
        // The request that was redirected has reached its server.
        if (type == NavigationTypeRedirect && isMainFrame) redirectRefused_();
        return false;
    }

private:
    QUrl origin_;
    std::function<void()> redirectRefused_;
};

namespace {

constexpr int kFirstHttpError = 400;

// The only network errors counted as a server never reached, as they come
// before the request goes out: a refused connection (ERR_CONNECTION_REFUSED
// -102), an unknown host (ERR_NAME_NOT_RESOLVED -105,
// ERR_NAME_RESOLUTION_FAILED -137), a time-out while connecting
// (ERR_CONNECTION_TIMED_OUT -118), and a first TLS handshake that cannot
// agree on its terms: no version enabled (ERR_NO_SSL_VERSIONS_ENABLED -112),
// no common version or cipher (ERR_SSL_VERSION_OR_CIPHER_MISMATCH -113,
// ERR_SSL_OBSOLETE_CIPHER -172) or a TLS 1.3 server seen downgraded
// (ERR_TLS13_DOWNGRADE_DETECTED -180). A refused certificate, by its domain,
// never reached the server either. Every other failure without an HTTP
// status - any other time-out (ERR_TIMED_OUT -7 also ends the wait for an
// answer), a connection closed or reset, an empty answer, any other TLS
// failure (one may come from a renegotiation after the request), the page's
// process ending - may come after the server had the request.
constexpr std::array kUnreachedErrors = {-102, -105, -112, -113, -118, -137, -172, -180};

}  // namespace

WebBrowser::Failure WebBrowser::failureOf(QWebEngineLoadingInfo::LoadStatus status,
                                          QWebEngineLoadingInfo::ErrorDomain domain, int errorCode)
{
    const bool httpStatus = domain == QWebEngineLoadingInfo::HttpStatusCodeDomain;
    // An HTTP error answer is shown as a page but is not a successful load.
    if (status == QWebEngineLoadingInfo::LoadSucceededStatus &&
        (domain == QWebEngineLoadingInfo::NoErrorDomain || (httpStatus && errorCode < kFirstHttpError)))
        return Failure::None;
    if (httpStatus) return Failure::ErrorAnswer;
    if (domain == QWebEngineLoadingInfo::CertificateErrorDomain) return Failure::Unreached;
    if (std::ranges::find(kUnreachedErrors, errorCode) != kUnreachedErrors.end()) return Failure::Unreached;
    return Failure::CutOff;
}

// The view is made first, so it goes before the page it shows.
WebBrowser::WebBrowser(QWidget* parent)
    : QWidget(parent),
      view_(new QWebEngineView(this)),
      page_(new OriginPage([this] { QMetaObject::invokeMethod(this, &WebBrowser::cutOff, Qt::QueuedConnection); },
                           this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    view_->setPage(page_);
    deadline_.setSingleShot(true);
    deadline_.setInterval(kLoadDeadline);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        // A load stopped with none in its place has nothing left to cut off.
        if (page_->isLoading()) cutOff();
        else loading_.clear();
    });
    connect(page_, &QWebEnginePage::loadingChanged, this, &WebBrowser::loadingChanged);
    connect(page_, &QWebEnginePage::renderProcessTerminated, this, &WebBrowser::processEnded);
}

void WebBrowser::setPage(const QString& html, const QString& baseUrl)
{
    location_.clear();
    page_->setOrigin(QUrl(baseUrl));
    view_->setHtml(html, QUrl(baseUrl));
}

void WebBrowser::loadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        loading_ = info.url().toString();
        deadline_.start();
        emit started(loading_);
        return;
    }
    // A stopped load was replaced by another, or its process ended, or it
    // was cut off here, each reported on its own.
    if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus) return;
    deadline_.stop();
    loading_.clear();
    const Failure failure = failureOf(info.status(), info.errorDomain(), info.errorCode());
    location_ = failure == Failure::None ? info.url().toString() : QString();
    emit loaded(info.url().toString(), failure == Failure::None, failure);
}

void WebBrowser::processEnded()
{
    deadline_.stop();
    location_.clear();
    emit ended(std::exchange(loading_, QString()));
}

void WebBrowser::cutOff()
{
    deadline_.stop();
    location_.clear();
    const QString url = std::exchange(loading_, QString());
    view_->stop();
    emit loaded(url, false, Failure::CutOff);
}

}  // namespace platform
