// Installing into a program folder that is also the player's data folder: the shipped files are
// refreshed, the player's are never touched, and the installed help is what Help opens.
#include <functional>
#include <iostream>
#include <map>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "app/app_helpers.h"
#include "support/foldersnapshot.h"

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kSource = QStringLiteral(KESTROVA_DATA);

void writeUnder(const QString& folder, const QString& name, const QByteArray& bytes,
                QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner) {
    writeFileWithMode(folder + u'/' + name, bytes, mode);
}

// A running copy of the program, as far as the installer can tell: a process holding the flock
// on a folder or on a file, until the holder goes.
class LockHolder {
public:
    explicit LockHolder(const QString& path) {
        p_.start(QStringLiteral("bash"),
                 {QStringLiteral("-c"),
                  QStringLiteral(R"(exec 9<"$1" && flock -x 9 && echo locked && exec sleep 600)"),
                  QStringLiteral("holder"), path});
        while (!p_.readAllStandardOutput().contains("locked") && p_.waitForReadyRead(-1)) {
        }
        EXPECT_EQ(p_.state(), QProcess::Running) << p_.readAllStandardError().toStdString();
    }
    ~LockHolder() {
        p_.kill();
        p_.waitForFinished(-1);
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

private:
    QProcess p_;
};

QString runningMessage(const QString& folder) {
    return QStringLiteral("Kestrova is running from ") + folder +
           QStringLiteral(": close it, then install again.");
}

}  // namespace

class Install : public MainWindowTest {
protected:
    struct Result {
        int exitCode = -1;
        QString output;
    };

    // The install step as scripts/run takes it, into the test's data folder by default.
    static Result install(const QString& folder, const QStringList& extra = {},
                          const QString& dataHome = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!dataHome.isEmpty()) {
            env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        }
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(KESTROVA_CMAKE),
                QStringList{QStringLiteral("--install"), QStringLiteral(KESTROVA_BUILD),
                            QStringLiteral("--prefix"), folder} +
                    extra);
        EXPECT_TRUE(p.waitForFinished(-1));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromLocal8Bit(p.readAll())};
    }
    Result install() const { return install(dataPath()); }
    // A file of the folder, in a subfolder where the name has one.
    void put(const QString& name, const QByteArray& bytes) const {
        QDir(dataPath()).mkpath(QFileInfo(name).path());
        writeFile(name, bytes);
    }
};

TEST_F(Install, OverAPlayersFolderKeepsTheirFilesAndRefreshesTheShippedOnes) {
    // The player's: games, a history, dated, standing and wheel entry files, the printer choice,
    // a playslip configuration and its adjustments, Pick files, a wheel file of their own.
    const QStringList players = {
        "game1.dat",          "game2.dat",        "Lotto.rtl",      "Lotto05Mar2012.lot",
        "Lottostanding.lot",  "Lotto-6-49-4.lot", "print.dat",      "Lotto.dat",
        "Lottoadjusts.dat",   "Pick3Day.rtl",     "RXWversion.rtl", "wheels/mine.whl",
        "help/my notes.html",
    };
    for (int i = 0; i < players.size(); ++i) {
        put(players[i], QByteArray(28 * (i + 1), char('a' + i)));
    }
    // The shipped files of an older version.
    const QStringList shipped = {"kestrova", "tada.wav", "wheels/6-6-3-15.whl", "help/index.html"};
    for (const QString& name : shipped) {
        put(name, "an older version");
    }
    const auto before = folderStates(dataPath());

    const Result r = install();
    ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();

    const auto after = folderStates(dataPath());
    for (const QString& name : players) {
        ASSERT_TRUE(after.count(name)) << name.toStdString();
        EXPECT_EQ(after.at(name), before.at(name)) << name.toStdString();
    }
    EXPECT_EQ(readFile("kestrova"), bytesOf(QStringLiteral(KESTROVA_BUILD "/bin/kestrova")));
    EXPECT_TRUE(QFileInfo(file("kestrova")).isExecutable());
    for (const char* name : {"tada.wav", "wheels/6-6-3-15.whl", "help/index.html"}) {
        EXPECT_EQ(readFile(name), bytesOf(kSource + u'/' + name)) << name;
    }
    // Every file shipped is there, and nothing else was added.
    std::size_t shippedCount = 1;
    QDirIterator it(kSource, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = QDir(kSource).relativeFilePath(it.next());
        if (name != u".gitkeep") {
            ++shippedCount;
            EXPECT_EQ(readFile(name), bytesOf(it.filePath())) << name.toStdString();
        }
    }
    EXPECT_EQ(after.size(), shippedCount + players.size());
}

