#include "app/listprint.h"

#include <QListWidget>

#include "app/module1routines.h"
#include "platform/cursor.h"
#include "platform/messagebox.h"
#include "platform/printer.h"

void printlines(const QStringList& lines) {
    bool failed = false;
    {
        platform::Hourglass hourglass;
        try {
            setprinterfont();
            platform::Printer& printer = platform::printers().current();
            for (const QString& line : lines) {
                printer.print(line);
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

QStringList listprintlines(const QStringList& texts) {
    QStringList lines(3);
    const QString indent(16, u' ');
    for (const QString& text : texts) {
        lines << indent + text;
    }
    return lines;
}

void printlist(const QListWidget& list) {
    if (list.count() == 0) {
        platform::msgBox(QStringLiteral("There is no list to print!"));
        return;
    }
    QStringList texts;
    texts.reserve(list.count());
    for (int i = 0; i < list.count(); ++i) {
        texts << list.item(i)->text();
    }
    printlines(listprintlines(texts));
}
