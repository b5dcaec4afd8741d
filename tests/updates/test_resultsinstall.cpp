// Putting a received results file in place: the history is replaced whole or not at all, never
// deleted, and the backup goes only once the replacement succeeded.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "shared/filefaults.h"
#include "shared/receivedfile.h"
#include "support/bytes.h"
#include "support/kestrovatest.h"
#include "updates/logic/resultsinstall.h"
#include "updates/logic/resultsnames.h"

using namespace fixture;
using Step = FileFaults::Step;

namespace {

const QByteArray kOld =
    draw(2, 1, 1, 3, 2012, {1, 2, 3, 4, 5}, 6) + draw(0, 2, 3, 3, 2012, {7, 8, 9, 10, 11}, 12);
const QByteArray kNew = draw(3, 1, 1, 3, 2012, {1, 2, 3, 4, 5}, 6) +
                        draw(0, 2, 3, 3, 2012, {7, 8, 9, 10, 11}, 12) +
                        draw(0, 3, 5, 3, 2012, {13, 14, 15, 16, 17}, 18);

class Install : public KestrovaTest {
protected:
    QStringList files() const {
        return QDir(dataPath()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    bool replace(QString* error = nullptr) {
        return replaceHistory(file("Powerball.rtl"), kNew, file("temp.rtl"), error);
    }
};

TEST_F(Install, ReplacesTheHistoryAndLeavesNoBackup) {
    writeFile("Powerball.rtl", kOld);
    EXPECT_TRUE(replace());
    EXPECT_EQ(readFile("Powerball.rtl"), kNew);
    EXPECT_EQ(files(), QStringList{"Powerball.rtl"});
}

TEST_F(Install, AGameWithoutAHistoryGetsOne) {
    EXPECT_TRUE(replace());
    EXPECT_EQ(readFile("Powerball.rtl"), kNew);
    EXPECT_EQ(files(), QStringList{"Powerball.rtl"});
}

std::string stepName(const ::testing::TestParamInfo<std::pair<Step, int>>& info) {
    static const char* const kNames[] = {"Write", "Flush", "Commit", "Remove"};
    return kNames[static_cast<int>(info.param.first)] + std::to_string(info.param.second);
}

// Write 1 is the backup, write 2 the new history; flush and commit likewise.
class InstallStep : public Install, public ::testing::WithParamInterface<std::pair<Step, int>> {};

TEST_P(InstallStep, AFailureAnywhereKeepsTheHistoryByteForByte) {
    writeFile("Powerball.rtl", kOld);
    fileFaults().failAt(GetParam().first, GetParam().second);
    QString error;
    EXPECT_FALSE(replace(&error));
    EXPECT_EQ(error, FileFaults::reason(GetParam().first));
    EXPECT_EQ(readFile("Powerball.rtl"), kOld);
    EXPECT_EQ(files(), QStringList{"Powerball.rtl"});
}

INSTANTIATE_TEST_SUITE_P(Steps, InstallStep,
                         ::testing::Values(std::pair{Step::Write, 1}, std::pair{Step::Write, 2},
                                           std::pair{Step::Flush, 1}, std::pair{Step::Flush, 2},
                                           std::pair{Step::Commit, 1}, std::pair{Step::Commit, 2}),
                         stepName);

TEST_F(Install, TheBackupThatCannotBeRemovedIsOnlyACopy) {
    writeFile("Powerball.rtl", kOld);
    fileFaults().failAt(Step::Remove, 1);
    EXPECT_TRUE(replace());
    EXPECT_EQ(readFile("Powerball.rtl"), kNew);
    EXPECT_EQ(readFile("temp.rtl"), kOld);
}

TEST_F(Install, AHistoryThePlayerMayOnlyReadIsKept) {
    writeFile("Powerball.rtl", kOld);
    ASSERT_TRUE(QFile::setPermissions(file("Powerball.rtl"), QFileDevice::ReadOwner));
    QString error;
    EXPECT_FALSE(replace(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile("Powerball.rtl"), kOld);
    EXPECT_EQ(files(), QStringList{"Powerball.rtl"});
}

TEST_F(Install, AReceivedFileStartsEmptySoNoStaleTailSurvives) {
    writeFile("XWQPowerball.rtl", kNew);
    {
        ReceivedFile received(file("XWQPowerball.rtl"));
        ASSERT_TRUE(received.isOpen());
        EXPECT_TRUE(received.append(kOld.left(30)));
        EXPECT_TRUE(received.append(kOld.mid(30)));
        EXPECT_TRUE(received.finish());
    }
    EXPECT_EQ(readFile("XWQPowerball.rtl"), kOld);
}

TEST_F(Install, AReceivedFileReportsAFailedWriteOrFlush) {
    for (Step step : {Step::Write, Step::Flush}) {
        ReceivedFile received(file("XWQPowerball.rtl"));
        fileFaults().failAt(step, 1);
        const bool written = received.append(kOld);
        EXPECT_EQ(written && received.finish(), false);
        EXPECT_EQ(received.errorString(), FileFaults::reason(step));
    }
}

class Loading : public Install {
protected:
    void SetUp() override {
        Install::SetUp();
        ASSERT_TRUE(QDir(dataPath()).mkdir(QStringLiteral("fetched")));
    }
    QString fetched() const { return file("fetched"); }
    void fetch(const QString& name, const QByteArray& bytes) const {
        writeFile("fetched/" + name, bytes);
    }
};

TEST_F(Loading, AValidFileIsLoadedAndReported) {
    writeFile("Powerball.rtl", kOld);
    fetch("XWQPowerball.rtl", kNew);
    const LoadResult r = loadResultsFile(fetched(), "XWQPowerball.rtl", dataPath());
    EXPECT_EQ(r.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(readFile("Powerball.rtl"), kNew);
    EXPECT_EQ(readFile("fetched/XWQPowerball.rtl"), kNew);  // the player's own file stays
    EXPECT_EQ(loadReport({r}, "DDMMYY"), "Powerball results loaded: 3 draws, up to 5/3/2012.");
}

TEST_F(Loading, EachFileIsReportedAndOnlyTheValidOneReplacesItsHistory) {
    writeFile("Powerball.rtl", kOld);
    writeFile("MegaMillions.rtl", kOld);
    fetch("XWQMegaMillions.rtl", kNew.left(80));
    fetch("XWQPowerball.rtl", kNew);
    const std::vector<LoadResult> results{
        loadResultsFile(fetched(), "XWQMegaMillions.rtl", dataPath()),
        loadResultsFile(fetched(), "XWQPowerball.rtl", dataPath())};
    EXPECT_EQ(results[0].outcome, LoadOutcome::Refused);
    EXPECT_EQ(readFile("MegaMillions.rtl"), kOld);
    EXPECT_EQ(readFile("Powerball.rtl"), kNew);
    EXPECT_EQ(loadReport(results, "MMDDYY"),
              "XWQMegaMillions.rtl is not a valid results file; the MegaMillions results were not "
              "changed.\nPowerball results loaded: 3 draws, up to 3/5/2012.");
}

TEST_F(Loading, AFailedReplacementIsReportedAndKeepsTheHistory) {
    writeFile("Powerball.rtl", kOld);
    fetch("XWQPowerball.rtl", kNew);
    fileFaults().failAt(Step::Commit, 2);
    const LoadResult r = loadResultsFile(fetched(), "XWQPowerball.rtl", dataPath());
    EXPECT_EQ(r.outcome, LoadOutcome::NotReplaced);
    EXPECT_EQ(readFile("Powerball.rtl"), kOld);
    EXPECT_EQ(loadReport({r}, "DDMMYY"),
              QStringLiteral("The Powerball results could not be replaced (%1); they were not "
                             "changed.")
                  .arg(FileFaults::reason(Step::Commit)));
}

TEST_F(Loading, AFolderWithoutTheFilesLoadsNothingAndSaysSo) {
    const std::vector<LoadResult> results{
        loadResultsFile(fetched(), "XWQMegaMillions.rtl", dataPath()),
        loadResultsFile(fetched(), "XWQPowerball.rtl", dataPath())};
    EXPECT_EQ(results[0].outcome, LoadOutcome::Missing);
    EXPECT_EQ(loadReport(results, "DDMMYY"),
              "This folder holds none of XWQMegaMillions.rtl, XWQPowerball.rtl. Nothing was "
              "loaded.");
    EXPECT_FALSE(exists("Powerball.rtl"));
}

TEST(ResultsNames, ServerLocalAndAddressNames) {
    EXPECT_EQ(serverFileName(" Powerball "), "XWQPowerball.rtl");
    EXPECT_EQ(localFileName("XWQMegaMillions.rtl"), "MegaMillions.rtl");
    EXPECT_EQ(getnameafterslash("http://127.0.0.1:80/results/XWQPowerball.rtl"),
              "XWQPowerball.rtl");
    EXPECT_EQ(getnameafterslash("XWQPowerball.rtl"), "XWQPowerball.rtl");
    EXPECT_EQ(getnameafterslash("http://host/results/"), "");
}

// The history's name is the file's less its prefix: a name that would lead out of the data folder
// (here "data", with the fetched files beside it) is refused, whatever the file holds.
class LoadingNames : public Install, public ::testing::WithParamInterface<const char*> {};

TEST_P(LoadingNames, ANameLeadingOutOfTheFoldersIsRefused) {
    const QString serverFile = QString::fromLatin1(GetParam());
    ASSERT_TRUE(QDir(dataPath()).mkpath(QStringLiteral("data")));
    ASSERT_TRUE(QDir(dataPath()).mkpath(QStringLiteral("fetched/XWQ..")));
    writeFile("fetched/XWQ../Powerball.rtl", kNew);
    writeFile("fetched/Powerball.rtl", kNew);
    const QStringList before = QDir(dataPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const LoadResult r = loadResultsFile(file("fetched"), serverFile, file("data"));
    EXPECT_EQ(r.outcome, LoadOutcome::Refused);
    EXPECT_EQ(QDir(dataPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_TRUE(QDir(file("data")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Names, LoadingNames,
                         ::testing::Values("XWQ../Powerball.rtl", "XWQ..\\Powerball.rtl", "XWQ..",
                                           "XWQ.", "XWQ", "Powerball.rtl"),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
