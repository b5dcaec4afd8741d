#pragma once
// A picture that answers a click, for the program's picture buttons. Like a button it takes the
// keyboard focus, shows it, and answers Space and Enter.
#include <QLabel>

namespace platform {

class ImageBox : public QLabel {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
