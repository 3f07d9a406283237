#include "platform/qtmessagebox.h"

#include "model/document/programname.h"
#include "platform/windowplacement.h"

#include <QApplication>
#include <QTimer>

namespace platform {

namespace {

QMessageBox::Icon qtIcon(model::MessageIcon icon)
{
    switch (icon) {
    case model::MessageIcon::Exclamation: return QMessageBox::Warning;
    case model::MessageIcon::Question: return QMessageBox::Question;
    case model::MessageIcon::Information: return QMessageBox::Information;
    case model::MessageIcon::Critical: return QMessageBox::Critical;
    case model::MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Qt centres a box on a guess of its frame; once shown it is centred on its
// owner by the real frames.
int runCentred(QMessageBox& box)
{
    if (QWidget* owner = box.parentWidget())
        QTimer::singleShot(0, &box, [&box, owner] { centreOver(box, *owner->window()); });
    return box.exec();
}

}  // namespace

void configureMessageBox(QMessageBox& box, const std::string& text, model::MessageButtons buttons,
                         model::MessageIcon icon)
{
    box.setWindowTitle(model::kProgramName);
    box.setText(QString::fromStdString(text));
    box.setIcon(qtIcon(icon));
    if (buttons == model::MessageButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
}

model::MessageAnswer answerOf(int pressed, model::MessageButtons buttons)
{
    switch (pressed) {
    case QMessageBox::Yes: return model::MessageAnswer::Yes;
    case QMessageBox::No: return model::MessageAnswer::No;
    case QMessageBox::Ok: return model::MessageAnswer::Ok;
    default: break;
    }
    return buttons == model::MessageButtons::Ok ? model::MessageAnswer::Ok : model::MessageAnswer::Cancel;
}

QWidget* QtMessageBox::boxOwner() const
{
    // A box belongs to the window the user is working in (the wizard while
    // the main window is disabled, the data window, the order form), so it
    // comes up centred in front of that window.
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : owner_;
}

model::MessageAnswer QtMessageBox::ask(const std::string& text, model::MessageButtons buttons, model::MessageIcon icon)
{
    QMessageBox box(boxOwner());
    configureMessageBox(box, text, buttons, icon);
    return answerOf(runCentred(box), buttons);
}

void QtMessageBox::showTitled(const std::string& text, const std::string& title, model::MessageIcon icon)
{
    QMessageBox box(boxOwner());
    configureMessageBox(box, text, model::MessageButtons::Ok, icon);
    box.setWindowTitle(QString::fromStdString(title));
    runCentred(box);
}

}  // namespace platform
