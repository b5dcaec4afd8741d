// The text import: choosing a file, the checks and their messages, the dated file written, the
// count handed to the main window, and nothing written on any refusal or failure.
#include <map>
#include <random>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTimer>

#include "entries/Form30.h"
#include "entries/entrieswindows.h"
#include "entries_helpers.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "support/bytes.h"

using platform::Windows;
using Step = FileFaults::Step;

namespace {

const char* const kDone = "Entry imported successfully";
const char* const kRange =
    "One or more of your numbers are out of range - or your file is not in the correct format";
const char* const kSame = "One or more of the balls are the same!";
const char* const kHasEntries =
    "You already have a date entry for this date, please choose another date";

}  // namespace

class ImportTest : public EntriesTest {
protected:
    void SetUp() override {
        EntriesTest::SetUp();
        registerEntriesWindows();
        ASSERT_TRUE(QDir(dataPath()).mkdir("texts"));
    }
    static Form30& importer() { return *Windows::get<Form30>(Form30::kName); }
    // Writes the text file into the folder "texts" and chooses it there.
    void choose(Form30& w, const QString& name, const QByteArray& text) {
        writeFile("texts/" + name, text);
        w.Dir1->setPath(file("texts"));
        w.Dir1_Change();
        w.File1->setFileName(name);
        w.File1_Click();
    }
    // Imports expecting exactly these messages.
    void import(Form30& w, std::initializer_list<QString> expected) {
        for (const QString& text : expected) {
            messages().expect(text);
        }
        w.Command3_Click();
        EXPECT_TRUE(messages().allAnswered());
    }
};

TEST_F(ImportTest, LoadShowsTheDataFolderAndToday) {
    startGame(6, 49, 10);
    writeFile("old.txt", "1 2 3 4 5 6 7\n");
    writeFile("more.csv", "1,2,3,4,5,6,7\n");
    writeFile("Lotto.rtl", QByteArray());
    Windows::unload(Form30::kName);
    Form30& w = importer();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Import TXT Entry for Lotto"));
    EXPECT_EQ(w.File1->path(), dataPath());
    EXPECT_EQ(w.Dir1->path(), dataPath());
    EXPECT_EQ(lines(*w.File1), (QStringList{"more.csv", "old.txt"}));
    EXPECT_EQ(w.DTPicker1->Value(), QDate(2012, 3, 5));
    EXPECT_TRUE(w.Command3->isEnabled());
    EXPECT_FALSE(m1().entriesimported);
}

TEST_F(ImportTest, ShowsTheRawLinesOfTheChosenFile) {
    startGame(6, 49, 10);
    Form30& w = importer();
    choose(w, "mine.txt", "My picks\r\n3,11,25,40,47,49 PB 5\r\n");
    EXPECT_EQ(lines(*w.List2), (QStringList{"My picks", "3,11,25,40,47,49 PB 5"}));
    EXPECT_EQ(w.importfile, file("texts/mine.txt"));
    w.Dir1_Change();  // another folder forgets the file
    EXPECT_TRUE(w.importfile.isEmpty());
    EXPECT_EQ(w.List2->count(), 0);
    messages().expect("You have not selected a file");
    w.view();
}

class LineEnds : public ImportTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LineEnds, EveryLineIsImportedIntoTheDatedFile) {
    startGame(6, 49, 10);
    Form30& w = importer();
    const QByteArray end(GetParam());
    choose(w, "e.txt", "1 5 12 23 34 45 7" + end + "12;7;33;2;41;19;10" + end);
    w.DTPicker1->setValue(QDate(2012, 3, 9));
    import(w, {kDone});
    EXPECT_EQ(readFile("Lotto09Mar2012.lot"),
              fixture::draw(2, 0, 9, 3, 2012, {1, 5, 12, 23, 34, 45}, 7) +
                  fixture::draw(0, 0, 9, 3, 2012, {2, 7, 12, 19, 33, 41}, 10));
    EXPECT_FALSE(w.Command3->isEnabled());
    EXPECT_FALSE(m1().entriesimported);  // not the main window's entry date
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineEnds, ::testing::Values("\n", "\r\n", "\r"), [](const auto& info) {
        return std::string(info.index == 0 ? "lf" : info.index == 1 ? "crlf" : "cr");
    });

