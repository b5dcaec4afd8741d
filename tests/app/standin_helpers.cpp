#include "app/standin_helpers.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/windownames.h"
#include "platform/windows.h"
#include "shared/module1.h"

using platform::named;

StandInForm::StandInForm(const QString& name, const QString& caption) : platform::Form(name) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        named(new QLabel(QStringLiteral("%1 is not available in this version.").arg(caption), this),
              "Label1"));
    auto* close = named(new QPushButton(QStringLiteral("Close"), this), "Command1");
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &StandInForm::Command1_Click);
    setOpener(windownames::Form1);
}

void StandInForm::Command1_Click() {
    // The printer choice hands back to the playslip configuration when that opened it.
    if (objectName() == windownames::Form11 && !m1().printersfrommain) {
        setOpener(windownames::configure);
    }
    handBackAndUnload();
}

void StandInForm::closeBox() {
    Command1_Click();
}

namespace {

// The caption the real window gives itself at loading, from what its opener set.
QString captionAtLoad(const QString& name, const QString& fallback) {
    for (const QString& wheel :
         {windownames::wheel4, windownames::Wheel5, windownames::wheel6, windownames::wheel7}) {
        if (name == wheel) {
            return QStringLiteral("%1 Wheel for %2").arg(name.back(), m1().gamename);
        }
    }
    if (name == windownames::PrintManager) {
        return QStringLiteral("Playslip Printing Manager for ") + m1().configgamename;
    }
    if (name == windownames::Pick3) {
        return m1().pickgame == 4 ? QStringLiteral("Pick 4") : QStringLiteral("Pick 3");
    }
    return fallback;
}

}  // namespace

void registerStandInWindows() {
    struct Stand {
        const QString& name;
        const char* caption;
        bool Module1::*flag;
        platform::HandBack handBack = platform::HandBack::EnableAndRaise;
    };
    namespace wn = windownames;
    const Stand stands[] = {
        {wn::Form4, "Draw Statistics", nullptr},
        {wn::Form5, "Add Entries", nullptr},
        {wn::Form6, "History Check", nullptr},
        {wn::Form8, "Entry File Deletion", nullptr},
        {wn::Form10, "Load Downloaded Results", &Module1::windowdone},
        {wn::Form11, "Select Printer", nullptr},
        {wn::Form12, "Filter Current Entry", &Module1::windowdone},
        {wn::Form30, "Import TXT Entry", &Module1::dialogdone},
        // The optimiser never disables the main window, so its Close must not enable it: another
        // window may have disabled it meanwhile.
        {wn::LinkProcess, "Optimized Entry", &Module1::linkclosed, platform::HandBack::RaiseOnly},
        {wn::Pick3, "Pick 3 and Pick 4", nullptr},
        {wn::PrintManager, "Playslip Printing Manager", nullptr},
        {wn::RDL, "Update Results", &Module1::windowdone},
        {wn::wheel4, "4 Wheel", nullptr},
        {wn::Wheel5, "5 Wheel", nullptr},
        {wn::wheel6, "6 Wheel", nullptr},
        {wn::wheel7, "7 Wheel", nullptr},
    };
    for (const Stand& s : stands) {
        if (platform::Windows::isRegistered(s.name)) {
            continue;  // the real window is built and registered
        }
        const QString name = s.name;
        const QString caption = QString::fromLatin1(s.caption);
        bool Module1::*flag = s.flag;
        const platform::HandBack how = s.handBack;
        platform::Windows::registerWindow(name, [name, caption, flag, how] {
            auto form = std::make_unique<StandInForm>(name, caption);
            form->setWindowTitle(captionAtLoad(name, caption));
            form->setOpener(windownames::Form1, how);
            if (flag != nullptr) {
                form->setDoneFlag(m1().*flag);
            }
            return form;
        });
    }
}
