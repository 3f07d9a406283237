#pragma once
// Message boxes and file dialogs that answer from a script and remember what
// they were asked, so tests never block on a dialog.

#include "model/document/filedialogs.h"
#include "model/document/messagebox.h"
#include "model/file/filesaver.h"
#include "model/file/textfile.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// The first answer of the script, taken off it; `otherwise` once it has run out.
template <class T>
T nextAnswer(std::deque<T>& answers, T otherwise)
{
    if (answers.empty()) return otherwise;
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

class ScriptedMessageBox : public model::MessageBox {
public:
    // title: empty for the program's own title.
    struct Shown { std::string text; model::MessageButtons buttons; model::MessageIcon icon; std::string title; };

    // Answers in order; OK (or Cancel for a question) once they run out.
    std::deque<model::MessageAnswer> answers;
    std::vector<Shown> shown;
    // Runs while a box is up, to look at what the user sees behind it.
    std::function<void()> whileShown;

    model::MessageAnswer ask(const std::string& text, model::MessageButtons buttons, model::MessageIcon icon) override
    {
        shown.push_back({text, buttons, icon, {}});
        if (whileShown) whileShown();
        const bool ok = buttons == model::MessageButtons::Ok;
        return nextAnswer(answers, ok ? model::MessageAnswer::Ok : model::MessageAnswer::Cancel);
    }

    void showTitled(const std::string& text, const std::string& title, model::MessageIcon icon) override
    {
        shown.push_back({text, model::MessageButtons::Ok, icon, title});
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

    using Options = model::FileDialogOptions;
    std::optional<std::string> ShowOpen(const Options& options) override { return answer(opens, options); }
    std::optional<std::string> ShowSave(const Options& options) override { return answer(saves, options); }

private:
    std::optional<std::string> answer(std::vector<Options>& asked, const Options& options)
    {
        asked.push_back(options);
        return nextAnswer(answers, {});
    }
};

// Saves without Qt, for the Qt-free tests.
class PlainFileSaver : public model::FileSaver {
public:
    bool save(const std::string& path, std::string_view text) override { return model::writeFileAtomically(path, text); }
};

}  // namespace testsupport
