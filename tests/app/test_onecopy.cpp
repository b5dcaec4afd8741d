// One program per data folder: the real program runs as a child process on a folder, and a
// second copy on that folder (here, in the test's process) says so and ends without touching a
// file, whatever sits in the folder. The lock goes with the process, however it ends.
//
// A child process is given time no busy machine needs: a wait that runs out shows a program that
// hung or never took the folder, not a slow machine.
#include <cerrno>
#include <memory>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "app/app_helpers.h"
#include "app/startup.h"
#include "platform/application.h"
#include "platform/events.h"
#include "platform/folderlock.h"
#include "platform/windows.h"

namespace {

const QString kProgram = QStringLiteral(KESTROVA_BUILD "/bin/kestrova");
constexpr int kChildPatienceMs = 5 * 60 * 1000;

QString lockFile(const QString& folder) {
    return folder + u'/' + QString::fromUtf16(platform::kFolderLockName);
}

// Whether the process holds a lock on the folder itself, as the system lists its locks.
bool holdsLock(qint64 pid, const QString& folder) {
    struct stat s {};
    if (::stat(QFile::encodeName(folder).constData(), &s) != 0) {
        return false;
    }
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    // "1: FLOCK  ADVISORY  WRITE 4242 fe:01:1234 0 EOF"
    const QString node = QStringLiteral("%1:%2:%3")
                             .arg(major(s.st_dev), 2, 16, QLatin1Char('0'))
                             .arg(minor(s.st_dev), 2, 16, QLatin1Char('0'))
                             .arg(s.st_ino);
    for (const QString& line : QString::fromLatin1(locks.readAll()).split(u'\n')) {
        const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
        if (f.size() >= 6 && f[1] == u"FLOCK" && f[4] == QString::number(pid) && f[5] == node) {
            return true;
        }
    }
    return false;
}

// Who the real programs run as: this process's user, or when that is root (who may write in any
// folder) an unprivileged one, through setpriv.
struct RunAs {
    uid_t uid = 0;
    gid_t gid = 0;
    bool switchUser = false;
    QString whyNot;  // not empty: no such user can be had here
};

RunAs unprivileged() {
    RunAs as{::geteuid(), ::getegid(), false, {}};
    if (as.uid != 0) {
        return as;
    }
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr) {
        as.whyNot = QStringLiteral("running as root, and there is no user nobody to switch to");
        return as;
    }
    as = {nobody->pw_uid, nobody->pw_gid, true, {}};
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        as.whyNot = QStringLiteral("running as root, and setpriv is not installed");
        return as;
    }
    QProcess trial;
    trial.start(setpriv,
                {QStringLiteral("--reuid=%1").arg(as.uid), QStringLiteral("--regid=%1").arg(as.gid),
                 QStringLiteral("--clear-groups"), QStringLiteral("true")});
    if (!trial.waitForFinished(kChildPatienceMs) || trial.exitStatus() != QProcess::NormalExit ||
        trial.exitCode() != 0) {
        as.whyNot = QStringLiteral("running as root, and setpriv cannot switch to nobody here");
    }
    return as;
}

