#include "platform/form.h"

#include <QCloseEvent>

#include "platform/windows.h"

namespace platform {

Form::Form(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(name);
}

void Form::closeBox() {
    Windows::unload(this);
}

void Form::closeEvent(QCloseEvent* event) {
    if (unloading_) {
        event->accept();
        return;
    }
    // The window decides itself, through its own Close or Cancel path, whether it goes.
    event->ignore();
    closeBox();
}

}  // namespace platform
