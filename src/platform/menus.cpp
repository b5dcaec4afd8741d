#include "platform/menus.h"

#include <QAction>
#include <QMenu>

namespace platform {

QAction* menuItem(QMenu* menu, QAnyStringView name, const QString& caption, bool checkable) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setCheckable(checkable);
    return a;
}

QMenu* submenu(QWidget* parent, QAnyStringView name, const QString& caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

}  // namespace platform
