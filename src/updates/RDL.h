#pragma once
// The results downloader: fetches the checked games' histories from the results server (and,
// when the player asks after a failure, from the download server), checks each received file and
// puts it in place of the game's history, which stays as it was whenever that does not succeed.
#include <array>
#include <chrono>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

#include "app/windownames.h"
#include "platform/form.h"

namespace platform {
class Inet;
}

class RDL : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::RDL;
    static constexpr int slotcount = 9;

    explicit RDL(QWidget* parent = nullptr);

    void Form_Load() override;
    // During a run the close box cancels it and the window closes when the run has ended.
    void closeBox() override;

    void Command1_Click();  // Download Results
    void Command2_Click();  // Cancel
    void Command3_Click();  // Close
    void mnuYes_Click();
    void mnuNo_Click();
    void Inet1_StateChanged(int state);

    // The status text of a transfer state; a completed transfer marks the data received, an
    // unknown state the transfer failed.
    QString inetstatetext(int state);
    // Whether the received file, read once, may replace the game's history, asking the player
    // where the history would shrink or "Check Before Overwriting" is on; updatecancelled says
    // whether a refusal was the player's. The bytes checked are the bytes installed.
    bool checkdownloadedresults(const QByteArray& received);
    bool running() const { return running_; }

    QMenuBar* menuBar;
    QMenu* mnuCBO;
    QAction* mnuYes;
    QAction* mnuNo;
    QGroupBox* Frame3;
    std::array<QCheckBox*, slotcount> Check{};  // Check1 .. Check9
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QGroupBox* Frame1;
    QLineEdit* Text1;
    QGroupBox* Frame2;
    QLabel* Label1;
    QGroupBox* Frame4;
    QProgressBar* ProgressBar1;
    platform::Inet* Inet1 = nullptr;

    // 1 running, 2 all data received, 3 failed or cancelled.
    qint16 downloadstate = 0;
    QString serverbase;
    QString downloadurl;
    QString downloadgame;
    qint16 localcount = 0;
    bool updatecancelled = false;
    // How long a request may go without progress; tests shorten it.
    std::chrono::milliseconds requesttimeout = std::chrono::seconds(10);
    // The longest a whole history may take to arrive, however steadily; tests shorten it.
    std::chrono::milliseconds requestlimit = std::chrono::seconds(60);

private:
    void makeTransfer();
    void startTransfer();
    void stopTransfer();
    void receive();
    QString serverFolder(bool second) const;
    void runDownloads();
    void setIdle();
    void setRunning();
    // Ends the run after the data folder refused a game's file, telling the player why.
    void notSaved(const QString& reason);
    void showProgress(double percent);

    // Why the received file could not be written, when that is what failed the transfer.
    QString saveerror_;
    bool running_ = false;
    bool closeAfterRun_ = false;
    double progress_ = 0;
};
