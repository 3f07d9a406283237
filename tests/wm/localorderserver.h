#pragma once
// The order server on 127.0.0.1, any free port, in a thread of the test's own process, serving the usual order texts
// from a temporary folder; the program's order form is pointed at it while it runs.

#include "ordering/serveraddress.h"
#include "server/orderserver.h"
#include "tests/server/serverfixture.h"

#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

namespace testsupport {

class LocalOrderServer {
public:
    LocalOrderServer()
    {
        for (const auto& [name, text] : servertest::serverTexts()) servertest::writeFile(path(name), text);
        const auto keys = orderserver::makeKeyPair();
        if (!keys || !orderserver::writeKeyFile(path("public.key"), keys->publicKey, error)) return;
        orderserver::ServerOptions options;
        options.textFolder = dir_.path().toStdString();
        options.storePath = path("orders.sqlite");
        options.publicKeyFile = path("public.key");
        options.port = 0;
        server_ = orderserver::OrderServer::start(options, [](std::string_view) {}, error);
        if (!server_) return;
        thread_ = std::thread([this] { server_->run(); });
        setenv(ordering::kOrderServerVariable, ("http://127.0.0.1:" + std::to_string(server_->port())).c_str(), 1);
    }

    ~LocalOrderServer()
    {
        unsetenv(ordering::kOrderServerVariable);
        if (!server_) return;
        server_->stop();
        thread_.join();
    }

    LocalOrderServer(const LocalOrderServer&) = delete;
    LocalOrderServer& operator=(const LocalOrderServer&) = delete;

    bool running() const { return server_ != nullptr; }
    std::string error;

private:
    std::string path(const std::string& name) const { return dir_.filePath(QString::fromStdString(name)).toStdString(); }

    QTemporaryDir dir_;
    std::unique_ptr<orderserver::OrderServer> server_;
    std::thread thread_;
};

}  // namespace testsupport
