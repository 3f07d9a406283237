#pragma once
// The program's message boxes as an interface, so document code and windows
// can ask the user something and a test can answer in their place. The Qt
// implementation lives in platform/.

#include <string>

namespace model {

enum class MessageButtons { Ok, YesNoCancel };
enum class MessageIcon { None, Exclamation, Question, Information, Critical };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class MessageBox {
public:
    virtual ~MessageBox() = default;

    // Shows `text` and waits for the answer.
    virtual MessageAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) = 0;

    // An OK box, the most common kind.
    void show(const std::string& text, MessageIcon icon = MessageIcon::None) { ask(text, MessageButtons::Ok, icon); }

    // An OK box under a title of its own instead of the program's name.
    virtual void showTitled(const std::string& text, const std::string& title, MessageIcon icon)
    {
        (void)title;
        show(text, icon);
    }
};

}  // namespace model
