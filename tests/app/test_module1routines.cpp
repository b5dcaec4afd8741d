// The shared routines: entry lines into lists, clearing the main window, the empty entry file,
// the printer choice and font, the date order, calendar colours and the internet check.
#include <gtest/gtest.h>

#include <QFile>

#include <QCalendarWidget>
#include <QListWidget>

#include "app/Form1.h"
#include "app/module1routines.h"
#include "platform/internetcheck.h"
#include "platform/systemlocale.h"
#include "shared/module1.h"
#include "support/bytes.h"
#include "support/kestrovatest.h"

namespace {
using B = std::array<qint16, 7>;
const B kSix = {1, 5, 12, 23, 34, 45, 0};
}  // namespace

class Routines : public KestrovaTest {
protected:
    void SetUp() override {
        KestrovaTest::SetUp();
        m1().datapath = dataPath();
        m1().extraballid = QStringLiteral("PB");
        m1().gamename = QStringLiteral("Lotto");
    }
    QListWidget list;
    QString only() const { return list.count() == 1 ? list.item(0)->text() : QString(); }
};

TEST_F(Routines, AddEntryLineWithAndWithoutExtra) {
    addentryline(list, B{3, 9, 10, 22, 41, 0, 0}, 0);
    EXPECT_EQ(only(), QStringLiteral("03 09 10 22 41 "));
    list.clear();
    m1().gamename = QStringLiteral("WildCard2");
    addentryline(list, B{3, 9, 10, 22, 41, 0, 0}, 13);
    EXPECT_EQ(only(), QStringLiteral("03 09 10 22 41 PB AC"));
}

TEST_F(Routines, DrawLineAppendsTheLabelDirectly) {
    adddrawline(list, kSix, 7, QStringLiteral("(5+PB)"));
    adddrawline(list, kSix, 0, QStringLiteral("(6)"));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("01 05 12 23 34 45 PB 07(5+PB)"));
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("01 05 12 23 34 45 (6)"));
}

TEST_F(Routines, HistoryLinePutsABlankAfterTheExtra) {
    addhistoryline(list, kSix, 7, QStringLiteral("Match 5+PB"));
    addhistoryline(list, kSix, 0, QStringLiteral("Match 6"));
    m1().gamename = QStringLiteral("WildCard2");
    addhistoryline(list, kSix, 7, QStringLiteral("Match 6+PB"));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("01 05 12 23 34 45 PB 07 Match 5+PB"));
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("01 05 12 23 34 45 Match 6"));
    EXPECT_EQ(list.item(2)->text(), QStringLiteral("01 05 12 23 34 45 PB QH Match 6+PB"));
}

TEST_F(Routines, ClearDisplayEmptiesTheMainWindow) {
    Form1 form;
    form.List1->addItem("01 02 03 ");
    form.List2->addItem("01 02 03 (3)");
    form.Text2->setText("1");
    for (QLabel* ball : form.Image2) {
        ball->show();
    }
    m1().openwheeltype = 4;
    m1().selectionfile = file("Lotto-6-6-3.lot");
    cleardisplay(form);
    EXPECT_EQ(m1().openwheeltype, 0);
    EXPECT_TRUE(m1().selectionfile.isEmpty());
    EXPECT_EQ(form.List1->count(), 0);
    EXPECT_EQ(form.List2->count(), 0);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("0"));
    for (QLabel* ball : form.Image2) {
        EXPECT_TRUE(ball->isHidden());
    }
}

TEST_F(Routines, DeleteEmptySelectionDeletesOnlyAnEmptyFile) {
    deleteemptyselection();  // no file shown: nothing happens

    writeFile("empty.lot", fixture::entry(0, {1, 2, 3}));
    m1().selectionfile = file("empty.lot");
    deleteemptyselection();
    EXPECT_FALSE(exists("empty.lot"));
    EXPECT_EQ(m1().selectionfile, file("empty.lot"));

    writeFile("three.lot",
              fixture::entry(3, {1}) + fixture::entry(0, {2}) + fixture::entry(0, {3}));
    m1().selectionfile = file("three.lot");
    deleteemptyselection();
    EXPECT_TRUE(exists("three.lot"));

    m1().selectionfile = file("missing.lot");
    deleteemptyselection();
    EXPECT_FALSE(exists("missing.lot"));

    // A damaged count is not an empty file: its records are kept.
    writeFile("damaged.lot", fixture::entry(-1, {1, 2, 3}));
    m1().selectionfile = file("damaged.lot");
    deleteemptyselection();
    EXPECT_TRUE(exists("damaged.lot"));
    // Nor is a count of 0 before a part record.
    writeFile("cut.lot", fixture::entry(0, {1, 2, 3}) + QByteArray(10, '\x7f'));
    m1().selectionfile = file("cut.lot");
    deleteemptyselection();
    EXPECT_TRUE(exists("cut.lot"));
}