TEST_F(Install, ASecondInstallChangesNothing) {
    ASSERT_EQ(install().exitCode, 0);
    writeFile("game1.dat", game("Lotto", 6, 49).toBytes());
    const auto first = folderStates(dataPath());

    const Result again = install();
    ASSERT_EQ(again.exitCode, 0) << again.output.toStdString();
    EXPECT_EQ(folderStates(dataPath()), first);
    EXPECT_FALSE(again.output.contains(QStringLiteral("Installing:")))
        << again.output.toStdString();
}

TEST_F(Install, AShippedFileThePlayerMadeReadOnlyIsKept) {
    writeFile("tada.wav", "the player's own fanfare");
    ASSERT_TRUE(QFile::setPermissions(file("tada.wav"), QFile::ReadOwner | QFile::ReadGroup));

    const Result r = install();
    ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();
    EXPECT_EQ(readFile("tada.wav"), "the player's own fanfare");
    EXPECT_TRUE(r.output.contains(QStringLiteral("kept ") + file("tada.wav")))
        << r.output.toStdString();
    EXPECT_EQ(readFile("wheels/6-6-3-15.whl"), bytesOf(kSource + "/wheels/6-6-3-15.whl"));
}

TEST_F(Install, NeverMixesTwoBuilds) {
    // The executable's table of line counts must match the wheel files beside it: when either
    // cannot be replaced, nothing at all is written.
    constexpr auto kReadOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const struct {
        const char* what;
        const char* refusedFile;
        std::function<void(const QString&)> make;
        bool evenAsRoot;
    } cases[] = {
        {"a read-only program that differs", "kestrova",
         [&](const QString& f) {
             writeUnder(f, "kestrova", "an older version", kReadOnly | QFile::ExeOwner);
             writeUnder(f, "wheels/6-6-3-15.whl", "an older wheel");
         },
         true},
        {"a read-only wheel file with a new program", "wheels/6-6-3-15.whl",
         [&](const QString& f) {
             writeUnder(f, "kestrova", "an older version");
             writeUnder(f, "wheels/6-6-3-15.whl", "an older wheel", kReadOnly);
         },
         true},
        {"a wheels folder that cannot be written", "wheels/6-6-3-15.whl",
         [&](const QString& f) {
             writeUnder(f, "kestrova", "an older version");
             writeUnder(f, "wheels/6-6-3-15.whl", "an older wheel");
             QFile::setPermissions(f + "/wheels", kReadOnly | QFile::ExeOwner);
         },
         false},
        {"a folder where the program goes", "kestrova",
         [&](const QString& f) {
             writeUnder(f, "kestrova/notes.txt", "mine");
             writeUnder(f, "wheels/6-6-3-15.whl", "an older wheel");
         },
         true},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.evenAsRoot && geteuid() == 0) {
            std::cout << "[ SKIPPED  ] " << c.what << ": root writes into any folder\n";
            continue;
        }
        const QString folder = dataPath() + QStringLiteral("/row") + QString::number(row++);
        c.make(folder);
        writeUnder(folder, "game1.dat", "the player's game");
        const auto before = folderStates(folder);

        const Result r = install(folder);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_TRUE(r.output.contains(folder + u'/' + c.refusedFile)) << r.output.toStdString();
        EXPECT_TRUE(r.output.contains("nothing was installed")) << r.output.toStdString();
        EXPECT_EQ(folderStates(folder), before);
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  (QStringList{"game1.dat", "kestrova", "wheels"}));
        QFile::setPermissions(folder + "/wheels",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST_F(Install, NeverUnderARunningCopy) {
    // A copy of this build locks the folder itself; one built before locks .kestrova.lock. Only a
    // regular file held by another process is such a lock, and the installer never removes it.
    enum class Lock { None, Folder, OldFile, OldFileFree, Fifo, LinkToHeld };
    const struct {
        const char* what;
        Lock lock;
        bool refused;
    } cases[] = {
        {"no copy runs", Lock::None, false},
        {"a copy holds the folder", Lock::Folder, true},
        {"an older copy holds its lock file", Lock::OldFile, true},
        {"an old lock file nobody holds", Lock::OldFileFree, false},
        {"a FIFO where the old lock file was", Lock::Fifo, false},
        {"a link to a lock file held elsewhere", Lock::LinkToHeld, false},
    };
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString heldElsewhere = elsewhere.path() + QStringLiteral("/.kestrova.lock");
    writeUnder(elsewhere.path(), ".kestrova.lock", "");
    const LockHolder elsewhereHolder(heldElsewhere);
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString folder = dataPath() + QStringLiteral("/row") + QString::number(row++);
        const QString oldLock = folder + QStringLiteral("/.kestrova.lock");
        writeUnder(folder, "kestrova", "an older version");
        writeUnder(folder, "wheels/6-6-3-15.whl", "an older wheel");
        writeUnder(folder, "game1.dat", "the player's game");
        if (c.lock == Lock::OldFile || c.lock == Lock::OldFileFree) {
            writeUnder(folder, ".kestrova.lock", "");
        } else if (c.lock == Lock::Fifo) {
            ASSERT_EQ(mkfifo(oldLock.toLocal8Bit().constData(), 0600), 0);
        } else if (c.lock == Lock::LinkToHeld) {
            ASSERT_TRUE(QFile::link(heldElsewhere, oldLock));
        }
        std::optional<LockHolder> holder;
        if (c.lock == Lock::Folder) {
            holder.emplace(folder);
        } else if (c.lock == Lock::OldFile) {
            holder.emplace(oldLock);
        }
        const auto before = folderStates(folder);

        const Result r = install(folder);
        if (c.refused) {
            EXPECT_NE(r.exitCode, 0);
            EXPECT_TRUE(r.output.contains(runningMessage(folder))) << r.output.toStdString();
            EXPECT_EQ(folderStates(folder), before);
            holder.reset();
            // Once the copy is closed, the install goes through.
            const Result again = install(folder);
            EXPECT_EQ(again.exitCode, 0) << again.output.toStdString();
        } else {
            EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
        }
        EXPECT_EQ(bytesOf(folder + "/kestrova"),
                  bytesOf(QStringLiteral(KESTROVA_BUILD "/bin/kestrova")));
        EXPECT_EQ(bytesOf(folder + "/game1.dat"), "the player's game");
        // Whatever stood for the old lock is left as it was.
        const QFileInfo lock(oldLock);
        EXPECT_EQ(lock.exists() || lock.isSymLink(),
                  c.lock != Lock::None && c.lock != Lock::Folder);
        EXPECT_EQ(lock.isSymLink(), c.lock == Lock::LinkToHeld);
    }
}