// The program, copied into a folder whose files it then uses, running as a child process.
class RunningCopy {
public:
    explicit RunningCopy(const QString& folder, const RunAs* as = nullptr) : folder_(folder) {
        const QString program = folder + QStringLiteral("/kestrova");
        if (!QFileInfo::exists(program)) {
            EXPECT_TRUE(QFile::copy(kProgram, program));
        }
        process_.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        if (as != nullptr && as->switchUser) {
            // setpriv runs the program in its own process: the pid is the program's. It starts
            // in its own folder: the test's may be closed to that user.
            process_.setWorkingDirectory(folder);
            process_.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=%1").arg(as->uid),
                                                       QStringLiteral("--regid=%1").arg(as->gid),
                                                       QStringLiteral("--clear-groups"), program});
        } else {
            process_.start(program, QStringList{});
        }
        EXPECT_TRUE(process_.waitForStarted(kChildPatienceMs));
    }
    ~RunningCopy() {
        if (process_.state() != QProcess::NotRunning) {
            killHard();
        }
    }
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    // Waits until the program has taken the folder (it does so first thing at start-up).
    bool tookFolder() {
        const QDeadlineTimer deadline(kChildPatienceMs);
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
        const QDeadlineTimer deadline(kChildPatienceMs);
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
        process_.waitForFinished(kChildPatienceMs);
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
    void TearDown() override {
        platform::setFolderLockFault(0);
        // Writable again, so the folder can go.
        QFile::setPermissions(dataPath(), kWritable);
        MainWindowTest::TearDown();
    }
    // The folder's entries but the program itself (a large binary, no use in a failure's diff):
    // a file's bytes, or what a link points to, or that an entry is a FIFO. Nothing is opened
    // but regular files.
    Files playersFiles() const {
        Files files;
        const QDir::Filters all =
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        for (const QFileInfo& entry : QDir(dataPath()).entryInfoList(all)) {
            struct stat s {};
            const std::string name = entry.fileName().toStdString();
            if (name == "kestrova" ||
                ::lstat(QFile::encodeName(entry.filePath()).constData(), &s) != 0) {
                continue;
            }
            if (S_ISLNK(s.st_mode)) {
                files[name] = "link to " + entry.symLinkTarget().toStdString();
            } else if (S_ISFIFO(s.st_mode)) {
                files[name] = "fifo";
            } else if (S_ISREG(s.st_mode)) {
                files[name] = readFile(entry.fileName()).toStdString();
            } else {
                files[name] = "other";
            }
        }
        return files;
    }
    // A second copy starting on the test's folder.
    int startSecondCopy() {
        return runProgram(*static_cast<QApplication*>(QApplication::instance()));
    }

    // Without its owner's write bit, as root finds it too.
    static constexpr QFile::Permissions kReadOnly = QFile::ReadOwner | QFile::ExeOwner |
                                                    QFile::ReadGroup | QFile::ExeGroup |
                                                    QFile::ReadOther | QFile::ExeOther;
    static constexpr QFile::Permissions kWritable = kReadOnly | QFile::WriteOwner;
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

// What sits in the folder when two real programs start on it.
enum class InFolder {
    OnlyItsFiles,
    LockFileLinkedElsewhere,  // the old lock file's name is a link to a file outside the folder
    LockFileIsAFifo,          // ... a FIFO, which an open would wait on for ever
    NoWriteBitForAnUnprivilegedUser,  // the folder's files stay writable
};

class OneCopyPrograms : public OneCopy, public ::testing::WithParamInterface<InFolder> {};

TEST_P(OneCopyPrograms, TheSecondProgramOnTheFolderSaysSoAndChangesNothing) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString outside = elsewhere.filePath(QStringLiteral("outside.txt"));
    {
        QFile f(outside);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("not the program's\n") == 18);
    }
    const QByteArray oldLock = QFile::encodeName(lockFile(dataPath()));
    RunAs as;
    switch (GetParam()) {
        case InFolder::OnlyItsFiles:
            break;
        case InFolder::LockFileLinkedElsewhere:
            ASSERT_EQ(::symlink(QFile::encodeName(outside).constData(), oldLock.constData()), 0);
            break;
        case InFolder::LockFileIsAFifo:
            ASSERT_EQ(::mkfifo(oldLock.constData(), 0644), 0);
            break;
        case InFolder::NoWriteBitForAnUnprivilegedUser: {
            as = unprivileged();
            if (!as.whyNot.isEmpty()) {
                GTEST_SKIP() << as.whyNot.toStdString();
            }
            // The player's folder and files, the program among them.
            ASSERT_TRUE(QFile::copy(kProgram, file(QStringLiteral("kestrova"))));
            for (const QFileInfo& entry :
                 QDir(dataPath())
                     .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
                ASSERT_EQ(::chown(QFile::encodeName(entry.filePath()).constData(), as.uid, as.gid),
                          0);
            }
            ASSERT_EQ(::chown(QFile::encodeName(dataPath()).constData(), as.uid, as.gid), 0);
            ASSERT_TRUE(QFile::setPermissions(dataPath(), kReadOnly));
            break;
        }
    }
    const Files at = playersFiles();

    RunningCopy first(dataPath(), &as);
    ASSERT_TRUE(first.tookFolder());
    const Files before = playersFiles();
    EXPECT_EQ(before, at);

    // The second program waits on its message box; what it told is on its error output too.
    RunningCopy second(dataPath(), &as);
    EXPECT_TRUE(second.said(QStringLiteral("kestrova: Kestrova is already running with the files "
                                           "in ") +
                            dataPath() + QStringLiteral(". Close it before starting it again.")));
    EXPECT_TRUE(second.running());
    EXPECT_FALSE(holdsLock(second.pid(), dataPath()));
    EXPECT_EQ(playersFiles(), before);
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(holdsLock(first.pid(), dataPath()));
    QFile f(outside);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("not the program's\n"));
}

