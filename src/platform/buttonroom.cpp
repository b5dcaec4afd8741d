#include "platform/buttonroom.h"

#include <QFontMetrics>
#include <QStyleOption>
#include <algorithm>

namespace platform {

int captionRoom(const QFontMetrics& metrics) {
    return metrics.averageCharWidth() * 3 / 2;
}

QSize ButtonRoomStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                        const QSize& contents, const QWidget* widget) const {
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    if (type == CT_PushButton && option != nullptr) {
        size.setWidth(
            std::max(size.width(), contents.width() + 2 * captionRoom(option->fontMetrics)));
    }
    return size;
}

}  // namespace platform
