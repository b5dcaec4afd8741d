// The move of a player's files from the old data folder (build/bin) into the program folder, run
// against real folders: every file arrives whole or not at all, an interrupted move is finished
// by the next run, and no folder name is taken for a pattern.
#include <map>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "support/foldersnapshot.h"

namespace {

const QString kScript = QStringLiteral(KESTROVA_DATA "/../cmake/movefromold.sh");

struct Result {
    int exitCode = -1;
    QString output;
};

struct PlayerFile {
    QString name;
    QByteArray bytes;
    QFile::Permissions mode;
};

constexpr auto kRw = QFile::ReadOwner | QFile::WriteOwner;
constexpr auto kRwx =
    kRw | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
constexpr auto kRwRR = kRw | QFile::ReadGroup | QFile::ReadOther;

// The player's files of the old folder, in the order the move copies them: the games last.
std::vector<PlayerFile> playersFiles() {
    QByteArray history(3 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < history.size(); ++i) {
        history[i] = char(i * 7 % 251);
    }
    return {
        {"Lotto.rtl", history, kRwRR},
        {"Lotto05Mar2012.lot", "05-06-07-08-09-10\r\n", kRwx},  // from a FAT stick
        {"help/my notes.html", "<p>mine</p>", kRwRR},
        {"game1.dat", QByteArray(160, 'g'), kRw},
        {"game3.dat", QByteArray(160, 'h'), kRwRR},
    };
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes,
           QFile::Permissions mode = kRw | QFile::ReadGroup | QFile::ReadOther) {
    writeFileWithMode(path, bytes, mode);
}

// The owner's, group's and others' bits: Qt adds those of the user running the test.
QFile::Permissions modeOf(const QString& path) {
    return QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

class MoveFromOld : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root_.isValid()); }

    // The old folder holds the player's files beside the build's own: a program, a shipped
    // file, the lock of a copy that ran there.
    void makeOld() {
        for (const PlayerFile& f : playersFiles()) {
            write(old_ + u'/' + f.name, f.bytes, f.mode);
        }
        write(old_ + "/kestrova",
              QByteArray("\x7f"
                         "ELF\2\1\1",
                         7) +
                  QByteArray(64, 'x'),
              kRwx);
        write(old_ + "/tada.wav", "an older fanfare");
        write(old_ + "/.kestrova.lock", "");
        write(data_ + "/tada.wav", "the fanfare");
        write(data_ + "/wheels/6-6-3-15.whl", "a wheel");
    }

    Result move(const QString& folder, const QString& fakeBin = {}) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!fakeBin.isEmpty()) {
            env.insert("PATH", fakeBin + u':' + env.value("PATH"));
        }
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start("bash", {kScript, old_, folder, data_});
        EXPECT_TRUE(p.waitForFinished(-1));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromLocal8Bit(p.readAll())};
    }

    // Every player's file is in the folder, byte for byte and with its mode, and nothing else.
    void expectMoved(const QString& folder) const {
        std::map<QString, QByteArray> expected;
        for (const PlayerFile& f : playersFiles()) {
            expected[f.name] = f.bytes;
            EXPECT_EQ(modeOf(folder + u'/' + f.name), f.mode) << f.name.toStdString();
        }
        const auto found = folderFiles(folder);
        EXPECT_EQ(found.size(), expected.size());
        for (const auto& [name, bytes] : found) {
            EXPECT_TRUE(expected.count(name) && expected.at(name) == bytes)
                << name.toStdString() << " (" << bytes.size() << " bytes)";
        }
    }

    // A tool that works as usual until its call number `at`, where the move is killed: a copy
    // after half the file, a naming before it is made.
    QString failingTool(const QString& tool, int at) const {
        const QString bin = root_.path() + "/fakebin";
        QDir().mkpath(bin);
        const QString real = tool == u"cp" ? "/bin/cp" : "/bin/ln";
        const QString half = tool == u"cp" ? QStringLiteral(R"(src=${@: -2:1}; dst=${@: -1}
    head -c $(( $(stat -c %s -- "$src") / 2 )) -- "$src" > "$dst")")
                                           : QString();
        const QString script = QStringLiteral(R"(#!/bin/bash
count=$(( $(cat "%1/count.%2" 2>/dev/null || echo 0) + 1 ))
echo $count > "%1/count.%2"
if [ $count -eq %3 ]; then
    %4
    kill -9 $PPID
    exit 1
fi
exec %5 "$@"
)")
                                   .arg(bin, tool)
                                   .arg(at)
                                   .arg(half, real);
        write(bin + u'/' + tool, script.toUtf8(), kRwx);
        return bin;
    }

    QTemporaryDir root_;
    QString old_ = root_.path() + "/lotto[1] ?*$HOME 100%/build/bin";
    QString data_ = root_.path() + "/data";
};

}  // namespace

