#include "platform/webbrowser.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <array>
#include <utility>

namespace platform {

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

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent), view_(new QWebEngineView(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    connect(view_->page(), &QWebEnginePage::loadingChanged, this, &WebBrowser::loadingChanged);
    connect(view_->page(), &QWebEnginePage::renderProcessTerminated, this, &WebBrowser::processEnded);
}

void WebBrowser::setPage(const QString& html, const QString& baseUrl)
{
    location_.clear();
    view_->setHtml(html, QUrl(baseUrl));
}

void WebBrowser::loadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        loading_ = info.url().toString();
        return;
    }
    // A stopped load was replaced by another, or its process ended, which is
    // reported on its own: no server said anything.
    if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus) return;
    loading_.clear();
    const Failure failure = failureOf(info.status(), info.errorDomain(), info.errorCode());
    location_ = failure == Failure::None ? info.url().toString() : QString();
    emit loaded(info.url().toString(), failure == Failure::None, failure);
}

void WebBrowser::processEnded()
{
    location_.clear();
    emit ended(std::exchange(loading_, QString()));
}

}  // namespace platform
