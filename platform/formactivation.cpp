#include "platform/formactivation.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
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
    if (watched == form_ && event->type() == QEvent::Show && !event->spontaneous()) {
        // Shown: activated once the show is done, whether or not the
        // platform makes it the active window.
        armed_ = false;
        QTimer::singleShot(0, this, [this] {
            if (form_->isVisible()) activate_();
        });
    }
    if (watched == form_ && event->type() == QEvent::WindowActivate && armed_) {
        armed_ = false;
        activate_();
    }
    return QObject::eventFilter(watched, event);
}

void FormActivation::focusChanged(QWindow* now)
{
    // A drop-down list or menu belongs to the window it opened from.
    if (!now || now == form_->windowHandle() || now->type() == Qt::Popup) return;
    // Another window of the program: ordinary windows arm the next
    // activation, modal boxes do not.
    armed_ = now->modality() == Qt::NonModal;
}

}  // namespace platform