TEST_F(Routines, DeleteEmptySelectionKeepsAFileItCannotReadOrMayOnlyRead) {
    // Told from the permission bits, so the files stay for root as for a player.
    writeFile("locked.lot", fixture::entry(2, {1}) + fixture::entry(0, {2}));
    QFile::setPermissions(file("locked.lot"), QFileDevice::Permissions());
    m1().selectionfile = file("locked.lot");
    deleteemptyselection();
    EXPECT_TRUE(exists("locked.lot"));

    writeFile("readonly.lot", fixture::entry(0, {1, 2, 3}));
    QFile::setPermissions(file("readonly.lot"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    m1().selectionfile = file("readonly.lot");
    deleteemptyselection();
    EXPECT_TRUE(exists("readonly.lot"));
}

TEST_F(Routines, LoadPrinterPrefersTheSavedPrinter) {
    auto& printers = installPrinters({"Laser", "Ink Jet", "Photo"});
    writeFile("print.dat", fixture::text("Ink Jet", 255));
    EXPECT_TRUE(loadprinter());
    EXPECT_EQ(printers.currentName(), QStringLiteral("Ink Jet"));
}

TEST_F(Routines, LoadPrinterTakesTheLastPrinterWhenTheSavedOneIsMissing) {
    auto& printers = installPrinters({"Laser", "Ink Jet", "", "Photo"});
    writeFile("print.dat", fixture::text("ink jet", 255));  // names compare case-sensitively
    EXPECT_TRUE(loadprinter());
    EXPECT_EQ(printers.currentName(), QStringLiteral("Photo"));
}

TEST_F(Routines, LoadPrinterWithoutPrintersTellsThePlayer) {
    installPrinters({});
    messages().expect(
        "Printing has been disabled due to the fact that no printer drivers can be detected.");
    EXPECT_FALSE(loadprinter());
    EXPECT_TRUE(exists("print.dat"));
}

TEST_F(Routines, LoadPrinterTreatsAPrinterErrorAsNoPrinter) {
    installPrinters({"Laser"}).failListing(true);
    messages().expect(
        "Printing has been disabled due to the fact that no printer drivers can be detected.");
    EXPECT_FALSE(loadprinter());
}

TEST_F(Routines, PrinterFontIsCourierNewTenAndErrorsAreIgnored) {
    installPrinters({"Laser"});
    setprinterfont();  // no printer selected yet: ignored
    ASSERT_TRUE(loadprinter());
    setprinterfont();
    platform::printers().current().print("x");
    platform::printers().current().endDoc();
    ASSERT_EQ(printer().documents().size(), 1u);
    EXPECT_EQ(printer().documents()[0].fontName, QStringLiteral("Courier New"));
    EXPECT_EQ(printer().documents()[0].fontSize, 10);
    printer().failAtStep(1);
    setprinterfont();
}

struct OrderCase {
    const char* format;
    const char* order;
};
void PrintTo(const OrderCase& c, std::ostream* os) {
    *os << c.format;
}

class DateOrderDetection : public Routines, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(DateOrderDetection, ReadsTheSystemShortDate) {
    platform::setShortDateFormat(QString::fromLatin1(GetParam().format));
    platform::DTPicker picker;
    getdateorder(picker);
    EXPECT_EQ(m1().dateorder, QString::fromLatin1(GetParam().order));
    EXPECT_EQ(picker.maximumDate(), QDate(3299, 12, 31));
}

INSTANTIATE_TEST_SUITE_P(Formats, DateOrderDetection,
                         ::testing::Values(OrderCase{"dd/MM/yyyy", "DDMMYY"},
                                           OrderCase{"MM/dd/yyyy", "MMDDYY"},
                                           OrderCase{"M/d/yy", "MMDDYY"},
                                           OrderCase{"yyyy-MM-dd", "YYMMDD"},
                                           OrderCase{"yy/MM/dd", ""}));

TEST_F(Routines, CalendarColoursAreSetOnThePicker) {
    platform::DTPicker picker;
    setcalendarcolours(picker);
    const QPalette p = picker.calendarWidget()->palette();
    EXPECT_EQ(p.color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(p.color(QPalette::Text), QColor(Qt::black));
    EXPECT_TRUE(picker.calendarTitleBackColour().isValid());
    EXPECT_TRUE(picker.calendarTrailingForeColour().isValid());
}

TEST_F(Routines, InternetCheck) {
    struct Case {
        bool attempt, open, result, ok;
    };
    for (Case c : {Case{false, true, false, false}, Case{true, false, false, false},
                   Case{true, true, true, true}}) {
        platform::setInternetCheckHandler({[c] { return c.attempt; }, [c] { return c.open; }});
        bool ok = !c.ok;
        EXPECT_EQ(isconnected(ok), c.result);
        EXPECT_EQ(ok, c.ok);
    }
}
