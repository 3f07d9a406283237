#include "platform/menuitem.h"

#include <QAction>
#include <QMenu>

namespace platform {

MenuItem::MenuItem(QMenu* menu, const QString& name, const QString& caption, bool marked) : QObject(menu)
{
    setObjectName(name);
    action_ = menu->addAction(caption);
    action_->setObjectName(name);
    action_->setCheckable(marked);
    action_->setChecked(false);
    connect(action_, &QAction::triggered, this, [this] {
        action_->setChecked(checked_);
        if (onClick_) onClick_();
    });
}

void MenuItem::setChecked(bool checked)
{
    checked_ = checked;
    action_->setChecked(checked);
}

void MenuItem::click() { action_->trigger(); }

}  // namespace platform