TEST_F(Install, ScriptsRunHoldsTheLockWhileItInstallsAndStartsTheProgramWithoutIt) {
    // scripts/run as it is, with a build that is already made: its cmake installs this build
    // tree and puts a stand-in for the program that tells what it finds on starting.
    QTemporaryDir tree;
    ASSERT_TRUE(tree.isValid());
    const QString source = kSource + QStringLiteral("/..");
    for (const char* name : {"scripts/run", "cmake/programfolder.sh", "cmake/movefromold.sh"}) {
        QDir().mkpath(QFileInfo(tree.path() + u'/' + name).path());
        ASSERT_TRUE(QFile::copy(source + u'/' + name, tree.path() + u'/' + name)) << name;
    }
    writeUnder(tree.path(), "scripts/setup", "#!/bin/bash\n",
               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString probe = tree.path() + QStringLiteral("/probe");
    writeUnder(tree.path(), "probe", R"sh(#!/bin/bash
folder=$(dirname "$0")
for fd in /proc/$$/fd/*; do echo "descriptor ${fd##*/}: $(readlink "$fd")"; done
flock -n "$folder" true && echo "the folder is free"
)sh",
               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString fakeBin = tree.path() + QStringLiteral("/bin");
    writeUnder(fakeBin, "cmake",
               QStringLiteral(R"(#!/bin/bash
[ "$1" = --install ] || exit 0
"%1" --install "%2" "${@:3}" || exit
cp "%3" "$4/kestrova"
)")
                   .arg(QStringLiteral(KESTROVA_CMAKE), QStringLiteral(KESTROVA_BUILD), probe)
                   .toUtf8(),
               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const auto run = [&](const QString& folder) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATH"), fakeBin + u':' + env.value(QStringLiteral("PATH")));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral("bash"),
                {tree.path() + QStringLiteral("/scripts/run"), QStringLiteral("--no-menu"),
                 QStringLiteral("--folder"), folder});
        p.waitForFinished(-1);
        return Result{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                      QString::fromLocal8Bit(p.readAll())};
    };
    const QString folder = dataPath() + QStringLiteral("/program folder");

    {
        QDir().mkpath(folder);
        const LockHolder running(folder);
        const Result refused = run(folder);
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_TRUE(refused.output.contains(runningMessage(folder)))
            << refused.output.toStdString();
        EXPECT_TRUE(QDir(folder).isEmpty());
    }

    // The installs inside share the lock scripts/run holds; the program it starts holds none of
    // its descriptors and finds the folder free to lock.
    const Result r = run(folder);
    ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();
    EXPECT_TRUE(r.output.contains(QStringLiteral("-- Installing: ") + folder + "/tada.wav"))
        << r.output.toStdString();
    EXPECT_TRUE(r.output.contains("the folder is free")) << r.output.toStdString();
    EXPECT_FALSE(r.output.contains(QStringLiteral(": ") + folder + u'\n'))
        << r.output.toStdString();
}

