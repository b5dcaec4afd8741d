#pragma once
// Menus of a window, each menu and item named as the code knows it, so tests find them by name.
#include <QAnyStringView>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace platform {

// An item added to the menu; `checkable` gives it a check mark.
QAction* menuItem(QMenu* menu, QAnyStringView name, const QString& caption, bool checkable = false);
// A menu to add to a menu bar or to another menu; its own action carries the name too.
QMenu* submenu(QWidget* parent, QAnyStringView name, const QString& caption);

}  // namespace platform
