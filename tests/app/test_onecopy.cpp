// One program per data folder: the real program runs as a child process on a folder, and a
// second copy on that folder (here, in the test's process) says so and ends without touching a
// file. The lock goes with the process, however it ends.
#include <memory>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "app/app_helpers.h"
#include "app/startup.h"
#include "platform/application.h"
#include "platform/folderlock.h"
#include "platform/windows.h"

namespace {

const QString kProgram = QStringLiteral(KESTROVA_BUILD "/bin/kestrova");

QString lockFile(const QString& folder) {
    return folder + u'/' + QString::fromUtf16(platform::kFolderLockName);
}

// Whether the process holds a lock on the folder's lock file, as the system lists its locks.
bool holdsLock(qint64 pid, const QString& folder) {
    struct stat s {};
    if (::stat(QFile::encodeName(lockFile(folder)).constData(), &s) != 0) {
        return false;
    }
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    // "1: FLOCK  ADVISORY  WRITE 4242 fe:01:1234 0 EOF"
    const QString inode = u':' + QString::number(s.st_ino);
    for (const QString& line : QString::fromLatin1(locks.readAll()).split(u'\n')) {
        const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
        if (f.size() >= 6 && f[1] == u"FLOCK" && f[4] == QString::number(pid) &&
            f[5].endsWith(inode)) {
            return true;
        }
    }
    return false;
}

// The program, copied into a folder whose files it then uses, running as a child process.
class RunningCopy {
public:
    explicit RunningCopy(const QString& folder) : folder_(folder) {
        const QString program = folder + QStringLiteral("/kestrova");
        if (!QFileInfo::exists(program)) {
            EXPECT_TRUE(QFile::copy(kProgram, program));
        }
        process_.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        process_.start(program, QStringList{});
        EXPECT_TRUE(process_.waitForStarted());
    }
    ~RunningCopy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    // Waits until the program has taken the folder (it does so first thing at start-up).
    bool tookFolder() {
        QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
            if (holdsLock(process_.processId(), folder_)) {
                return true;
            }
            QThread::msleep(20);
        }
        return false;
    }
    bool running() const { return process_.state() == QProcess::Running; }
    qint64 pid() const { return process_.processId(); }
    // Waits until the program has written `text` to its error output.
    bool said(const QString& text) {
        QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired()) {
            error_ += QString::fromLocal8Bit(process_.readAllStandardError());
            if (error_.contains(text)) {
                return true;
            }
            if (process_.state() != QProcess::Running) {
                return false;
            }
            process_.waitForReadyRead(100);
        }
        return false;
    }
    void killHard() {
        process_.kill();  // SIGKILL: nothing of the program runs after it
        process_.waitForFinished();
    }

private:
    QString folder_;
    QProcess process_;
    QString error_;
};

}  // namespace

class OneCopy : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        writeGame(1, game("Lotto", 6, 49));
        writeFile("Lotto12Dec2026.lot", "05-06-07-08-09-10\r\n");
        // The printer choice, which start-up would otherwise make while the test looks.
        writeFile("print.dat", "");
    }
    // The folder's files but the program itself (a large binary, no use in a failure's diff).
    Files playersFiles() const {
        Files files = dataFiles();
        files.erase("kestrova");
        return files;
    }
    // A second copy starting on the test's folder.
    int startSecondCopy() {
        return runProgram(*static_cast<QApplication*>(QApplication::instance()));
    }
};

TEST_F(OneCopy, ASecondCopyOnTheFolderSaysSoAndEndsChangingNothing) {
    RunningCopy first(dataPath());
    ASSERT_TRUE(first.tookFolder());
    const Files before = playersFiles();

    messages().expect(QStringLiteral("Kestrova is already running with the files in ") +
                      dataPath() + QStringLiteral(". Close it before starting it again."));
    EXPECT_EQ(startSecondCopy(), 1);

    EXPECT_TRUE(messages().allAnswered());
    EXPECT_EQ(platform::appTitle(), Form1::kTitle);
    EXPECT_EQ(platform::Windows::find(Form1::kName), nullptr);
    EXPECT_EQ(playersFiles(), before);
    EXPECT_TRUE(first.running());
}

TEST_F(OneCopy, ASecondProgramOnTheFolderSaysSoAndChangesNothing) {
    RunningCopy first(dataPath());
    ASSERT_TRUE(first.tookFolder());
    const Files before = playersFiles();

    // The second program waits on its message box; what it told is on its error output too.
    RunningCopy second(dataPath());
    EXPECT_TRUE(second.said(QStringLiteral("kestrova: Kestrova is already running with the files "
                                           "in ") +
                            dataPath() + QStringLiteral(". Close it before starting it again.")));
    EXPECT_TRUE(second.running());
    EXPECT_FALSE(holdsLock(second.pid(), dataPath()));
    EXPECT_EQ(playersFiles(), before);
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(holdsLock(first.pid(), dataPath()));
}

TEST_F(OneCopy, ACopyKilledHardNeverBlocksTheNextStart) {
    auto first = std::make_unique<RunningCopy>(dataPath());
    ASSERT_TRUE(first->tookFolder());
    first->killHard();
    first.reset();

    RunningCopy next(dataPath());
    EXPECT_TRUE(next.tookFolder());
    next.killHard();
    // With no copy left, the folder is free for this process too.
    const platform::FolderLock lock(dataPath());
    EXPECT_TRUE(lock.held());
}

TEST_F(OneCopy, CopiesOnDifferentFoldersRunSideBySide) {
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());

    RunningCopy here(dataPath());
    RunningCopy there(other.path());
    ASSERT_TRUE(here.tookFolder());
    ASSERT_TRUE(there.tookFolder());
    EXPECT_TRUE(here.running());
    EXPECT_TRUE(there.running());
}

TEST_F(OneCopy, AFolderThePlayerMayOnlyReadOpensAsBefore) {
    // Without its owner's write bit, as root finds it too.
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    const QFile::Permissions writable = readOnly | QFile::WriteOwner;
    ASSERT_TRUE(QFile::setPermissions(dataPath(), readOnly));
    {
        const Files before = playersFiles();
        const platform::FolderLock one(dataPath());
        const platform::FolderLock two(dataPath());
        EXPECT_FALSE(one.heldElsewhere());
        EXPECT_FALSE(two.heldElsewhere());
        EXPECT_EQ(playersFiles(), before);  // no lock file made

        Form1& main = start();
        EXPECT_EQ(main.Option1->text(), QStringLiteral("Lotto"));
        EXPECT_TRUE(messages().shown().isEmpty());
    }
    ASSERT_TRUE(QFile::setPermissions(dataPath(), writable));

    // A folder used before and made read-only since keeps its lock file: one copy still has it.
    writeFile(QString::fromUtf16(platform::kFolderLockName), "");
    ASSERT_TRUE(QFile::copy(kProgram, file(QStringLiteral("kestrova"))));
    ASSERT_TRUE(QFile::setPermissions(dataPath(), readOnly));
    {
        RunningCopy first(dataPath());
        ASSERT_TRUE(first.tookFolder());
        const platform::FolderLock second(dataPath());
        EXPECT_TRUE(second.heldElsewhere());
    }
    ASSERT_TRUE(QFile::setPermissions(dataPath(), writable));
}
