#pragma once
// The embedded web browser of the verify window: shows a page held in
// memory, reports where it is, and is hidden and shown like any control. The
// page may post to a web server, and the location is that of the
// last page that loaded successfully, so a refused or failed post never
// shows the script's address. A failure tells a server's error answer from
// a server never reached and from a load cut off after its request may have
// gone out; the page's own process ending is reported too. The page stays
// within the origin it was set as: any load or redirect elsewhere is refused
// before it is sent. A load has a deadline, after which it is stopped.

#include <QString>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWidget>

#include <chrono>

class QWebEngineView;

namespace platform {

class OriginPage;

class WebBrowser : public QWidget {
    Q_OBJECT
public:
    // How a load that did not succeed failed.
    enum class Failure {
        None,         // it loaded
        ErrorAnswer,  // the server answered with an HTTP error status
        Unreached,    // refused, unknown host, timed out connecting, TLS refused: the request never went out
        CutOff,       // it ended without an answer, its request perhaps already sent
    };
    Q_ENUM(Failure)

    // The longest a load may take: a server that takes a post and never answers must not hold it for ever.
    static constexpr std::chrono::seconds kLoadDeadline{60};

    explicit WebBrowser(QWidget* parent = nullptr);

    // Shows `html` from memory as if it were loaded from `baseUrl`, whose origin the page then keeps to.
    void setPage(const QString& html, const QString& baseUrl);
    void setLoadDeadline(std::chrono::milliseconds deadline) { deadline_.setInterval(deadline); }
    QString LocationURL() const { return location_; }

    QWebEngineView* view() const { return view_; }

    // How a load that ended with `status` failed, from the error the page reported.
    static Failure failureOf(QWebEngineLoadingInfo::LoadStatus status, QWebEngineLoadingInfo::ErrorDomain domain,
                             int errorCode);

signals:
    // A load began: its address.
    void started(const QString& url);
    // A page finished loading: its address, whether it loaded well, and how it failed.
    void loaded(const QString& url, bool ok, platform::WebBrowser::Failure failure);
    // The page's own process ended (killed, out of memory, crashed): `loading` is the address it
    // was loading then, empty when none. Nothing shows until a page is set again.
    void ended(const QString& loading);

private:
    void loadingChanged(const QWebEngineLoadingInfo& info);
    void processEnded();
    // Stops the load under way and reports it cut off: its request may have reached the server.
    void cutOff();

    QWebEngineView* view_;
    QString location_;
    QString loading_;  // the address of the load under way
    OriginPage* page_;
    QTimer deadline_;
};

}  // namespace platform
