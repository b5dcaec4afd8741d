#include "playslips/Form11.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/Form1.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "playslips/configure.h"
#include "playslips/logic/printerchoice.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/safefile.h"

using platform::named;
using platform::Windows;

Form11::Form11(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Printer Selection"));
    Frame1 = named(new QGroupBox(QStringLiteral("Select Printer"), this), "Frame1");
    Combo1 = named(new QComboBox(Frame1), "Combo1");
    Combo1->setPlaceholderText(QStringLiteral("No Printer Available"));
    Combo1->setMinimumWidth(platform::twipsToPixels(4200));
    auto* frame = new QVBoxLayout(Frame1);
    frame->addWidget(Combo1);
    Command1 = named(new QPushButton(QStringLiteral("Close"), this), "Command1");
    Command1->setDefault(true);
    auto* root = new QVBoxLayout(this);
    root->addWidget(Frame1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    root->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, &Form11::Command1_Click);
}

void Form11::Form_Load() {
    const QString remembered = readPrinterChoice(dataFile(m1().datapath, kPrinterFileName));
    try {
        const QStringList names = platform::printers().deviceNames();
        if (names.isEmpty()) {
            throw platform::PrinterError("No printer is installed.");
        }
        Combo1->addItems(names);
        Combo1->setCurrentIndex(printerIndex(names, remembered));
    } catch (const platform::PrinterError&) {
        Combo1->clear();
        Combo1->addItem(QStringLiteral("No Printers Installed"));
        Combo1->setCurrentIndex(0);
    }
}

void Form11::choose(const QString& deviceName) {
    try {
        if (!platform::printers().deviceNames().contains(deviceName)) {
            return;  // "No Printers Installed", or a printer gone since the list was made
        }
        platform::printers().select(deviceName);
    } catch (const platform::PrinterError&) {
        return;  // the printer in use stays as it was
    }
    QString error;
    if (!writeWholeFile(dataFile(m1().datapath, kPrinterFileName), printerRecord(deviceName),
                        &error)) {
        // The printer serves this run all the same; only the next start will not find it.
        platform::msgBox(
            QStringLiteral("The printer choice could not be saved for the next start. ") + error);
    }
    if (!m1().printeravailable) {
        m1().printeravailable = true;
        enablePrinting();
    }
}

void Form11::enablePrinting() {
    if (auto* main = Windows::live<Form1>(Form1::kName)) {
        main->Command9->setEnabled(true);
        main->Command10->setEnabled(true);
        // Playslip printing, like every menu of a game, only when a game is loaded.
        main->mnuTicketPrinting->setEnabled(main->mnuFilter->isEnabled());
    }
    if (auto* settings = Windows::live<configure>(configure::kName)) {
        settings->mnuPrintCurrent->setEnabled(true);
    }
}

void Form11::Command1_Click() {
    choose(Combo1->currentText());
    // Back to whichever window opened the dialog.
    setOpener(m1().printersfrommain ? windownames::Form1 : windownames::configure,
              platform::HandBack::EnableAndRaise);
    m1().printersfrommain = false;
    handBackAndUnload();
}

void Form11::closeBox() {
    Command1_Click();
}
