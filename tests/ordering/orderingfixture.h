#pragma once
// The order form against the real order server on 127.0.0.1, its texts in a fresh folder; the transfer records every
// address it fetched.

#include "model/hull/design.h"
#include "ordering/frmPurchase.h"
#include "ordering/serveraddress.h"
#include "platform/transfer.h"
#include "tests/server/serverfixture.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/soundorder.h"
#include "tests/support/testapp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include <cstdlib>
#include <functional>

namespace orderingtest {

class RecordingTransfer : public platform::Transfer {
public:
    static constexpr int kTimeoutMs = 2000;
    std::vector<std::string> paths;  // the addresses without the server
    std::function<void()> onFetch;   // runs while a fetch is under way
    std::unique_ptr<platform::NetworkTransfer> network = std::make_unique<platform::NetworkTransfer>(kTimeoutMs);

    // Drops the kept-alive connections, so the server stops at once.
    void disconnect() { network = std::make_unique<platform::NetworkTransfer>(kTimeoutMs); }

    std::optional<std::string> OpenURL(const std::string& url) override
    {
        paths.push_back(url.substr(url.find('/', url.find("//") + 2)));
        if (onFetch) onFetch();
        return network->OpenURL(url);
    }
};

// The message box that also notes what the program shows at the moment of each message.
class WatchedMessageBox : public testsupport::ScriptedMessageBox {
public:
    std::function<void()> onShow;

    model::MessageAnswer ask(const std::string& text, model::MessageButtons buttons, model::MessageIcon icon) override
    {
        if (onShow) onShow();
        return ScriptedMessageBox::ask(text, buttons, icon);
    }
};

using testsupport::fixedClock;

class OrderingTest : public servertest::ServerTest {
protected:
    // Generous: a loaded machine may take long, and every wait ends as soon as what it waits for happens.
    static constexpr int kWaitMs = 30000;

    void SetUp() override
    {
        ServerTest::SetUp();
        startServer();
        std::filesystem::create_directory(watchedTemp());
        if (const char* temp = std::getenv("TMPDIR")) savedTemp_ = temp;
        setenv("TMPDIR", watchedTemp().c_str(), 1);
        setenv(ordering::kOrderServerVariable, ("http://127.0.0.1:" + std::to_string(server_->port())).c_str(), 1);
        model::currentDesign() = testsupport::furnishedKayak();
        model::currentDesign().DesignLoaded = true;
        form = std::make_unique<ordering::frmPurchase>(messages, transfer);
        form->clock = fixedClock;
    }

    void TearDown() override
    {
        form.reset();
        transfer.disconnect();
        if (savedTemp_) setenv("TMPDIR", savedTemp_->c_str(), 1);
        else unsetenv("TMPDIR");
        ServerTest::TearDown();
    }

    void stopServerNow() { transfer.disconnect(), stopServer(); }

    // Shows the form, hidden first, for `orderType`; its activation runs as it becomes active.
    void open(int orderType)
    {
        form->hide();
        form->OrderType = std::int16_t(orderType);
        transfer.paths.clear();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !transfer.paths.empty(); }, kWaitMs));
        QTest::qWait(10);
    }

    void chooseQuantity(int index)
    {
        form->ListQuantity->setCurrentIndex(index);
        emit form->ListQuantity->activated(index);
    }

    // A sound order; without the same-info box a card holder of his own.
    void fillSoundOrder(bool sameInfo = true) { testsupport::fillSoundOrder(*form, sameInfo); }

    // Whatever was made in the temporary folder the program sees (its own, empty at the start).
    std::vector<std::string> orderFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(watchedTemp()))
            names.push_back(entry.path().lexically_relative(watchedTemp()));
        return names;
    }

    std::filesystem::path watchedTemp() const { return folder_ / "temp"; }
    std::optional<std::string> savedTemp_;

    void writeText(const char* name, std::string_view text) { servertest::writeFile(folder_ / name, text); }

    QApplication& app = testsupport::testApp();  // before the transfer's network access
    WatchedMessageBox messages;
    RecordingTransfer transfer;
    std::unique_ptr<ordering::frmPurchase> form;
};

}  // namespace orderingtest
