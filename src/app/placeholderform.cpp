#include "app/placeholderform.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Form1.h"
#include "platform/windows.h"
#include "shared/module1.h"

PlaceholderForm::PlaceholderForm(const QString& name, const QString& caption, bool* flag,
                                 bool enablesOpener)
    : platform::Form(name), flag_(flag), enablesOpener_(enablesOpener) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* label =
        new QLabel(QStringLiteral("%1 is not available in this version.").arg(caption), this);
    label->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(label);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &PlaceholderForm::Command1_Click);
}

QWidget* PlaceholderForm::opener() const {
    // The printer choice hands back to the playslip configuration when that opened it.
    if (objectName() == u"Form11" && !m1().printersfrommain) {
        return platform::Windows::find(QStringLiteral("configure"));
    }
    return platform::Windows::live<Form1>(Form1::kName);
}

void PlaceholderForm::Command1_Click() {
    if (QWidget* back = opener()) {
        if (enablesOpener_) {
            back->setEnabled(true);
        }
        platform::Windows::bringToFront(back);
    }
    if (flag_ != nullptr) {
        *flag_ = true;
    }
    platform::Windows::unload(this);
}

void PlaceholderForm::closeBox() {
    Command1_Click();
}

namespace {

// The caption the real window gives itself at loading, from what its opener set.
QString captionAtLoad(const QString& name, const QString& fallback) {
    for (const char* wheel : {"wheel4", "Wheel5", "wheel6", "wheel7"}) {
        if (name == QLatin1String(wheel)) {
            return QStringLiteral("%1 Wheel for %2").arg(name.back(), m1().gamename);
        }
    }
    if (name == u"PrintManager") {
        return QStringLiteral("Playslip Printing Manager for ") + m1().configgamename;
    }
    if (name == u"Pick3") {
        return m1().pickgame == 4 ? QStringLiteral("Pick 4") : QStringLiteral("Pick 3");
    }
    return fallback;
}

}  // namespace

void registerPlaceholderWindows() {
    struct Stand {
        const char* name;
        const char* caption;
        bool Module1::*flag;
        bool enablesOpener = true;
    };
    static const Stand stands[] = {
        {"Form4", "Draw Statistics", nullptr},
        {"Form5", "Add Entries", nullptr},
        {"Form6", "History Check", nullptr},
        {"Form8", "Entry File Deletion", nullptr},
        {"Form10", "Load Downloaded Results", &Module1::windowdone},
        {"Form11", "Select Printer", nullptr},
        {"Form12", "Filter Current Entry", &Module1::windowdone},
        {"Form30", "Import TXT Entry", &Module1::dialogdone},
        // The optimiser never disables the main window, so its Close must not enable it: another
        // window may have disabled it meanwhile.
        {"LinkProcess", "Optimized Entry", &Module1::linkclosed, false},
        {"Pick3", "Pick 3 and Pick 4", nullptr},
        {"PrintManager", "Playslip Printing Manager", nullptr},
        {"RDL", "Update Results", &Module1::windowdone},
        {"wheel4", "4 Wheel", nullptr},
        {"Wheel5", "5 Wheel", nullptr},
        {"wheel6", "6 Wheel", nullptr},
        {"wheel7", "7 Wheel", nullptr},
    };
    for (const Stand& s : stands) {
        const QString name = QString::fromLatin1(s.name);
        if (platform::Windows::isRegistered(name)) {
            continue;
        }
        const QString caption = QString::fromLatin1(s.caption);
        bool Module1::*flag = s.flag;
        const bool enables = s.enablesOpener;
        platform::Windows::registerWindow(name, [name, caption, flag, enables] {
            auto form = std::make_unique<PlaceholderForm>(
                name, caption, flag != nullptr ? &(m1().*flag) : nullptr, enables);
            form->setWindowTitle(captionAtLoad(name, caption));
            return form;
        });
    }
}
