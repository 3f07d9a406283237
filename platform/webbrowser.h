#pragma once
// The embedded web browser of the verify window: shows a page held in
// memory, reports where it is, and is hidden and shown like any control. The
// page may post to a web server, and the location is that of the
// last page that loaded successfully, so a refused or failed post never
// shows the script's address. A failure tells a server's error answer from
// a server never reached.

#include <QString>
#include <QWidget>

class QWebEngineView;
class QWebEngineLoadingInfo;

namespace platform {

class WebBrowser : public QWidget {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);

    // Shows `html` from memory as if it were loaded from `baseUrl`.
    void setPage(const QString& html, const QString& baseUrl);
    QString LocationURL() const { return location_; }

    QWebEngineView* view() const { return view_; }

signals:
    // A page finished loading: its address, whether it loaded well, and
    // whether its server answered at all (an HTTP error status is an
    // answer; a refused connection, an unknown host or a time-out is not).
    void loaded(const QString& url, bool ok, bool answered);

private:
    void loadingChanged(const QWebEngineLoadingInfo& info);

    QWebEngineView* view_;
    QString location_;
};

}  // namespace platform
