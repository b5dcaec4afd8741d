// The entry list: the dated or standing file listed, adding, deleting, printing and the check.
#include <vector>

#include "app/listprint.h"
#include "pick34/Pick3.h"
#include "pick34/logic/pickcheck.h"
#include "pick34/logic/pickentries.h"
#include "platform/messagebox.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;

void Pick3::listEntries() {
    const std::optional<PickImage> entries = PickImage::read(m1().pickentryfile);
    const QStringList lines = entries ? pickentrylines(*entries, m1().pickgame) : QStringList();
    Text2->setText(QString::number(lines.size()));
    List1->setUpdatesEnabled(false);
    List1->addItems(lines);
    List1->setUpdatesEnabled(true);
}

void Pick3::DTPicker2_Change() {
    List1->clear();
    updatedisplay(true, true, false);
    // The dated file is listed now, whatever was listed before.
    Command3->hide();
    m1().pickentryfile = entryPath(listedEntryFileName(entryView(), m1().dateorder));
    listEntries();
}

void Pick3::Command3_Click() {
    List1->clear();
    Command3->hide();
    DTPicker2_Change();
}

void Pick3::Command4_Click() {
    setEnabled(false);
    platform::Windows::show(windownames::AddEntriesP34);
    updatedisplay(false, true, false);
}

void Pick3::Command5_Click() {
    if (leadingNumber(Text2->text()) == 0) {
        msgBox(QStringLiteral("There are no entries to delete"));
        return;
    }
    const int n = std::min<int>(textToInteger(Text2->text()), List1->count());
    std::vector<bool> selected(static_cast<std::size_t>(std::max(n, 0)));
    int s = 0;
    for (int i = 0; i < n; ++i) {
        selected[static_cast<std::size_t>(i)] = List1->item(i)->isSelected();
        s += selected[static_cast<std::size_t>(i)] ? 1 : 0;
    }
    if (s == 0) {
        msgBox(QStringLiteral("You have not selected any entries for deletion."));
        return;
    }
    const QString question =
        s == 1 ? QStringLiteral("Are you sure you want to delete the selected entry?")
               : QStringLiteral("Are you sure you want to delete the %1 selected entries?").arg(s);
    if (msgBox(question, MsgButtons::YesNo, platform::MsgDefault::No) != MsgAnswer::Yes) {
        return;
    }
    List2->clear();
    int remaining = 0;
    if (const QString failed = deleteSelectedEntries(m1().pickentryfile, selected, &remaining);
        !failed.isEmpty()) {
        msgBox(failed);
        return;
    }
    // Bottom up, so the positions still to go keep their places.
    for (int i = n - 1; i >= 0; --i) {
        if (selected[static_cast<std::size_t>(i)]) {
            delete List1->takeItem(i);
        }
    }
    Text2->setText(QString::number(remaining));
    if (remaining == 0) {
        msgBox(QStringLiteral("Done"));
    }
    updatedisplay(false, true, false);
}

void Pick3::Command9_Click() {
    printlist(*List1);
}

void Pick3::Command10_Click() {
    printlist(*List2);
}

void Pick3::Command14_Click() {
    if (leadingNumber(Text2->text()) < 1) {
        msgBox(QStringLiteral("You do not have any entries listed to check!"));
        return;
    }
    const QString text = Text1->text();
    if (text.isEmpty()) {
        msgBox(QStringLiteral("No draw result displayed to check against"));
        return;
    }
    const int k = digitCount();
    if (!isPickNumber(text, k)) {
        msgBox(QStringLiteral("Invalid draw number"));
        return;
    }
    List2->clear();
    QString error;
    const std::optional<PickImage> entries = PickImage::read(m1().pickentryfile, &error);
    if (!entries) {
        msgBox(QStringLiteral("The entry file could not be read. %1").arg(error).trimmed());
        return;
    }
    const QStringList lines = checkPickEntries(*entries, pickDigitsOf(text, k), k);
    List2->setUpdatesEnabled(false);
    List2->addItems(lines);
    List2->setUpdatesEnabled(true);
}