namespace {

struct Refusal {
    const char* label;
    const char* text;
    const char* message;
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.label;
}

}  // namespace

class Refusals : public ImportTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, SayWhyAndWriteNothing) {
    startGame(6, 49, 10);
    Form30& w = importer();
    const auto before = dataFiles();
    choose(w, "bad.txt", GetParam().text);
    import(w, {QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(dataFiles(), before);
    EXPECT_TRUE(w.Command3->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Files, Refusals,
    ::testing::Values(Refusal{"out_of_range", "1 2 3 4 5 6 7\n1 2 3 4 5 50 7\n", kRange},
                      Refusal{"too_few_numbers", "1 2 3 4 5\n", kRange},
                      Refusal{"long_digit_run", "1 2 3 4 5 6 7\n123 5 6 7 8 9 1\n", kRange},
                      Refusal{"same_balls", "1 2 3 4 5 6 7\n05 5 12 23 34 45 7\n", kSame},
                      Refusal{"no_digits", "just words\n\n",
                              "No entries were found in this file. Nothing "
                              "was imported."}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ImportTest, NoFileChosenAndAFileThatCannotBeRead) {
    startGame(6, 49, 10);
    Form30& w = importer();
    const auto before = dataFiles();
    import(w, {"You have not selected a file"});
    choose(w, "gone.txt", "1 2 3 4 5 6 7\n");
    QFile::remove(file("texts/gone.txt"));
    import(w, {"Your txt file is not valid"});
    EXPECT_EQ(dataFiles(), before);
}

namespace {

// An entry line, then lines of blanks up to `size` bytes, ending in `end`.
QByteArray paddedText(qint64 size, const QByteArray& end) {
    QByteArray text = "1 2 3 4 5 6 7\n";
    text.reserve(size);
    const QByteArray blanks = QByteArray(64 * 1024 - 1, ' ') + '\n';
    while (text.size() + blanks.size() + end.size() <= size) {
        text += blanks;
    }
    text += QByteArray(size - text.size() - end.size(), ' ') + end;
    return text;
}

}  // namespace

TEST_F(ImportTest, AFileOfSixteenMebibytesImportsAndOneOrTwoBytesMoreAreRefused) {
    constexpr qint64 kLimit = 16 * 1024 * 1024;
    struct Case {
        qint64 size;
        const char* end;
    };
    startGame(6, 49, 10);
    Form30& w = importer();
    int day = 5;
    // The ends without a line end, and each at the limit, are the reader's own test.
    for (const Case& c : {Case{kLimit, "\n"}, Case{kLimit + 1, "\n"}, Case{kLimit + 1, ""},
                          Case{kLimit + 2, "\r\n"}}) {
        SCOPED_TRACE(c.size - kLimit);
        SCOPED_TRACE(c.end);
        const QByteArray text = paddedText(c.size, c.end);
        ASSERT_EQ(text.size(), c.size);
        w.DTPicker1->setValue(QDate(2012, 3, ++day));
        const auto before = dataFiles();
        if (c.size > kLimit) {
            messages().expect("Your txt file is not valid");  // when it is chosen
            choose(w, "big.txt", text);
            EXPECT_EQ(w.List2->count(), 0);
            import(w, {"Your txt file is not valid"});
            EXPECT_EQ(dataFiles(), before);
        } else {
            choose(w, "big.txt", text);
            EXPECT_EQ(w.List2->count(), textFileLines(text).size());
            import(w, {kDone});
            EXPECT_EQ(readFile(QStringLiteral("Lotto%1Mar2012.lot").arg(day, 2, 10, QChar(u'0'))),
                      fixture::draw(1, 0, day, 3, 2012, {1, 2, 3, 4, 5, 6}, 7));
        }
        EXPECT_TRUE(messages().allAnswered());
    }
}

TEST_F(ImportTest, AFileThatBecameAPipeIsRefusedWithoutWaitingOnIt) {
    startGame(6, 49, 10);
    Form30& w = importer();
    // Listed as a file, then made a pipe before it is read: a read would wait for a writer.
    writeFile("texts/pipe.txt", "1 2 3 4 5 6 7\n");
    w.Dir1->setPath(file("texts"));
    w.Dir1_Change();
    w.File1->setFileName("pipe.txt");
    ASSERT_TRUE(QFile::remove(file("texts/pipe.txt")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(file("texts/pipe.txt")).constData(), 0600), 0);
    const auto before = dataFiles();
    messages().expect("Your txt file is not valid");
    w.File1_Click();
    import(w, {"Your txt file is not valid"});
    EXPECT_EQ(dataFiles(), before);
}

TEST_F(ImportTest, TooManyEntriesAreRefusedBeforeAnythingIsWritten) {
    startGame(6, 49, 10);
    Form30& w = importer();
    QByteArray text;
    for (int i = 0; i <= 32767; ++i) {
        text += "1 2 3 4 5 6 7\n";
    }
    choose(w, "big.txt", text + "and more lines\n");
    // The list stops where the entries an entry file can hold end.
    EXPECT_EQ(w.List2->count(), 32767);
    const auto before = dataFiles();
    import(w, {"This file holds more than 32767 entries, more than an entry file can hold. "
               "Nothing was imported."});
    EXPECT_EQ(dataFiles(), before);
}

TEST_F(ImportTest, ADateWithEntriesIsRefusedAndAnEmptyOneIsReplaced) {
    startGame(6, 49, 10);
    Form30& w = importer();
    const QByteArray taken = fixture::entry(1, {9, 10, 11, 12, 13, 14}, 1);
    writeFile("Lotto06Mar2012.lot", taken);
    writeFile("Lotto07Mar2012.lot", fixture::entry(0, {9, 10, 11, 12, 13, 14}, 1) +
                                        fixture::entry(0, {9, 10, 11, 12, 13, 15}, 1));
    choose(w, "e.txt", "1 2 3 4 5 6 7\n");
    w.DTPicker1->setValue(QDate(2012, 3, 6));
    import(w, {kHasEntries});
    EXPECT_EQ(readFile("Lotto06Mar2012.lot"), taken);
    w.DTPicker1->setValue(QDate(2012, 3, 7));
    import(w, {kDone});
    EXPECT_EQ(readFile("Lotto07Mar2012.lot"),
              fixture::draw(1, 0, 7, 3, 2012, {1, 2, 3, 4, 5, 6}, 7));
    // The button waits for another date; the same date again is refused.
    w.DTPicker1->setValue(QDate(2012, 3, 8));
    w.DTPicker1_Change();
    w.DTPicker1->setValue(QDate(2012, 3, 7));
    w.DTPicker1_Change();
    EXPECT_TRUE(w.Command3->isEnabled());
    import(w, {kHasEntries});
}

TEST_F(ImportTest, ExtrasFromTheMainPoolAndCardCodesImport) {
    startGame(5, 39);
    m1().bonusperentry = 1;  // the extra is drawn from the main pool
    Form30& w = importer();
    choose(w, "e.txt", "5 4 3 2 1 39\n");
    import(w, {kDone});
    EXPECT_EQ(readFile("Lotto05Mar2012.lot"), fixture::draw(1, 0, 5, 3, 2012, {1, 2, 3, 4, 5}, 39));
    Windows::unload(Form30::kName);

    m1().gamename = QStringLiteral("WildCard2");
    m1().mainpool = 40;
    m1().bonuspool = 16;
    Form30& cards = importer();
    choose(cards, "c.txt", "1 2 3 4 5 WC QH\r\n6,7,8,9,10,as\r\n");
    import(cards, {kDone});
    EXPECT_EQ(readFile("WildCard205Mar2012.lot"),
              fixture::draw(2, 0, 5, 3, 2012, {1, 2, 3, 4, 5}, 7) +
                  fixture::draw(0, 0, 5, 3, 2012, {6, 7, 8, 9, 10}, 1));
}

class ImportFaults : public ImportTest, public ::testing::WithParamInterface<Step> {};

TEST_P(ImportFaults, AFailedWriteIsReportedAndLeavesNoFile) {
    startGame(6, 49, 10);
    Form30& w = importer();
    choose(w, "e.txt", "1 2 3 4 5 6 7\n");
    const auto before = dataFiles();
    fileFaults().failAt(GetParam(), 1);
    import(w, {QStringLiteral("The entries could not be written to Lotto05Mar2012.lot (%1). "
                              "Nothing was imported.")
                   .arg(FileFaults::reason(GetParam()))});
    EXPECT_EQ(dataFiles(), before);
    EXPECT_FALSE(m1().entriesimported);
    EXPECT_TRUE(w.Command3->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Steps, ImportFaults,
                         ::testing::Values(Step::Write, Step::Flush, Step::Commit));

TEST_F(ImportTest, AReadOnlyEmptyDatedFileIsNotReplaced) {
    startGame(6, 49, 10);
    writeFile("Lotto05Mar2012.lot", QByteArray());
    ASSERT_TRUE(QFile::setPermissions(file("Lotto05Mar2012.lot"), QFileDevice::ReadOwner));
    Form30& w = importer();
    choose(w, "e.txt", "1 2 3 4 5 6 7\n");
    import(w, {QStringLiteral("The entries could not be written to Lotto05Mar2012.lot (Existing "
                              "file %1 is not writable). Nothing was imported.")
                   .arg(file("Lotto05Mar2012.lot"))});
    EXPECT_TRUE(readFile("Lotto05Mar2012.lot").isEmpty());
}

TEST_F(ImportTest, ImportingTheMainWindowsDateListsTheEntriesAfterClose) {
    Form1& main = startGame(6, 49, 10);
    bool played = false;
    QTimer::singleShot(0, &main, [&] {
        auto* w = Windows::live<Form30>(Form30::kName);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(main.isEnabled());
        choose(*w, "e.txt", "1 5 12 23 34 45 7\n2 6 13 24 35 46 8\n");
        import(*w, {kDone});
        EXPECT_TRUE(m1().entriesimported);
        EXPECT_EQ(main.Text2->text(), QStringLiteral("2"));
        w->close();  // the title bar's close box
        played = true;
    });
    main.mnuImport_Click();
    ASSERT_TRUE(played);
    EXPECT_TRUE(main.isEnabled());
    EXPECT_TRUE(m1().dialogdone);
    EXPECT_EQ(lines(*main.List1),
              (QStringList{"01 05 12 23 34 45 PB 07", "02 06 13 24 35 46 PB 08"}));
}

TEST_F(ImportTest, AGameNameNeverLeadsTheEntryFileOutOfTheDataFolder) {
    startGame(6, 49, 10);
    m1().gamename = QStringLiteral("texts/../../Lotto");
    Form30& w = importer();
    choose(w, "e.txt", "1 2 3 4 5 6 7\n");
    const auto before = dataFiles();
    import(w, {"The entry file of this game would lie outside the program's folder. Nothing was "
               "imported."});
    EXPECT_EQ(dataFiles(), before);
    EXPECT_FALSE(QFile::exists(dataPath() + "/../Lotto05Mar2012.lot"));
}

TEST_F(ImportTest, RandomFilesAreRefusedWithoutWritingAnything) {
    startGame(6, 49, 10);
    Form30& w = importer();
    std::mt19937 random(30);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 20; ++round) {
        QByteArray text(round == 0 ? 300000 : 2000, '\0');
        for (char& c : text) {
            c = static_cast<char>(byte(random));
        }
        choose(w, "random.txt", text);
        const auto before = dataFiles();
        const ImportCode code = w.validate();
        ASSERT_NE(code, ImportCode::Ok) << round;
        import(w, {importMessage(code)});
        EXPECT_EQ(dataFiles(), before);
    }
}
