#pragma once
// Message boxes and file dialogs that answer from a script and remember what
// they were asked, so tests never block on a dialog.

#include "model/filedialogs.h"
#include "model/messagebox.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

class ScriptedMessageBox : public model::MessageBox {
public:
    struct Shown {
        std::string text;
        model::MessageButtons buttons;
        model::MessageIcon icon;
    };

    // Answers in order; OK (or Cancel for a question) once they run out.
    std::deque<model::MessageAnswer> answers;
    std::vector<Shown> shown;

    model::MessageAnswer ask(const std::string& text, model::MessageButtons buttons, model::MessageIcon icon) override
    {
        shown.push_back({text, buttons, icon});
        if (answers.empty())
            return buttons == model::MessageButtons::Ok ? model::MessageAnswer::Ok : model::MessageAnswer::Cancel;
        const model::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> result;
        for (const Shown& s : shown) result.push_back(s.text);
        return result;
    }
};

class ScriptedFileDialogs : public model::FileDialogs {
public:
    // Paths in order; an empty optional, or running out, is a cancel.
    std::deque<std::optional<std::string>> answers;
    std::vector<model::FileDialogOptions> opens, saves;

    std::optional<std::string> ShowOpen(const model::FileDialogOptions& options) override
    {
        opens.push_back(options);
        return next();
    }

    std::optional<std::string> ShowSave(const model::FileDialogOptions& options) override
    {
        saves.push_back(options);
        return next();
    }

private:
    std::optional<std::string> next()
    {
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace testsupport
