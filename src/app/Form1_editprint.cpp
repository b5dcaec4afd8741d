// Adding and editing entries, and printing the two lists.
#include "app/Form1.h"
#include "app/editEntry.h"
#include "app/listprint.h"
#include "platform/messagebox.h"
#include "platform/systemlocale.h"
#include "platform/windows.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/textforms.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;

namespace {

// "5 Mar 2012" in the order of the date order.
QString entryDateText(const QDate& date, const QString& dateorder) {
    const QString d = QString::number(date.day());
    const QString m = monthAbbreviation(date.month());
    const QString y = QString::number(date.year());
    if (dateorder == u"MMDDYY") {
        return m + u' ' + d + u' ' + y;
    }
    if (dateorder == u"YYMMDD") {
        return y + u' ' + m + u' ' + d;
    }
    return d + u' ' + m + u' ' + y;
}

}  // namespace

void Form1::Command4_Click() {
    // A wheel window may have emptied the display: entries only ever go to the file the list
    // shows, so the entry date's file is listed first.
    if (m1().selectionfile.isEmpty()) {
        DTPicker2_Change();
        if (m1().selectionfile.isEmpty()) {
            return;
        }
    }
    const EntryFileKind kind = entryFileKind(m1().selectionfile, m1().gamename);
    QString caption;
    if (kind == EntryFileKind::Standing) {
        caption = QStringLiteral("Standing Entry");
    } else if (kind == EntryFileKind::Wheel) {
        caption = QStringLiteral("Wheel Entry");
        if (msgBox(QStringLiteral("Modifying a wheel entry can change the guarantee of the wheel. "
                                  "Are you sure you want to continue?"),
                   MsgButtons::YesNo) == MsgAnswer::No) {
            return;
        }
    }
    const int w = platform::weekday(DTPicker2->Value());
    if (m1().drawdays[static_cast<std::size_t>(w)] != w &&
        msgBox(QStringLiteral("Do you want to create a dated entry for a day that has not been "
                              "defined as a draw day?"),
               MsgButtons::YesNo) == MsgAnswer::No) {
        return;
    }
    platform::Form* form5 = platform::Windows::load(windownames::Form5);
    if (form5 == nullptr) {
        return;
    }
    if (m1().bonusperentry == 0) {
        // Only the real adding window has an extra-ball label.
        if (auto* label2 = form5->findChild<QWidget*>(QStringLiteral("Label2"))) {
            label2->hide();
        }
    }
    if (caption.isEmpty()) {
        caption = m1().gamename + QStringLiteral(" Entries for ") +
                  entryDateText(DTPicker2->Value(), m1().dateorder);
    }
    form5->setWindowTitle(caption);
    setEnabled(false);
    platform::Windows::show(windownames::Form5);
}

void Form1::Command6_Click() {
    if (leadingNumber(Text2->text()) < 1) {
        msgBox(QStringLiteral("There are no entries displayed to edit."));
        return;
    }
    if (entryFileKind(m1().selectionfile, m1().gamename) == EntryFileKind::Wheel &&
        msgBox(QStringLiteral("Editing a wheel entry can change the guarantee of the wheel. Are "
                              "you sure you want to continue?"),
               MsgButtons::YesNo) == MsgAnswer::No) {
        return;
    }
    const int n = textToInteger(Text2->text());
    int s = 0;
    int chosen = -1;
    for (int i = 0; i < n && i < List1->count(); ++i) {
        if (List1->item(i)->isSelected()) {
            ++s;
            chosen = i;
        }
    }
    if (s == 0) {
        msgBox(QStringLiteral("You have not selected an entry to edit."));
        return;
    }
    if (s >= 2) {
        msgBox(
            QStringLiteral("You have more than one entry selected. You must only select one "
                           "entry at a time for editing."));
        return;
    }
    m1().editrecordno = static_cast<qint16>(chosen + 1);
    setEnabled(false);
    platform::Windows::show(editEntry::kName);
}

void Form1::Command9_Click() {
    printlist(*List1);
}

void Form1::Command10_Click() {
    printlist(*List2);
}
