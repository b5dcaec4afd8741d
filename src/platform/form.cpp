#include "platform/form.h"

#include <QCloseEvent>
#include <QKeyEvent>

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

void Form::keyPressEvent(QKeyEvent* event) {
    // Reached only when the focused control has no use for the key, as a dialog's Escape is.
    if (escapeCloses_ && event->matches(QKeySequence::Cancel)) {
        closeBox();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace platform
