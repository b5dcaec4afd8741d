// The printer choice: the list with the remembered printer preselected, "print.dat", printing
// enabled again after a start without a printer, and the hand-back to the window that opened it.
#include <gtest/gtest.h>

#include "app/Form1.h"
#include "platform/windows.h"
#include "playslips/Form11.h"
#include "playslips/logic/printerchoice.h"
#include "playslips_helpers.h"
#include "shared/filefaults.h"
#include "shared/module1.h"

using platform::Windows;
using Step = FileFaults::Step;

namespace {

QByteArray record(const char* name) {
    return fixture::text(name, 255);
}

class PrinterChoice : public PlayslipTest {
protected:
    // Opened from the main window's Select Printer.
    Form11& openFromMain() {
        Windows::get<Form1>(Form1::kName)->mnuprinters_Click();
        return *Windows::live<Form11>(Form11::kName);
    }
};

TEST_F(PrinterChoice, RememberedPrinterIsPreselectedElseTheFirst) {
    installPrinters({"Office", "Label", "Office"});
    const struct {
        const char* what;
        QByteArray file;  // empty: no file
        int index;
    } cases[] = {
        {"no file", {}, 0},
        {"remembered, the last of that name", record("Office"), 2},
        {"remembered with blanks trimmed", record("  Label"), 1},
        {"gone since", record("Photo"), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(file("print.dat"));
        if (!c.file.isEmpty()) {
            writeFile("print.dat", c.file);
        }
        Form11& w = openFromMain();
        EXPECT_EQ(w.Combo1->count(), 3);
        EXPECT_EQ(w.Combo1->currentIndex(), c.index);
        w.Command1_Click();
    }
    EXPECT_EQ(printerIndex({"a", "b"}, ""), 0);
}

TEST_F(PrinterChoice, CloseChoosesThePrinterAndRemembersIt) {
    installPrinters({"Office", "Label"});
    Form11& w = openFromMain();
    EXPECT_EQ(readFile("print.dat"), QByteArray());
    w.Combo1->setCurrentIndex(1);
    w.Command1_Click();
    EXPECT_EQ(readFile("print.dat"), record("Label"));
    EXPECT_EQ(printer().currentName(), "Label");
    EXPECT_EQ(Windows::find(Form11::kName), nullptr);
    EXPECT_TRUE(Windows::find(Form1::kName)->isEnabled());
    EXPECT_FALSE(m1().printersfrommain);
    // A name longer than the record is cut to it.
    EXPECT_EQ(printerRecord(QString(300, u'x')), QByteArray(255, 'x'));
}

TEST_F(PrinterChoice, ChoosingAfterAStartWithoutPrinterEnablesEveryPrintingControl) {
    auto* main = Windows::get<Form1>(Form1::kName);
    m1().printeravailable = false;
    main->Command9->setEnabled(false);
    main->Command10->setEnabled(false);
    main->mnuTicketPrinting->setEnabled(false);
    Form11& w = openFromMain();
    w.Command1_Click();
    EXPECT_TRUE(m1().printeravailable);
    // Their own state: the frame around them is disabled while no game is loaded.
    EXPECT_FALSE(main->Command9->testAttribute(Qt::WA_ForceDisabled));
    EXPECT_FALSE(main->Command10->testAttribute(Qt::WA_ForceDisabled));
    EXPECT_EQ(main->mnuTicketPrinting->isEnabled(), main->mnuFilter->isEnabled());
}

TEST_F(PrinterChoice, ChoosingFromTheSettingsWindowEnablesItsPrint) {
    installPrinters({});
    messages().expect(
        "Printing has been disabled due to the fact that no printer drivers can be detected.");
    configure& settings = open();
    EXPECT_FALSE(settings.mnuPrintCurrent->isEnabled());
    installPrinters({"Office"});  // installed since
    settings.mnuPrinterSelection_Click();
    Windows::live<Form11>(Form11::kName)->close();  // the close box is Close
    EXPECT_TRUE(settings.mnuPrintCurrent->isEnabled());
    EXPECT_TRUE(settings.isEnabled());
    EXPECT_EQ(readFile("print.dat"), record("Office"));
}

TEST_F(PrinterChoice, NoPrinterInstalledChangesNothing) {
    installPrinters({});
    writeFile("print.dat", record("Office"));
    Form11& w = openFromMain();
    EXPECT_EQ(w.Combo1->count(), 1);
    EXPECT_EQ(w.Combo1->currentText(), "No Printers Installed");
    w.Command1_Click();
    EXPECT_EQ(readFile("print.dat"), record("Office"));
    EXPECT_TRUE(Windows::find(Form1::kName)->isEnabled());

    printer().failListing(true);
    Form11& failing = openFromMain();
    EXPECT_EQ(failing.Combo1->currentText(), "No Printers Installed");
    failing.Command1_Click();
}

class PrinterChoiceWriteFailure : public PrinterChoice,
                                  public ::testing::WithParamInterface<Step> {};

TEST_P(PrinterChoiceWriteFailure, IsReportedAndTheOldChoiceKept) {
    installPrinters({"Office", "Label"});
    writeFile("print.dat", record("Office"));
    Form11& w = openFromMain();
    w.Combo1->setCurrentIndex(1);
    fileFaults().failAt(GetParam(), 1);
    messages().expect(QStringLiteral("The printer choice could not be saved for the next start. ") +
                      FileFaults::reason(GetParam()));
    w.Command1_Click();
    EXPECT_EQ(readFile("print.dat"), record("Office"));
    EXPECT_EQ(printer().currentName(), "Label");  // used for this run all the same
    EXPECT_TRUE(Windows::find(Form1::kName)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Steps, PrinterChoiceWriteFailure,
                         ::testing::Values(Step::Write, Step::Flush, Step::Commit));

}  // namespace