TEST_F(Install, AFolderWhereAShippedFileGoesStopsTheInstallBeforeItWritesAnything) {
    for (const QString name : {"tada.wav", "help/index.html", "wheels/6-6-3-15.whl"}) {
        SCOPED_TRACE(name.toStdString());
        put("kestrova", "an older version");
        // An earlier round may have installed it as a file.
        QFile::remove(file(name));
        put(name + "/mine/notes.txt", "mine");
        const auto before = folderStates(dataPath());

        const Result r = install();
        EXPECT_NE(r.exitCode, 0);
        EXPECT_TRUE(r.output.contains(file(name) + QStringLiteral(" is a folder")))
            << r.output.toStdString();
        EXPECT_EQ(folderStates(dataPath()), before);
        EXPECT_EQ(readFile(name + "/mine/notes.txt"), "mine");
        EXPECT_EQ(readFile("kestrova"), "an older version");
        ASSERT_TRUE(QDir(file(name)).removeRecursively());
    }
}

TEST_F(Install, AFolderNamedWithAControlCharacterIsRefusedBeforeAnythingIsWritten) {
    const QString scriptsRun = kSource + QStringLiteral("/../scripts/run");
    QTemporaryDir dataHome;
    ASSERT_TRUE(dataHome.isValid());
    for (const char* c : {"\n", "\t", "\r", "\x01", "\x1b", "\x7f"}) {
        SCOPED_TRACE(QByteArray(c).toHex().toStdString());
        const QString folder =
            dataPath() + QStringLiteral("/My ") + QString::fromLatin1(c) + "games";

        const Result program = install(folder);
        EXPECT_NE(program.exitCode, 0);
        EXPECT_TRUE(program.output.contains("control character")) << program.output.toStdString();

        const Result menu = install(folder, {QStringLiteral("--component"), QStringLiteral("menu")},
                                    dataHome.path());
        EXPECT_NE(menu.exitCode, 0);
        EXPECT_TRUE(menu.output.contains("control character")) << menu.output.toStdString();

        // scripts/run refuses it before it sets up or builds anything, from --folder as from
        // KESTROVA_HOME.
        for (const bool fromEnvironment : {false, true}) {
            QProcess run;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            QStringList arguments{QStringLiteral("--no-start"), QStringLiteral("--no-menu")};
            if (fromEnvironment) {
                env.insert(QStringLiteral("KESTROVA_HOME"), folder);
            } else {
                arguments << QStringLiteral("--folder") << folder;
            }
            run.setProcessEnvironment(env);
            run.setProcessChannelMode(QProcess::MergedChannels);
            run.start(QStringLiteral("bash"), QStringList{scriptsRun} + arguments);
            ASSERT_TRUE(run.waitForFinished(-1));
            EXPECT_EQ(run.exitCode(), 2);
            EXPECT_TRUE(run.readAll().contains("control character"));
        }

        EXPECT_FALSE(QFileInfo::exists(folder));
    }
    EXPECT_TRUE(QDir(dataHome.path()).isEmpty());
}

