#pragma once
// The program's message boxes: Qt's QMessageBox behind the model's
// MessageBox interface, titled with the program's name.

#include "model/document/messagebox.h"

#include <QMessageBox>

class QWidget;

namespace platform {

void configureMessageBox(QMessageBox& box, const std::string& text, model::MessageButtons buttons,
                         model::MessageIcon icon);

// The answer a pressed button gives; closing the box counts as its escape
// button (Cancel, or OK for an OK box).
model::MessageAnswer answerOf(int pressed, model::MessageButtons buttons);

class QtMessageBox : public model::MessageBox {
public:
    explicit QtMessageBox(QWidget* owner) : owner_(owner) {}
    // The window the boxes belong to while none of the program's windows is
    // active, once it exists.
    void setOwner(QWidget* owner) { owner_ = owner; }

    model::MessageAnswer ask(const std::string& text, model::MessageButtons buttons, model::MessageIcon icon) override;
    void showTitled(const std::string& text, const std::string& title, model::MessageIcon icon) override;

private:
    QWidget* boxOwner() const;

    QWidget* owner_;
};

}  // namespace platform
