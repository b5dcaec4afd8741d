#include "app/listprint.h"

#include <QListWidget>

#include "app/module1routines.h"
#include "platform/cursor.h"
#include "platform/messagebox.h"
#include "platform/printer.h"

void printlist(const QListWidget& list) {
    if (list.count() == 0) {
        platform::msgBox(QStringLiteral("There is no list to print!"));
        return;
    }
    bool failed = false;
    {
        platform::Hourglass hourglass;
        try {
            setprinterfont();
            platform::Printer& printer = platform::printers().current();
            for (int i = 0; i < 3; ++i) {
                printer.print(QString());
            }
            const QString indent(16, u' ');
            for (int i = 0; i < list.count(); ++i) {
                printer.print(indent + list.item(i)->text());
            }
        } catch (const platform::PrinterError&) {
            failed = true;
        }
    }
    // What was printed before a failure still goes out as the job.
    try {
        platform::printers().current().endDoc();
    } catch (const platform::PrinterError&) {
        failed = true;
    }
    if (failed) {
        platform::msgBox(QStringLiteral("There seems to be an unexpected print error."));
    }
}
