// Data safety of every save of the main subsystem: a write, flush, commit or removal that fails,
// a file the player may only read, a count that runs past its file, and a real full disk. Each
// failure leaves every file as it was and says what could not be done.
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <map>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/Form14.h"
#include "app/Form2.h"
#include "app/editEntry.h"
#include "entries_helpers.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "support/bytes.h"

using platform::MsgAnswer;
using Step = FileFaults::Step;

namespace {

const EntryRow kA{{1, 5, 12, 23, 34, 45}, 7};
const EntryRow kB{{2, 6, 13, 24, 35, 46}, 8};
const EntryRow kC{{3, 7, 14, 25, 36, 47}, 9};

const char* const kWarning =
    "WARNING - If you amend an existing game all results and entries for that existing game "
    "will be deleted. If you have changed the Game Name, you will also not be able to download "
    "results from the web for that game. Are you sure you want to save changes to this game?";
const char* const kSaved =
    "Game Saved - You must exit and restart the program for the changes to take effect";
const char* const kOverwrite =
    "You already have a standing for this game. Only one standing entry is allowed per game. Do "
    "you want to continue and overwrite your existing file?";
const char* const kNotSaved =
    "The game definition could not be saved to game1.dat (%1). Nothing was changed.";

QByteArray threeDraws() {
    return fixture::draw(3, 1, 1, 3, 2012, {1, 2, 3, 4, 5, 6}, 0) +
           fixture::draw(0, 2, 5, 3, 2012, {7, 8, 9, 10, 11, 12}, 0) +
           fixture::draw(0, 3, 8, 3, 2012, {13, 14, 15, 16, 17, 18}, 0);
}

class FileSafety : public EntriesTest {
protected:
    using Files = std::map<QString, QByteArray>;

