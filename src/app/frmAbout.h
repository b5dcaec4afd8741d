#pragma once
// The about box: title, version, year and disclaimer, and a way to the system information tool.

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/windownames.h"
#include "platform/form.h"

class frmAbout : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::frmAbout;

    explicit frmAbout(QWidget* parent = nullptr);

    void Form_Load() override;
    void cmdOK_Click();
    void closeBox() override;  // OK
    void cmdSysInfo_Click();
    void StartSysInfo();
    // Reads a value of the system registry; there is none here, so nothing is ever found.
    bool GetKeyValue(const QString& root, const QString& keyName, const QString& valueName,
                     QString& value);

    QLabel* Image4;  // the logo
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QFrame* Line1;  // the separator
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

private:
    void unavailable();
};

// The system information programs looked for on PATH, in this order.
const QStringList& systemInfoPrograms();
