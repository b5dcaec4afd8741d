// Start-up of the main window: the date order, the slots, the printer, and ending the program.
#include <gtest/gtest.h>

#include <optional>

#include <QLocale>
#include <QRandomGenerator>

#include "app/app_helpers.h"
#include "platform/application.h"
#include "platform/events.h"
#include "platform/systemlocale.h"
#include "shared/module1.h"
#include "support/bytes.h"

class Form1Startup : public MainWindowTest {};

TEST_F(Form1Startup, FirstStartInEmptyFolderCreatesTheSlotFilesAndPrintDat) {
    Form1& form = start();
    for (int n = 1; n <= 5; ++n) {
        const QString name = QStringLiteral("game%1.dat").arg(n);
        EXPECT_TRUE(exists(name)) << name.toStdString();
        EXPECT_EQ(readFile(name).size(), 0);
        EXPECT_EQ(form.options()[n - 1]->text(), QStringLiteral("Game%1").arg(n));
        EXPECT_FALSE(form.options()[n - 1]->isEnabledTo(&form));
    }
    EXPECT_TRUE(exists("print.dat"));
    EXPECT_EQ(m1().datapath, dataPath());
    EXPECT_EQ(platform::appTitle(), QStringLiteral("Kestrova Powerball and Mega Millions"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Kestrova Powerball and Mega Millions"));
    EXPECT_EQ(m1().dateorder, QStringLiteral("DDMMYY"));
    EXPECT_EQ(form.DTPicker1->displayFormat(), QStringLiteral("dd MMMM yyyy"));
    EXPECT_EQ(form.DTPicker2->Value(), QDate(2012, 3, 5));
    EXPECT_EQ(form.DTPicker1->maximumDate(), QDate(3299, 12, 31));
}

TEST_F(Form1Startup, DefinedSlotsNameTheirOptionsAndMenuItems) {
    writeGame(2, game("Lotto", 6, 49));
    GameRecord undefined = game("Tiny", 6, 1);  // a pool of 1 is no game
    writeGame(3, undefined);
    Form1& form = start();
    EXPECT_EQ(form.Option2->text(), QStringLiteral("Lotto"));
    EXPECT_EQ(form.mnuName2->text(), QStringLiteral("Lotto"));
    EXPECT_TRUE(form.Option2->isEnabledTo(&form));
    EXPECT_EQ(form.Option3->text(), QStringLiteral("Game3"));
    EXPECT_EQ(form.mnuName3->text(), QStringLiteral("Game3"));
    EXPECT_FALSE(form.Option3->isEnabledTo(&form));
}

TEST_F(Form1Startup, NoPrinterDisablesListAndPlayslipPrinting) {
    installPrinters({});
    messages().expect(
        "Printing has been disabled due to the fact that no printer drivers can be detected.");
    Form1& form = start();
    EXPECT_FALSE(m1().printeravailable);
    EXPECT_FALSE(form.Command9->isEnabledTo(&form));
    EXPECT_FALSE(form.Command10->isEnabledTo(&form));
    EXPECT_FALSE(form.mnuTicketPrinting->isEnabled());
}

TEST_F(Form1Startup, UnknownDateOrderStopsWithOnlyExitHelpAndAboutUsable) {
    platform::setShortDateFormat(QStringLiteral("yy/MM/dd"));
    messages().expect(
        "Computer date format must be one of: YearMonthDay, DayMonthYear or MonthDayYear");
    Form1& form = start();
    platform::setShortDateFormat({});
    EXPECT_TRUE(m1().dateorder.isEmpty());
    EXPECT_TRUE(m1().datapath.isEmpty());
    EXPECT_FALSE(form.Frame1->isEnabledTo(&form));
    EXPECT_FALSE(form.Frame5->isEnabledTo(&form));
    EXPECT_FALSE(form.mnuResults->isEnabled());
    EXPECT_TRUE(form.mnuExit->isEnabled());
    EXPECT_TRUE(form.mnuExitMenu->isEnabled());
    EXPECT_TRUE(form.mnuHelp->isEnabled());
    EXPECT_TRUE(form.mnuAbout->isEnabled());
    EXPECT_FALSE(exists("game1.dat"));
}

TEST_F(Form1Startup, ExitDeletesAnEmptyEntryFileAndEndsTheProgram) {
    Form1& form = start();
    writeFile("Lotto05Mar2012.lot", {});
    m1().selectionfile = file("Lotto05Mar2012.lot");
    form.mnuExit_Click();
    EXPECT_FALSE(exists("Lotto05Mar2012.lot"));
    EXPECT_TRUE(platform::programEnded());
}

struct OrderCase {
    const char* shortFormat;
    const char* dateorder;
    const char* pickerFormat;
};

class Form1StartupOrder : public Form1Startup, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(Form1StartupOrder, PickerFormatsFollowTheSystemDateOrder) {
    const OrderCase c = GetParam();
    platform::setShortDateFormat(QString::fromLatin1(c.shortFormat));
    writeGame(1, game("Lotto", 6, 49));
    Form1& form = start();
    EXPECT_EQ(m1().dateorder, QString::fromLatin1(c.dateorder));
    EXPECT_EQ(form.DTPicker1->customFormat(), QString::fromLatin1(c.pickerFormat));
    EXPECT_EQ(form.DTPicker2->customFormat(), QString::fromLatin1(c.pickerFormat));
    EXPECT_EQ(form.DTPicker1->Value(), QDate(2012, 3, 5));
    EXPECT_EQ(m1().gamename, QStringLiteral("Lotto"));
    EXPECT_TRUE(form.Option1->isChecked());
    EXPECT_TRUE(form.Command3->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Orders, Form1StartupOrder,
                         ::testing::Values(OrderCase{"dd/MM/yyyy", "DDMMYY", "dd MMMM yyy"},
                                           OrderCase{"MM/dd/yyyy", "MMDDYY", "MMMM dd yyy"},
                                           OrderCase{"yyyy-MM-dd", "YYMMDD", "yyy MMMM dd"}));

TEST_F(Form1Startup, RefusedStartLeavesThePickersWithoutACustomFormat) {
    platform::setShortDateFormat(QStringLiteral("yy/MM/dd"));
    messages().expect(
        "Computer date format must be one of: YearMonthDay, DayMonthYear or MonthDayYear");
    Form1& form = start();
    EXPECT_TRUE(form.DTPicker1->customFormat().isEmpty());
    EXPECT_TRUE(form.DTPicker2->customFormat().isEmpty());
    EXPECT_TRUE(m1().gamename.isEmpty());
}

TEST_F(Form1Startup, ClosingTheMainWindowDeletesAnEmptyEntryFileAndEnds) {
    Form1& form = start();
    writeFile("Lotto05Mar2012.lot", fixture::entry(0, {1, 2, 3, 4, 5, 6}));
    m1().selectionfile = file("Lotto05Mar2012.lot");
    form.close();
    EXPECT_FALSE(exists("Lotto05Mar2012.lot"));
    EXPECT_TRUE(platform::programEnded());
}

// A damaged results history is named once when its game is loaded, and left as it is; what can
// be read of it is still shown. A missing or empty history is no damage.
namespace {

QByteArray fifthMarch(long count) {
    return fixture::draw(count, 1, 5, 3, 2012, {3, 11, 19, 27, 35, 43}, 0);
}
QByteArray eighthMarch() {
    return fixture::draw(0, 2, 8, 3, 2012, {4, 12, 20, 28, 36, 44}, 0);
}
QByteArray thousandRandomBytes() {
    QRandomGenerator random(39);
    QByteArray bytes(1000, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(random.bounded(256));
    }
    return bytes;
}

struct HistoryCase {
    const char* name;
    std::optional<QByteArray> bytes;  // none: no file
    bool damaged;
    bool showsFifthMarch;
};

void PrintTo(const HistoryCase& c, std::ostream* os) {
    *os << c.name;
}

const HistoryCase kHistories[] = {
    {"NegativeCount", fifthMarch(-2) + eighthMarch(), true, false},
    {"CountPastTheRecordsHeld", fifthMarch(3) + eighthMarch(), true, true},
    {"PartRecordAtTheEnd", fifthMarch(2) + eighthMarch() + QByteArray(10, '\x5a'), true, true},
    {"ThousandRandomBytes", thousandRandomBytes(), true, false},
    {"Sound", fifthMarch(2) + eighthMarch(), false, true},
    {"Empty", QByteArray(), false, false},
    {"Missing", std::nullopt, false, false},
};

}  // namespace

class DamagedHistory : public Form1Startup, public ::testing::WithParamInterface<HistoryCase> {};

TEST_P(DamagedHistory, IsNamedOncePerLoadAndLeftAsItIs) {
    const HistoryCase& c = GetParam();
    writeGame(1, game("Lotto", 6, 49));
    if (c.bytes) {
        writeFile("Lotto.rtl", *c.bytes);
    }
    if (c.damaged) {
        messages().expect(damagedHistoryBox("Lotto.rtl"));
    }
    Form1& form = start();
    platform::doEvents();
    EXPECT_TRUE(messages().allAnswered());
    EXPECT_EQ(!form.Image2[0]->isHidden(), c.showsFifthMarch);

    // Another draw date does not name it again; loading the game again does.
    for (const QDate day : {QDate(2012, 3, 8), QDate(2012, 3, 5)}) {
        form.DTPicker1->setValue(day);
        form.DTPicker1_Change();
    }
    if (c.damaged) {
        messages().expect(damagedHistoryBox("Lotto.rtl"));
    }
    form.Option1_Click();
    EXPECT_TRUE(messages().allAnswered());

    // Nothing is written onto a damaged history, not even by deleting a draw.
    if (c.damaged && c.showsFifthMarch) {
        messages().expect("Do you really want to delete this draw?", platform::MsgAnswer::Yes);
        messages().expect("The draw could not be deleted. The results history is damaged.");
        form.Command2_Click();
    }
    EXPECT_EQ(readFile("Lotto.rtl"), c.bytes.value_or(QByteArray()));
}

INSTANTIATE_TEST_SUITE_P(Histories, DamagedHistory, ::testing::ValuesIn(kHistories),
                         [](const auto& info) { return std::string(info.param.name); });
