#include "platform/cursor.h"

#include <QApplication>

namespace platform {

Hourglass::Hourglass() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
Hourglass::~Hourglass() {
    QApplication::restoreOverrideCursor();
}

}  // namespace platform
