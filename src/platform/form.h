#pragma once
// The base of every window: a top-level widget known by its name, with a load handler and a
// close box that runs the window's own Close path.
#include <QString>
#include <QWidget>

namespace platform {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& name, QWidget* parent = nullptr);

    // Runs once, when the window model first loads the window.
    virtual void Form_Load() {}
    // The title bar's close box: by default the window is unloaded.
    virtual void closeBox();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class Windows;
    bool unloading_ = false;
};

}  // namespace platform