TEST_F(Install, HelpOpensTheInstalledHelpFile) {
    ASSERT_EQ(install().exitCode, 0);
    writeGame(1, game("Lotto", 6, 49));
    Form1& main = start();

    main.mnuHelp_Click();

    ASSERT_EQ(shellOpened, QStringList{file("help/index.html")});
    EXPECT_EQ(readFile("help/index.html"), bytesOf(kSource + "/help/index.html"));
}

TEST_F(Install, TheMenuEntryStartsTheInstalledProgram) {
    // Blanks and the characters a menu entry reserves in the folder's name.
    const QString folder = dataPath() + QStringLiteral("/My $1 100% \"games\"");
    QTemporaryDir dataHome;
    ASSERT_TRUE(dataHome.isValid());

    const Result r =
        install(folder, {QStringLiteral("--component"), QStringLiteral("menu")}, dataHome.path());
    ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();

    const QString entry =
        QString::fromUtf8(bytesOf(dataHome.path() + "/applications/kestrova.desktop"));
    const QString quoted = dataPath() + QStringLiteral(R"(/My \\$1 100%% \\"games\\"/kestrova)");
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"") + quoted + QStringLiteral("\"\n")))
        << entry.toStdString();
    EXPECT_TRUE(
        entry.contains(QStringLiteral("\nTryExec=") + folder + QStringLiteral("/kestrova\n")))
        << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=kestrova\n")));
    EXPECT_EQ(bytesOf(dataHome.path() + "/icons/hicolor/scalable/apps/kestrova.svg"),
              bytesOf(kSource + "/../desktop/kestrova.svg"));
    // The menu component installs the menu entry only.
    EXPECT_FALSE(QFileInfo::exists(folder + "/kestrova"));
}

