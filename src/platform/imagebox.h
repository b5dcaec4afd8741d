#pragma once
// A picture that answers a click, for the program's picture buttons.
#include <QLabel>

namespace platform {

class ImageBox : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace platform
