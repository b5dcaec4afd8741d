#pragma once
// The fixture every window and routine test starts from: a fresh temporary data folder,
// fresh module state, no file faults armed, scripted message boxes, a recording printer,
// recorded sounds and shell calls, and a fixed clock.
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "platform/messagebox.h"
#include "support/recordingprinter.h"

// Scripted answers to message boxes. A box that was not expected fails the test.
class MessageScript {
public:
    MessageScript();
    ~MessageScript();

    // The next box must show exactly this text (and, when given, have this default answer); it
    // is answered with `answer`, which must be one of its buttons.
    void expect(const QString& text, platform::MsgAnswer answer = platform::MsgAnswer::Ok,
                std::optional<platform::MsgDefault> byDefault = std::nullopt);
    const QStringList& shown() const { return shown_; }
    // The default answer of each box shown, in the order of shown().
    const QList<platform::MsgDefault>& defaults() const { return defaults_; }
    // The buttons of each box shown, in the order of shown().
    const QList<platform::MsgButtons>& buttons() const { return buttons_; }
    bool allAnswered() const { return expected_.empty(); }

private:
    struct Expected {
        QString text;
        platform::MsgAnswer answer;
        std::optional<platform::MsgDefault> byDefault;
    };
    std::deque<Expected> expected_;
    QStringList shown_;
    QList<platform::MsgDefault> defaults_;
    QList<platform::MsgButtons> buttons_;
};

class KestrovaTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString dataPath() const { return dir_->path(); }
    QString file(const QString& name) const { return dir_->path() + u'/' + name; }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    bool exists(const QString& name) const;
    // Every file of the data folder with its bytes, hidden ones too: a received or temporary
    // file left behind shows here.
    using Files = std::map<std::string, std::string>;
    Files dataFiles() const;

    MessageScript& messages() { return *messages_; }
    platform::RecordingPrinterSystem& printer() { return *printer_; }
    // Replaces the recording printer by one with these device names (none: no printer).
    platform::RecordingPrinterSystem& installPrinters(const QStringList& names);

    QStringList soundsPlayed;
    QStringList shellOpened;
    QStringList programsStarted;
    QStringList webPagesOpened;
    int shellOpenResult = 42;
    bool startProgramResult = true;

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<MessageScript> messages_;
    platform::RecordingPrinterSystem* printer_ = nullptr;
};
