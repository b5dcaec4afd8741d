// Installing into a program folder that is also the player's data folder: the shipped files are
// refreshed, the player's are never touched, and the installed help is what Help opens.
#include <map>

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "app/app_helpers.h"

namespace {

struct Snapshot {
    QByteArray sha;
    qint64 modified = 0;
    QFile::Permissions permissions;
    bool operator==(const Snapshot&) const = default;
};

// Every file under the folder, with its bytes (as a hash), modification time and mode.
std::map<QString, Snapshot> snapshot(const QString& folder) {
    std::map<QString, Snapshot> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(&f);
        files[QDir(folder).relativeFilePath(path)] = {
            hash.result(), it.fileInfo().lastModified().toMSecsSinceEpoch(),
            it.fileInfo().permissions()};
    }
    return files;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kSource = QStringLiteral(KESTROVA_DATA);

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
        EXPECT_TRUE(p.waitForFinished(120000));
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
    const auto before = snapshot(dataPath());

    const Result r = install();
    ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();

    const auto after = snapshot(dataPath());
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
    const auto first = snapshot(dataPath());

    const Result again = install();
    ASSERT_EQ(again.exitCode, 0) << again.output.toStdString();
    EXPECT_EQ(snapshot(dataPath()), first);
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

TEST_F(Install, AFolderWhereAShippedFileGoesStopsTheInstall) {
    put("tada.wav/mine/notes.txt", "mine");

    const Result r = install();
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.output.contains(file("tada.wav") + QStringLiteral(" is a folder")))
        << r.output.toStdString();
    EXPECT_EQ(readFile("tada.wav/mine/notes.txt"), "mine");
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
