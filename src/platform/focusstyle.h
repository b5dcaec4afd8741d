#pragma once
// The keyboard focus is shown on every control. The desktop's style shows it on buttons, boxes
// and the current line of a list, but an empty list, a tree without a current folder or a chart
// would hide it: their frame takes the highlight colour while they have the focus.
#include <QProxyStyle>

class QApplication;

namespace platform {

class FocusStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

// Puts the focus style over the application's own style, with room around button captions
// (platform/buttonroom.h), and keeps the focus shown however it moved.
void showFocusEverywhere(QApplication& application);

}  // namespace platform
