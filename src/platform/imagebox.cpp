#include "platform/imagebox.h"

#include <QMouseEvent>

namespace platform {

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace platform
