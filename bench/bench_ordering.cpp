// The order form as the buyer has it: shown, activated, its texts served
// from memory so that only the form's own work is timed.

#include "ordering/frmPurchase.h"
#include "platform/transfer.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace {

// The server's texts by path, whatever the server's address.
class ServedTexts : public platform::Transfer {
public:
    std::map<std::string, std::string> texts{{"/v120.txt", "1"}, {"/price.txt", "45"}, {"/shipping.txt", "0"}};

    std::optional<std::string> OpenURL(const std::string& url) override
    {
        const auto found = texts.find(url.substr(url.rfind('/')));
        if (found == texts.end()) return std::nullopt;
        return found->second;
    }
};

}  // namespace

// One activation with a terms text of a single line of state.range(0)
// characters: the largest the fetch accepts.
static void BM_activateWithOneLineTerms(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::testApp();
    testsupport::ScriptedMessageBox messages;
    ServedTexts served;
    served.texts["/terms.txt"] = std::string(std::size_t(state.range(0)), 'x');
    ordering::frmPurchase form(messages, served);
    form.OrderType = 1;
    form.show();
    for (auto _ : state) {
        form.txtTerms->clear();
        form.Form_Activate();
        QCoreApplication::processEvents();
    }
    if (form.txtTerms->toPlainText().size() != state.range(0)) state.SkipWithError("the terms did not show whole");
}
BENCHMARK(BM_activateWithOneLineTerms)
    ->Arg(platform::kMaxTransferBytes)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
