// Standing entries and the copy of a day's entries to the other draw time: whole-file copies
// whose targets are named from the window's game, draw time and entry date.
#include "pick34/Pick3.h"
#include "pick34/logic/pickentries.h"
#include "platform/messagebox.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;

namespace {

// Entries in use in the file; a missing file holds none and is not created by asking.
int entriesIn(const QString& path) {
    const std::optional<PickImage> entries = PickImage::read(path);
    return entries ? entries->count() : 0;
}

}  // namespace

void Pick3::mnuStandSave_Click() {
    const PickEntryView view = entryView();
    if (view.standing) {
        msgBox(QStringLiteral("The standing entry is the file listed: there is nothing to save."));
        return;
    }
    if (Text2->text().isEmpty() || Text2->text() == u"0") {
        msgBox(QStringLiteral("No entry displayed in My Entries to save as a standing entry"));
        return;
    }
    const QString standing = entryPath(pickStandingFileName(view.game, view.time));
    if (entriesIn(standing) > 0 &&
        msgBox(QStringLiteral("You already have a standing for this game. Only one standing entry "
                              "is allowed per game. Do you want to continue and overwrite your "
                              "existing file?"),
               MsgButtons::YesNo, platform::MsgDefault::No) != MsgAnswer::Yes) {
        return;
    }
    if (const QString failed = copyEntryFile(m1().pickentryfile, standing); !failed.isEmpty()) {
        msgBox(failed);
        return;
    }
    msgBox(QStringLiteral("Done"));
}

void Pick3::mnuStandOpen_Click() {
    PickEntryView view = entryView();
    if (view.standing) {
        return;
    }
    view.standing = true;
    const QString standing = entryPath(listedEntryFileName(view, m1().dateorder));
    if (entriesIn(standing) == 0) {
        msgBox(
            QStringLiteral("You do not have a standing entry for this game. You need to save an "
                           "entry as a standing entry first"));
        return;
    }
    // The dated file being left goes first when it holds no entries.
    updatedisplay(true, true, false);
    Command3->show();
    m1().pickentryfile = standing;
    List1->clear();
    listEntries();
}

void Pick3::mnuBoth_Click() {
    if (leadingNumber(Text2->text()) == 0) {
        msgBox(QStringLiteral("You have no entries diplayed to save."));
        return;
    }
    const PickEntryView view = entryView();
    if (view.standing) {
        msgBox(
            QStringLiteral("You can only save both when the source is day or night, you "
                           "currently have a standing entry open"));
        return;
    }
    const OtherTimeCopy copy = otherTimeCopy(view.game, view.time, view.date, m1().dateorder);
    const QString target = entryPath(copy.target);
    if (entriesIn(target) > 0 &&
        msgBox(copy.question, MsgButtons::YesNo, platform::MsgDefault::No) != MsgAnswer::Yes) {
        return;
    }
    if (const QString failed = copyEntryFile(m1().pickentryfile, target); !failed.isEmpty()) {
        msgBox(failed);
        return;
    }
    msgBox(QStringLiteral("Done"));
}
