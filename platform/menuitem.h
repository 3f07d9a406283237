#pragma once
// A menu item whose check mark is program state: a click only calls the
// handler, which decides the mark (Qt would flip it before the handler ran).

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace platform {

class MenuItem : public QObject {
    Q_OBJECT
public:
    // Only an item that carries a mark shows one; the others look plain.
    MenuItem(QMenu* menu, const QString& name, const QString& caption, bool marked = false);

    bool Checked() const { return checked_; }
    void setChecked(bool checked);
    void setOnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    // What a click of the user does.
    void click();
    QAction* action() const { return action_; }

private:
    QAction* action_;
    bool checked_ = false;
    std::function<void()> onClick_;
};

}  // namespace platform
