#pragma once
// The base of every window and the contract every window keeps: it is known by its name, has a
// load handler, and has one Close (or Cancel) path that its buttons, the title bar's close box
// and Escape all run. That path ends in handBackAndUnload(): control goes back to the opener,
// the flag the opener waits on is set, and the window goes. The keyboard works as in a dialog:
// Enter clicks the focused button (or else the default button), Escape runs Close.
#include <QAnyStringView>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace platform {

// What a closing window does to its opener.
enum class HandBack {
    EnableAndRaise,  // the opener disabled itself to show this window
    RaiseOnly,       // the opener stayed enabled; another window may have disabled it since
    EnableOnly,      // enabled, but left where it is in the stacking order
};

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& name, QWidget* parent = nullptr);

    // Runs once, when the window model first loads the window.
    virtual void Form_Load() {}
    // The window's Close (or Cancel) path, run by the close box and by Escape. By default it
    // hands back and unloads; a window whose Close does more overrides it to call its handler.
    virtual void closeBox();

    // The opener, found by name among the live windows when this window closes.
    void setOpener(const QString& openerName, HandBack how = HandBack::EnableAndRaise);
    // The opener as a window the caller holds; forgotten if it is destroyed first.
    void setOpener(QWidget* opener, HandBack how = HandBack::EnableAndRaise);
    // The flag an opener waits on; it is given `value` when the window closes.
    void setDoneFlag(bool& flag, bool value = true);
    // Escape runs closeBox(), as in a dialog; a main window, whose close ends the program, turns
    // it off.
    void setEscapeCloses(bool closes = true) { escapeCloses_ = closes; }

    // The end of every Close path: hands back to the opener (as setOpener said, or as `how`
    // says for this one path), sets the done flag and unloads the window.
    void handBackAndUnload();
    void handBackAndUnload(HandBack how);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class Windows;
    QWidget* opener() const;
    bool clickForEnter();

    QString openerName_;
    QPointer<QWidget> openerWindow_;
    HandBack handBack_ = HandBack::EnableAndRaise;
    bool* doneFlag_ = nullptr;
    bool doneValue_ = true;
    bool escapeCloses_ = true;
    bool unloading_ = false;
};

// Gives a control its name as the code knows it, so tests find it with findChild by that name.
template <class W>
W* named(W* control, QAnyStringView name) {
    control->setObjectName(name);
    return control;
}

}  // namespace platform
