#include "platform/webbrowser.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace platform {

namespace {

constexpr int kFirstHttpError = 400;

}  // namespace

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent), view_(new QWebEngineView(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    connect(view_->page(), &QWebEnginePage::loadingChanged, this, &WebBrowser::loadingChanged);
}

void WebBrowser::setPage(const QString& html, const QString& baseUrl)
{
    location_.clear();
    view_->setHtml(html, QUrl(baseUrl));
}

void WebBrowser::loadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) return;
    // An HTTP error answer is shown as a page but is not a successful load.
    const auto domain = info.errorDomain();
    const bool ok = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus &&
                    (domain == QWebEngineLoadingInfo::NoErrorDomain ||
                     (domain == QWebEngineLoadingInfo::HttpStatusCodeDomain && info.errorCode() < kFirstHttpError));
    // Only a status code comes from the server; every other failure ended before any answer.
    const bool answered = ok || domain == QWebEngineLoadingInfo::HttpStatusCodeDomain;
    location_ = ok ? info.url().toString() : QString();
    emit loaded(info.url().toString(), ok, answered);
}

}  // namespace platform
