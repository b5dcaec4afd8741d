#include "platform/focusstyle.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QStyleOption>

#include "platform/buttonroom.h"

namespace platform {

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_Frame || !(option->state & State_HasFocus) ||
        qobject_cast<const QAbstractScrollArea*>(widget) == nullptr) {
        return;
    }
    painter->save();
    QPen pen(option->palette.color(QPalette::Highlight));
    pen.setWidth(1);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void showFocusEverywhere(QApplication& application) {
    // The application owns its style, and each proxy the style below it.
    application.setStyle(new FocusStyle(new ButtonRoomStyle));
    // The style draws a button's focus only after the keyboard moved it; a window that gives
    // the focus itself (Auto Tab, a box chosen at opening) must show it as well.
    QObject::connect(&application, &QApplication::focusChanged, &application,
                     [](QWidget*, QWidget* now) {
                         if (now == nullptr) {
                             return;
                         }
                         QWidget* window = now->window();
                         if (!window->testAttribute(Qt::WA_KeyboardFocusChange)) {
                             window->setAttribute(Qt::WA_KeyboardFocusChange);
                             window->update();
                         }
                         now->update();
                     });
}

}  // namespace platform
