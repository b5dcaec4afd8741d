#include "support/kestrovatest.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "platform/application.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/internetcheck.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/systemlocale.h"
#include "platform/webservers.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"

MessageScript::MessageScript() {
    platform::setMessageHandler(
        [this](const QString& text, platform::MsgButtons buttons, platform::MsgDefault byDefault) {
            shown_ << text;
            defaults_ << byDefault;
            buttons_ << buttons;
            if (expected_.empty()) {
                ADD_FAILURE() << "Unexpected message box: " << text.toStdString();
                return platform::MsgAnswer::No;
            }
            const Expected next = expected_.front();
            expected_.pop_front();
            EXPECT_EQ(next.text.toStdString(), text.toStdString());
            if (next.byDefault) {
                EXPECT_EQ(*next.byDefault == platform::MsgDefault::No,
                          byDefault == platform::MsgDefault::No)
                    << "default answer of: " << text.toStdString();
            }
            if (next.answer == platform::MsgAnswer::Cancel &&
                buttons != platform::MsgButtons::YesNoCancel) {
                ADD_FAILURE() << "Cancel answered to a box without Cancel: " << text.toStdString();
                return platform::MsgAnswer::No;
            }
            return next.answer;
        });
}

MessageScript::~MessageScript() {
    platform::setMessageHandler({});
    for (const Expected& e : expected_) {
        ADD_FAILURE() << "Expected message box never shown: " << e.text.toStdString();
    }
}

void MessageScript::expect(const QString& text, platform::MsgAnswer answer,
                           std::optional<platform::MsgDefault> byDefault) {
    expected_.push_back({text, answer, byDefault});
}

void KestrovaTest::SetUp() {
    resetModule1();
    fileFaults().reset();
    platform::resetProgramEnded();
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    platform::setAppPath(dir_->path());
    messages_ = std::make_unique<MessageScript>();
    installPrinters({QStringLiteral("Recording Printer")});
    platform::setSoundHandler([this](const QString& path) { soundsPlayed << path; });
    platform::setShellHandler({
        [this](const QString& path) {
            shellOpened << path;
            return shellOpenResult;
        },
        [this](const QString& url) {
            webPagesOpened << url;
            return true;
        },
        [this](const QString& path) {
            programsStarted << path;
            return startProgramResult;
        },
    });
    platform::setInternetCheckHandler({[] { return true; }, [] { return true; }});
    platform::setClock([] { return QDateTime(QDate(2012, 3, 5), QTime(12, 0)); });
}

void KestrovaTest::TearDown() {
    platform::Windows::unloadAll();
    messages_.reset();
    platform::setPrinterSystem({});
    platform::setSoundHandler({});
    platform::setShellHandler({});
    platform::setInternetCheckHandler({});
    platform::setClock({});
    platform::setWebServers({});
    platform::setShortDateFormat({});
    platform::setAppPath({});
    fileFaults().reset();
    dir_.reset();
}

platform::RecordingPrinterSystem& KestrovaTest::installPrinters(const QStringList& names) {
    auto system = std::make_unique<platform::RecordingPrinterSystem>(names);
    printer_ = system.get();
    platform::setPrinterSystem(std::move(system));
    return *printer_;
}

void KestrovaTest::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray KestrovaTest::readFile(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

KestrovaTest::Files KestrovaTest::dataFiles() const {
    Files all;
    for (const QString& name : QDir(dataPath()).entryList(QDir::Files | QDir::Hidden)) {
        all[name.toStdString()] = readFile(name).toStdString();
    }
    return all;
}

bool KestrovaTest::exists(const QString& name) const {
    return QFile::exists(file(name));
}
