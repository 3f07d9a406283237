#include "platform/formactivation.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace platform {

FormActivation::FormActivation(QWidget* form, std::function<void()> activate)
    : QObject(form), form_(form), activate_(std::move(activate))
{
    form->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &FormActivation::focusChanged);
}

bool FormActivation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == form_) {
        if (event->type() == QEvent::Show) armed_ = true;
        if (event->type() == QEvent::WindowActivate && armed_) {
            armed_ = false;
            activate_();
        }
    }
    return QObject::eventFilter(watched, event);
}

void FormActivation::focusChanged(QWindow* now)
{
    if (!now || now == form_->windowHandle()) return;
    // Another window of the program: ordinary windows arm the next
    // activation, modal boxes do not.
    armed_ = now->modality() == Qt::NonModal;
}

}  // namespace platform
