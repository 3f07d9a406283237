#pragma once
// Fetches one whole file from a web server, as the order form needs: the
// body as Latin-1 bytes, or nothing when the transfer failed. While it
// waits the program processes events but no user input.

#include <QNetworkAccessManager>

#include <optional>
#include <string>

namespace platform {

class Transfer {
public:
    virtual ~Transfer() = default;
    virtual std::optional<std::string> OpenURL(const std::string& url) = 0;
};

inline constexpr int kTransferTimeoutMs = 20000;
// The order texts are a few lines; a larger answer is not one of them.
inline constexpr qint64 kMaxTransferBytes = qint64(1) << 20;

// Over QNetworkAccessManager: a network error, a fetch not whole within the
// time-out, an HTTP status other than 2xx, a redirect off the address's
// origin or a body over the limit is a failed transfer. The busy cursor
// shows while it waits.
class NetworkTransfer : public Transfer {
public:
    explicit NetworkTransfer(int timeoutMs = kTransferTimeoutMs) : timeoutMs_(timeoutMs) {}
    std::optional<std::string> OpenURL(const std::string& url) override;

private:
    QNetworkAccessManager manager_;
    int timeoutMs_;
};

}  // namespace platform