TEST_F(MoveFromOld, CopiesEveryFileOfThePlayersWhateverTheFolderIsCalled) {
    makeOld();
    for (const char* name : {"lotto[1]", "what?", "star*", "my games", "$HOME", "100%",
                             "game[1-5].dat", "a[b] ?*$x %d"}) {
        SCOPED_TRACE(name);
        const QString folder = root_.path() + "/to/" + name;

        const Result r = move(folder);
        ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();
        expectMoved(folder);
        for (const PlayerFile& f : playersFiles()) {
            EXPECT_TRUE(r.output.contains("  " + f.name + "\n")) << r.output.toStdString();
        }
        EXPECT_FALSE(r.output.contains("Not copied")) << r.output.toStdString();

        // The folder has games now: an entry file the player deleted stays deleted.
        ASSERT_TRUE(QFile::remove(folder + "/Lotto05Mar2012.lot"));
        const Result again = move(folder);
        ASSERT_EQ(again.exitCode, 0) << again.output.toStdString();
        EXPECT_EQ(again.output, QString());
        EXPECT_FALSE(QFileInfo::exists(folder + "/Lotto05Mar2012.lot"));
    }
}

TEST_F(MoveFromOld, AnInterruptedMoveIsFinishedByTheNextRun) {
    makeOld();
    // The copies run in the order of playersFiles(), and so do the namings.
    const struct {
        const char* tool;
        int at;
    } kills[] = {
        {"cp", 1},  // half of the history copied
        {"cp", 3},  // the last file before the games
        {"cp", 5},  // the last game
        {"ln", 4},  // the first game named: none is
        {"ln", 5},  // one game named, the other waits
    };
    for (const auto& kill : kills) {
        SCOPED_TRACE(std::string(kill.tool) + " " + std::to_string(kill.at));
        const QString folder =
            root_.path() + "/to/" + kill.tool + QString::number(kill.at) + " [1]";
        QDir(root_.path() + "/fakebin").removeRecursively();

        const Result killed = move(folder, failingTool(kill.tool, kill.at));
        EXPECT_EQ(killed.exitCode, -1) << killed.output.toStdString();
        // Whatever has its name is whole.
        for (const PlayerFile& f : playersFiles()) {
            const QString path = folder + u'/' + f.name;
            if (QFileInfo::exists(path)) {
                EXPECT_EQ(bytesOf(path), f.bytes) << f.name.toStdString();
            }
        }

        const Result r = move(folder);
        ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();
        expectMoved(folder);
    }
}

TEST_F(MoveFromOld, NeverWritesOverAFileOfTheFolder) {
    makeOld();
    const QString folder = root_.path() + "/to/mine";
    write(folder + "/Lotto.rtl", "the player's own history");

    const Result r = move(folder);
    ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();
    EXPECT_EQ(bytesOf(folder + "/Lotto.rtl"), "the player's own history");
    EXPECT_EQ(bytesOf(folder + "/game1.dat"), playersFiles()[3].bytes);
    EXPECT_TRUE(r.output.contains("Not copied, left in " + old_ + ":\n  Lotto.rtl: " + folder +
                                  " already has a file of that name\n"))
        << r.output.toStdString();
    EXPECT_FALSE(r.output.contains("  Lotto.rtl\n")) << r.output.toStdString();
}

TEST_F(MoveFromOld, AnOldFolderWithoutGamesIsLeftAlone) {
    write(old_ + "/Lotto.rtl", "a history");
    const QString folder = root_.path() + "/to/new";

    const Result r = move(folder);
    ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();
    EXPECT_EQ(r.output, QString());
    EXPECT_FALSE(QFileInfo::exists(folder));
}