INSTANTIATE_TEST_SUITE_P(InFolder, OneCopyPrograms,
                         ::testing::Values(InFolder::OnlyItsFiles,
                                           InFolder::LockFileLinkedElsewhere,
                                           InFolder::LockFileIsAFifo,
                                           InFolder::NoWriteBitForAnUnprivilegedUser),
                         [](const ::testing::TestParamInfo<InFolder>& info) {
                             switch (info.param) {
                                 case InFolder::OnlyItsFiles:
                                     return "OnlyItsFiles";
                                 case InFolder::LockFileLinkedElsewhere:
                                     return "LockFileLinkedElsewhere";
                                 case InFolder::LockFileIsAFifo:
                                     return "LockFileIsAFifo";
                                 case InFolder::NoWriteBitForAnUnprivilegedUser:
                                     return "NoWriteBitForAnUnprivilegedUser";
                             }
                             return "Unknown";
                         });

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

TEST_F(OneCopy, AFolderThePlayerMayOnlyReadIsLockedWithNothingWritten) {
    ASSERT_TRUE(QFile::setPermissions(dataPath(), kReadOnly));
    const Files before = playersFiles();
    {
        const platform::FolderLock one(dataPath());
        const platform::FolderLock two(dataPath());
        EXPECT_TRUE(one.held());
        EXPECT_TRUE(two.heldElsewhere());
        EXPECT_TRUE(one.reason().isEmpty());
    }
    const platform::FolderLock again(dataPath());
    EXPECT_TRUE(again.held());
    EXPECT_EQ(playersFiles(), before);  // no lock file made

    Form1& main = start();
    EXPECT_EQ(main.Option1->text(), QStringLiteral("Lotto"));
    EXPECT_TRUE(messages().shown().isEmpty());
}

TEST_F(OneCopy, AFolderThatCannotBeLockedGivesTheSystemsReason) {
    writeFile("plain.txt", "x");
    const struct {
        QString folder;
        int fault;
        QString reason;
    } cases[] = {
        {dataPath() + QStringLiteral("/missing"), 0, QStringLiteral("No such file or directory")},
        {file(QStringLiteral("plain.txt")), 0, QStringLiteral("Not a directory")},
        {dataPath(), ENOLCK, QStringLiteral("No locks available")},
        {dataPath(), EBADF, QStringLiteral("Bad file descriptor")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.toStdString() + " " + c.reason.toStdString());
        platform::setFolderLockFault(c.fault);
        const platform::FolderLock lock(c.folder);
        EXPECT_TRUE(lock.failed());
        EXPECT_FALSE(lock.held());
        EXPECT_FALSE(lock.heldElsewhere());
        EXPECT_EQ(lock.reason(), c.reason);
    }
}

TEST_F(OneCopy, WhenTheFolderCannotBeLockedTheProgramSaysSoOnceAndStarts) {
    platform::setFolderLockFault(ENOLCK);
    messages().expect(QStringLiteral("Kestrova cannot keep a second copy of itself from working "
                                     "with the files in ") +
                      dataPath() +
                      QStringLiteral(" (No locks available). Do not start it again on these "
                                     "files while this copy is open."));
    bool mainWindowShown = false;
    QTimer::singleShot(0, [&] {
        const platform::Form* main = platform::Windows::find(Form1::kName);
        mainWindowShown = main != nullptr && main->isVisible();
        platform::endProgram();
    });
    EXPECT_EQ(startSecondCopy(), 0);

    EXPECT_TRUE(mainWindowShown);
    EXPECT_TRUE(messages().allAnswered());
    EXPECT_EQ(messages().shown().size(), 1);
    EXPECT_EQ(platform::appTitle(), Form1::kTitle);
}
