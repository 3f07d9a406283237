#pragma once
// The view's messages, each with whether the view was still on screen when it was shown.

#include "tests/support/scripteddialogs.h"

#include <QWidget>

#include <utility>

namespace testsupport {

struct WatchedMessages : ScriptedMessageBox {
    using Seen = std::vector<std::pair<std::string, bool>>;  // text, window visible

    model::MessageAnswer ask(const std::string& text, model::MessageButtons buttons, model::MessageIcon icon) override
    {
        seen.push_back({text, window && window->isVisible()});
        return ScriptedMessageBox::ask(text, buttons, icon);
    }

    const QWidget* window = nullptr;
    Seen seen;
};

}  // namespace testsupport
