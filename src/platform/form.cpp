#include "platform/form.h"

#include <algorithm>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "platform/windows.h"

namespace platform {

Form::Form(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(name);
}

void Form::closeBox() {
    handBackAndUnload();
}

void Form::setOpener(const QString& openerName, HandBack how) {
    openerName_ = openerName;
    openerWindow_.clear();
    handBack_ = how;
}

void Form::setOpener(QWidget* opener, HandBack how) {
    openerName_.clear();
    openerWindow_ = opener;
    handBack_ = how;
}

void Form::setDoneFlag(bool& flag, bool value) {
    doneFlag_ = &flag;
    doneValue_ = value;
}

QWidget* Form::opener() const {
    if (!openerName_.isEmpty()) {
        return Windows::find(openerName_);
    }
    return openerWindow_.data();
}

void Form::handBackAndUnload() {
    handBackAndUnload(handBack_);
}

void Form::handBackAndUnload(HandBack how) {
    if (QWidget* back = opener()) {
        if (how != HandBack::RaiseOnly) {
            back->setEnabled(true);
        }
        if (how != HandBack::EnableOnly) {
            Windows::bringToFront(back);
        }
    }
    if (doneFlag_ != nullptr) {
        *doneFlag_ = doneValue_;
    }
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

namespace {

bool isEnter(const QKeyEvent* event) {
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

bool Form::clickForEnter() {
    // A push button takes Enter by itself only in a dialog; the player expects it everywhere.
    QWidget* focus = focusWidget();
    if (qobject_cast<QPushButton*>(focus) != nullptr || qobject_cast<QToolButton*>(focus)) {
        static_cast<QAbstractButton*>(focus)->click();
        return true;
    }
    // Enter in a box does what its window connected to it, never also the default button.
    if (qobject_cast<QLineEdit*>(focus) != nullptr) {
        return false;
    }
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    const auto found = std::find_if(buttons.begin(), buttons.end(), [this](QPushButton* b) {
        return b->isDefault() && b->window() == this && b->isVisible() && b->isEnabled();
    });
    if (found == buttons.end()) {
        return false;
    }
    (*found)->click();
    return true;
}

void Form::keyPressEvent(QKeyEvent* event) {
    // Reached only when the focused control has no use for the key, as in a dialog.
    if (escapeCloses_ && event->matches(QKeySequence::Cancel)) {
        closeBox();
        return;
    }
    if (isEnter(event) && clickForEnter()) {
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace platform