TEST_F(Install, ABareInstallWritesOnlyUnderThePlayersHome) {
    // The build tree's prefix is under the home it was configured in; DESTDIR keeps every write
    // of this test in its own folders.
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    ASSERT_TRUE(home.isValid() && elsewhere.isValid());
    const auto bare = [](const QString& homeFolder, const QString& destdir) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), homeFolder);
        env.insert(QStringLiteral("DESTDIR"), destdir);
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(KESTROVA_CMAKE),
                {QStringLiteral("--install"), QStringLiteral(KESTROVA_BUILD)});
        EXPECT_TRUE(p.waitForFinished(-1));
        return Result{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                      QString::fromLocal8Bit(p.readAll())};
    };

    const Result outside = bare(home.path(), elsewhere.path());
    EXPECT_NE(outside.exitCode, 0);
    EXPECT_TRUE(outside.output.contains("outside your home folder"))
        << outside.output.toStdString();
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());

    const QString staged = home.path() + QStringLiteral("/stage");
    const Result inside = bare(home.path(), staged);
    ASSERT_EQ(inside.exitCode, 0) << inside.output.toStdString();
    QStringList programs;
    // Hidden: the way to it goes through ~/.local.
    for (QDirIterator it(staged, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        if (it.next().endsWith(QStringLiteral("/kestrova"))) {
            programs << it.filePath();
        }
    }
    ASSERT_EQ(programs.size(), 1);
    EXPECT_EQ(bytesOf(programs.front()), bytesOf(QStringLiteral(KESTROVA_BUILD "/bin/kestrova")));
}

TEST(InstallPrefix, IsTheProgramFolderUnlessOneWasChosen) {
    // A small project with the program's prefix rule, configured as a player's build folder was.
    const struct {
        const char* what;
        QStringList first;   // the first configure's options
        QStringList second;  // a later configure's, when there is one
        const char* xdgDataHome;
        QString expected;  // "~" is the home folder
    } cases[] = {
        {"a new build folder", {"-DUSE=ON"}, {}, "", "~/.local/share/kestrova"},
        {"XDG_DATA_HOME", {"-DUSE=ON"}, {}, "/srv/data", "/srv/data/kestrova"},
        {"a build folder from before the program folder",
         {},
         {"-DUSE=ON"},
         "",
         "~/.local/share/kestrova"},
        {"/usr/local asked for",
         {"-DUSE=ON", "-DCMAKE_INSTALL_PREFIX=/usr/local"},
         {"-DUSE=ON"},
         "",
         "/usr/local"},
        {"another folder asked for before",
         {"-DCMAKE_INSTALL_PREFIX=/opt/k"},
         {"-DUSE=ON"},
         "",
         "/opt/k"},
        {"a folder asked for later",
         {"-DUSE=ON"},
         {"-DCMAKE_INSTALL_PREFIX=/usr/local"},
         "",
         "/usr/local"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        const QString source = home.path() + QStringLiteral("/source");
        QDir().mkpath(source);
        QFile lists(source + QStringLiteral("/CMakeLists.txt"));
        ASSERT_TRUE(lists.open(QIODevice::WriteOnly));
        lists.write(
            "cmake_minimum_required(VERSION 3.25)\nproject(p NONE)\nif(USE)\n    include(\"" +
            QStringLiteral(KESTROVA_DATA "/../cmake/KestrovaPrefix.cmake").toUtf8() +
            "\")\nendif()\n");
        lists.close();
        const auto configure = [&](const QStringList& options) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("HOME"), home.path());
            env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromUtf8(c.xdgDataHome));
            p.setProcessEnvironment(env);
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(QStringLiteral(KESTROVA_CMAKE),
                    QStringList{QStringLiteral("-S"), source, QStringLiteral("-B"),
                                home.path() + QStringLiteral("/build")} +
                        options);
            EXPECT_TRUE(p.waitForFinished(-1));
            EXPECT_EQ(p.exitCode(), 0) << p.readAll().toStdString();
        };
        configure(c.first);
        if (!c.second.isEmpty()) {
            configure(c.second);
        }
        const QString cache = QString::fromUtf8(bytesOf(home.path() + "/build/CMakeCache.txt"));
        QString expected = c.expected;
        expected.replace(u'~', home.path());
        EXPECT_TRUE(cache.contains("\nCMAKE_INSTALL_PREFIX:PATH=" + expected + u'\n'))
            << cache.section(QStringLiteral("CMAKE_INSTALL_PREFIX:"), 1, 1)
                   .section(u'\n', 0, 0)
                   .toStdString();
    }
}
