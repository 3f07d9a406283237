#pragma once
// A form's activation as the program's forms know it: the form was shown
// (activation follows once the show is done), or the user came to it from
// another window of the program. Coming back
// from one of the program's own modal boxes, or from another program, is
// not an activation, so a handler that shows a message on activation does
// not run again when that message closes.

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;
class QWindow;

namespace platform {

class FormActivation : public QObject {
    Q_OBJECT
public:
    FormActivation(QWidget* form, std::function<void()> activate);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusChanged(QWindow* now);

    QWidget* form_;
    std::function<void()> activate_;
    bool armed_ = false;
};

}  // namespace platform