    // Every file of the data folder with its bytes: a leftover temporary file shows here too.
    Files snapshot() const {
        Files all;
        for (const QString& name :
             QDir(dataPath()).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            all[name] = readFile(name);
        }
        return all;
    }
    void makeReadOnly(const QString& name) const {
        ASSERT_TRUE(QFile::setPermissions(
            file(name), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    }
    void expectNoSuccessMessage() {
        for (const QString& text : messages().shown()) {
            EXPECT_FALSE(text.startsWith(QStringLiteral("Done")) ||
                         text.startsWith(QStringLiteral("Game Saved")))
                << text.toStdString();
        }
    }

public:
    // The saves: each brings the program to the point of saving, then saves, expecting the
    // questions on the way and `failure` at the end. Public for the table of cases below.

    void historyWith(const QByteArray& history) {
        writeGame(1, game("Lotto", 6, 49));
        writeFile("Lotto.rtl", history);
        form_ = &start();
    }
    void prepareAddDraw() { historyWith(fixture::draw(1, 1, 1, 3, 2012, {1, 2, 3, 4, 5, 6}, 0)); }
    void addDraw(const QString& failure) {
        form_->Command1_Click();
        Form2* f = platform::Windows::live<Form2>(Form2::kName);
        ASSERT_NE(f, nullptr);
        for (int k = 0; k < 6; ++k) {
            f->texts()[k]->setText(QString::number(k + 7));
        }
        messages().expect(failure);
        f->Command1_Click();
    }

    void prepareDeleteDraw() { historyWith(threeDraws()); }
    void prepareDeleteOnlyDraw() {
        historyWith(fixture::draw(1, 1, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 0));
    }
    void deleteDraw(const QString& failure) {
        messages().expect("Do you really want to delete this draw?", MsgAnswer::Yes);
        messages().expect(failure);
        form_->Command2_Click();
    }

    void prepareEntries() {
        form_ = &startGame(6, 49, 26);
        listDated(*form_, {kA, kB, kC});
    }
    void deleteEntries(const QString& failure) {
        select(*form_, {1});
        messages().expect("Are you sure you want to delete the selected entry?", MsgAnswer::Yes);
        messages().expect(failure);
        form_->Command5_Click();
    }
    void entriesKept() {
        EXPECT_EQ(form_->List1->count(), 3);
        EXPECT_EQ(form_->Text2->text(), QStringLiteral("3"));
    }

    void editOneEntry(const QString& failure) {
        select(*form_, {1});
        form_->Command6_Click();
        editEntry* w = platform::Windows::live<editEntry>(editEntry::kName);
        ASSERT_NE(w, nullptr);
        for (std::size_t i = 0; i < 6; ++i) {
            w->Text1[i]->setText(QString::number(i + 40));
        }
        messages().expect(failure);
        w->Command6_Click();
    }
    void lineKept() {
        EXPECT_EQ(form_->List1->item(1)->text(), QStringLiteral("02 06 13 24 35 46 PB 08"));
    }

    void prepareStanding() {
        writeFile("StandLotto.lot", entryFile({kC}));
        prepareEntries();
    }
    void saveStanding(const QString& failure) {
        messages().expect(kOverwrite, MsgAnswer::Yes);
        messages().expect(failure);
        form_->mnustandcreate_Click();
    }

    // An existing game in slot 1 with files of its own, open in the definition window.
    void prepareDefinition() {
        GameRecord lotto = game("Lotto", 6, 49, 10);
        writeGame(1, lotto);
        for (int slot = 2; slot <= 5; ++slot) {
            writeFile(QStringLiteral("game%1.dat").arg(slot), {});
        }
        for (const char* name : {"Lotto.rtl", "Lotto05Mar2012.lot", "StandLotto.lot"}) {
            writeFile(QString::fromLatin1(name), fixture::entry(1, {1, 2, 3, 4, 5, 6}, 7));
        }
        m1().datapath = dataPath();
        m1().gamefile = QStringLiteral("game1.dat").leftJustified(12);
        form14_ = platform::Windows::get<Form14>(Form14::kName);
    }
    void saveLevels(const QString& failure) {
        form14_->Check1[2]->setChecked(!form14_->Check1[2]->isChecked());
        messages().expect(failure);
        form14_->Command3_Click();
    }
    void saveDays(const QString& failure) {
        form14_->Check2[3]->setChecked(!form14_->Check2[3]->isChecked());
        messages().expect(failure);
        form14_->Command6_Click();
    }
    void saveDefinition(const QString& failure) {
        form14_->Text4->setText(QStringLiteral("59"));
        messages().expect(kWarning, MsgAnswer::Yes);
        messages().expect(failure);
        form14_->Command2_Click();
        EXPECT_FALSE(m1().dialogdone);
    }

protected:
    Form1* form_ = nullptr;
    Form14* form14_ = nullptr;
};

// How a save is made to fail: a step of the file layer, or the file marked read-only.
enum class Fault { Write, Flush, Commit, Remove, ReadOnly };

struct SavePath {
    const char* label;
    const char* file;  // the file the save changes
    void (FileSafety::*prepare)();
    void (FileSafety::*save)(const QString& failure);
    const char* failure;  // %1: the reason, where the message gives one
    bool removes = false;
    void (FileSafety::*kept)() = nullptr;  // what else stays as it was
};

const SavePath kAddDraw{"AddDraw", "Lotto.rtl", &FileSafety::prepareAddDraw, &FileSafety::addDraw,
                        "The draw could not be saved. %1"};
const SavePath kDeleteDraw{"DeleteDraw", "Lotto.rtl", &FileSafety::prepareDeleteDraw,
                           &FileSafety::deleteDraw, "The draw could not be deleted. %1"};
const SavePath kDeleteOnlyDraw{"DeleteOnlyDraw",
                               "Lotto.rtl",
                               &FileSafety::prepareDeleteOnlyDraw,
                               &FileSafety::deleteDraw,
                               "The draw could not be deleted. %1",
                               true};
const SavePath kDeleteEntries{"DeleteEntries",
                              "Lotto05Mar2012.lot",
                              &FileSafety::prepareEntries,
                              &FileSafety::deleteEntries,
                              "The entry file could not be changed.",
                              false,
                              &FileSafety::entriesKept};
const SavePath kEditEntry{"EditEntry",
                          "Lotto05Mar2012.lot",
                          &FileSafety::prepareEntries,
                          &FileSafety::editOneEntry,
                          "The entry file could not be changed.",
                          false,
                          &FileSafety::lineKept};
const SavePath kStanding{"SaveStandingEntry", "StandLotto.lot", &FileSafety::prepareStanding,
                         &FileSafety::saveStanding, "The standing entry could not be saved."};
const SavePath kLevels{"SaveWinningLines", "game1.dat", &FileSafety::prepareDefinition,
                       &FileSafety::saveLevels, kNotSaved};
const SavePath kDays{"SaveDrawDays", "game1.dat", &FileSafety::prepareDefinition,
                     &FileSafety::saveDays, kNotSaved};
const SavePath kDefinition{"SaveGameDefinition", "game1.dat", &FileSafety::prepareDefinition,
                           &FileSafety::saveDefinition, kNotSaved};

struct Case {
    const SavePath* path;
    Fault fault;
};

std::vector<Case> allCases() {
    std::vector<Case> cases;
    for (const SavePath* p :
         {&kAddDraw, &kDeleteDraw, &kDeleteEntries, &kStanding, &kLevels, &kDays, &kDefinition}) {
        for (Fault f : {Fault::Write, Fault::Flush, Fault::Commit, Fault::ReadOnly}) {
            cases.push_back({p, f});
        }
    }
    // A record rewritten in place has no commit; the only draw goes by removal.
    for (Fault f : {Fault::Write, Fault::Flush, Fault::ReadOnly}) {
        cases.push_back({&kEditEntry, f});
    }
    for (Fault f : {Fault::Remove, Fault::ReadOnly}) {
        cases.push_back({&kDeleteOnlyDraw, f});
    }
    return cases;
}

std::string label(const Case& c) {
    const char* faults[] = {"Write", "Flush", "Commit", "Remove", "ReadOnly"};
    return std::string(c.path->label) + faults[static_cast<int>(c.fault)];
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return label(info.param);
}

void PrintTo(const Case& c, std::ostream* os) {
    *os << label(c);
}

class FailedSave : public FileSafety, public ::testing::WithParamInterface<Case> {
protected:
    QString reason() const {
        const Case& c = GetParam();
        if (c.fault == Fault::ReadOnly) {
            return (c.path->removes ? QStringLiteral("%1 is read-only")
                                    : QStringLiteral("Existing file %1 is not writable"))
                .arg(file(QString::fromLatin1(c.path->file)));
        }
        return FileFaults::reason(static_cast<Step>(c.fault));
    }
};

TEST_P(FailedSave, KeepsEveryFileAndNamesTheFailure) {
    const Case& c = GetParam();
    (this->*c.path->prepare)();
    if (c.fault == Fault::ReadOnly) {
        makeReadOnly(QString::fromLatin1(c.path->file));
    } else {
        fileFaults().failAt(static_cast<Step>(c.fault), 1);
    }
    const Files before = snapshot();
    ASSERT_TRUE(before.contains(QString::fromLatin1(c.path->file)));

    QString failure = QString::fromLatin1(c.path->failure);
    if (failure.contains(QStringLiteral("%1"))) {
        failure = failure.arg(reason());
    }
    (this->*c.path->save)(failure);

    EXPECT_EQ(snapshot(), before) << "every file byte for byte as it was, none deleted or added";
    expectNoSuccessMessage();
    if (c.fault != Fault::ReadOnly) {
        EXPECT_EQ(fileFaults().seen(static_cast<Step>(c.fault)), 1);
    }
    if (c.path->kept != nullptr) {
        (this->*c.path->kept)();
    }
}

INSTANTIATE_TEST_SUITE_P(EverySave, FailedSave, ::testing::ValuesIn(allCases()), caseName);

TEST_F(FileSafety, OldGameFilesThatCannotBeDeletedAreListedAndKept) {
    prepareDefinition();
    makeReadOnly("StandLotto.lot");
    // Removals in order: the results history, then (the read-only standing entry is not tried)
    // the dated entry file, which fails.
    fileFaults().failAt(Step::Remove, 2);
    form14_->Text4->setText(QStringLiteral("59"));
    messages().expect(kWarning, MsgAnswer::Yes);
    messages().expect(QStringLiteral("These files of the old game could not be deleted:\n%1\n%2")
                          .arg(file("StandLotto.lot"), file("Lotto05Mar2012.lot")));
    messages().expect(kSaved);
    form14_->Command2_Click();
    EXPECT_FALSE(exists("Lotto.rtl"));
    EXPECT_TRUE(exists("StandLotto.lot"));
    EXPECT_TRUE(exists("Lotto05Mar2012.lot"));
    EXPECT_EQ(readFile("game1.dat").mid(16, 2), fixture::le16(59));
}

TEST_F(FileSafety, ACountPastTheEndOfTheFileListsOnlyTheRecordsItHoldsAndIsLeftAsItIs) {
    // 28 bytes whose count says 32767: one entry is listed, and the damaged file is not written.
    Form1& form = startGame(6, 49, 26);
    const QByteArray damaged = fixture::entry(32767, {1, 5, 12, 23, 34, 45}, 7);
    writeFile("Lotto05Mar2012.lot", damaged);
    messages().expect(QStringLiteral("The entry file \"%1\" is damaged. It has been left as it is, "
                                     "and what can be read of it is shown. A backup of the file "
                                     "can restore it.")
                          .arg(QDir::toNativeSeparators(dataPath() + "/Lotto05Mar2012.lot")));
    form.DTPicker2_Change();
    EXPECT_EQ(lines(*form.List1), QStringList{"01 05 12 23 34 45 PB 07"});
    EXPECT_EQ(form.Text2->text(), QStringLiteral("1"));
    select(form, {0});
    messages().expect("Are you sure you want to delete the selected entry?", MsgAnswer::Yes);
    messages().expect("The entries could not be deleted. The entry file is damaged.");
    form.Command5_Click();
    EXPECT_EQ(readFile("Lotto05Mar2012.lot"), damaged);
}

// A real full disk: a 64 KiB tmpfs mounted over the data folder and filled up.
class FullDisk : public FileSafety {
protected:
    void SetUp() override {
        FileSafety::SetUp();
        const QByteArray where = QFile::encodeName(dataPath());
        if (::mount("kestrova-test", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    "size=64k,mode=0700") != 0) {
            GTEST_SKIP() << "this machine refuses to mount a small file system here ("
                         << std::strerror(errno) << "); it needs root";
        }
        mounted_ = true;
    }
    void TearDown() override {
        platform::Windows::unloadAll();
        if (mounted_) {
            EXPECT_EQ(::umount2(QFile::encodeName(dataPath()).constData(), MNT_DETACH), 0)
                << std::strerror(errno);
        }
        FileSafety::TearDown();
    }
    // Takes every free block of the file system.
    void fill() {
        QFile filler(file("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        ASSERT_EQ(filler.write("x", 1), -1) << "the disk is full";
    }
    QString full() const { return FileFaults::reason(Step::Write); }

    bool mounted_ = false;
};

TEST_F(FullDisk, AddDrawAndDeleteEntriesKeepTheirFilesAndSaySo) {
    prepareAddDraw();
    listDated(*form_, {kA, kB, kC});
    fill();
    const Files before = snapshot();
    addDraw(QStringLiteral("The draw could not be saved. %1").arg(full()));
    platform::Windows::unload(Form2::kName);
    deleteEntries(QStringLiteral("The entry file could not be changed."));
    EXPECT_EQ(snapshot(), before);
    expectNoSuccessMessage();
}

TEST_F(FullDisk, SaveGameDefinitionKeepsTheSlotAndTheOldGamesFiles) {
    prepareDefinition();
    fill();
    const Files before = snapshot();
    saveDefinition(QString::fromLatin1(kNotSaved).arg(full()));
    EXPECT_EQ(snapshot(), before);
    expectNoSuccessMessage();
}

}  // namespace
