#include "pick34/pickstandins.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "pick34/Pick3.h"
#include "pick34/logic/pickfiles.h"
#include "platform/windows.h"
#include "shared/module1.h"

PickStandIn::PickStandIn(const QString& name, const QString& caption, bool enablesOpener)
    : platform::Form(name), enablesOpener_(enablesOpener) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* label =
        new QLabel(QStringLiteral("%1 is not available in this version.").arg(caption), this);
    label->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(label);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &PickStandIn::Command1_Click);
}

void PickStandIn::Command1_Click() {
    if (QWidget* pick = platform::Windows::find(Pick3::kName)) {
        if (enablesOpener_) {
            pick->setEnabled(true);
        }
        platform::Windows::bringToFront(pick);
    }
    platform::Windows::unload(this);
}

void PickStandIn::closeBox() {
    Command1_Click();
}

void registerPickStandIns() {
    struct Stand {
        const char* name;
        QString (*caption)();
        bool enablesOpener;
    };
    static const Stand stands[] = {
        {"AddEntriesP34", [] { return pickgametitle(m1().pickgame) + QStringLiteral(" Entries"); },
         true},
        {"Deletepick34", [] { return QStringLiteral("File Deletion"); }, true},
        {"p34history",
         [] { return pickgametitle(m1().pickgame) + QStringLiteral(" Draw History"); }, false},
        {"p34stats",
         [] {
             return QStringLiteral("Stats for ") + pickgametitle(m1().pickgame) + u' ' +
                    m1().statsdrawtime;
         },
         false},
    };
    for (const Stand& s : stands) {
        const QString name = QString::fromLatin1(s.name);
        if (platform::Windows::isRegistered(name)) {
            continue;
        }
        const Stand stand = s;
        platform::Windows::registerWindow(name, [name, stand] {
            return std::make_unique<PickStandIn>(name, stand.caption(), stand.enablesOpener);
        });
    }
}
