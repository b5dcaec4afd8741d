#include "app/module1routines.h"

#include <QApplication>
#include <QListWidget>
#include <QPalette>

#include "app/Form1.h"
#include "platform/datepicker.h"
#include "platform/internetcheck.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/systemlocale.h"
#include "shared/ansitext.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/recordfile.h"
#include "shared/textforms.h"

void cleardisplay(Form1& form) {
    m1().openwheeltype = 0;
    for (QLabel* ball : form.Image2) {
        ball->hide();
    }
    form.List1->clear();
    form.List2->clear();
    form.Text2->setText(QStringLiteral("0"));
    m1().selectionfile.clear();
}

void addentryline(QListWidget& list, const Balls& balls, qint16 extra) {
    list.addItem(entryline(balls, extra, m1().extraballid, m1().gamename));
}

void adddrawline(QListWidget& list, const Balls& balls, qint16 extra, const QString& label) {
    list.addItem(entryline(balls, extra, m1().extraballid, m1().gamename) + label);
}

void addhistoryline(QListWidget& list, const Balls& balls, qint16 extra, const QString& label) {
    QString line = entryline(balls, extra, m1().extraballid, m1().gamename);
    if (extra > 0) {
        line += u' ';
    }
    list.addItem(line + label);
}

void setprinterfont() {
    try {
        platform::printers().current().setFont(QStringLiteral("Courier New"), 10);
    } catch (const platform::PrinterError&) {
        // Printing goes on with the printer's own font.
    }
}

bool loadprinter() {
    const QString saved = [] {
        RecordFile file(dataFile(m1().datapath, kPrinterFileName), 255);
        return trimBlanks(fromAnsi(file.read(1)));
    }();
    try {
        bool any = false;
        bool found = false;
        for (const QString& name : platform::printers().deviceNames()) {
            if (name.isEmpty()) {
                continue;
            }
            if (!found) {
                platform::printers().select(name);
                any = true;
            }
            if (name == saved) {
                found = true;
                platform::printers().select(name);
            }
        }
        if (any) {
            return true;
        }
    } catch (const platform::PrinterError&) {
    }
    platform::msgBox(QStringLiteral(
        "Printing has been disabled due to the fact that no printer drivers can be detected."));
    return false;
}

void getdateorder(platform::DTPicker& picker) {
    m1().dateorder.clear();
    // Built as a date, so the detection needs no English month names.
    picker.setMaximumDate(QDate(3299, 12, 31));
    m1().dateorder = dateOrderFromShortDate(platform::shortDateText(picker.maximumDate()));
}

void setcalendarcolours(platform::DTPicker& picker) {
    const QPalette system = QApplication::palette();
    picker.setCalendarColours(Qt::white, Qt::black,
                              system.color(QPalette::Active, QPalette::Highlight), Qt::white,
                              system.color(QPalette::Disabled, QPalette::Text));
}

bool isconnected(bool& ok) {
    if (!platform::attemptConnect()) {
        ok = false;
        return false;
    }
    // A session that cannot be opened means no connection, for every caller.
    ok = platform::openInternetSession();
    return ok;
}
