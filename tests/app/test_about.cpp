// The about box: its captions, version and year, staying single, and System Info.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_helpers.h"
#include "app/frmAbout.h"
#include "platform/windows.h"
#include "shared/module1.h"

class AboutTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        path_ = qgetenv("PATH");
        qputenv("PATH", tools_.path().toLocal8Bit());
    }
    void TearDown() override {
        qputenv("PATH", path_);
        MainWindowTest::TearDown();
    }
    // Puts a program of that name on PATH.
    QString installTool(const QString& name) {
        const QString path = tools_.path() + u'/' + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    static frmAbout& about() { return *platform::Windows::get<frmAbout>(frmAbout::kName); }

private:
    QTemporaryDir tools_;
    QByteArray path_;
};

TEST_F(AboutTest, ShowsTitleVersionYearAndDisclaimerAndLeavesTheMainWindowEnabled) {
    Form1& main = start();
    main.mnuAbout_Click();
    frmAbout& box = about();
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Kestrova"));
    EXPECT_EQ(box.lblVersion->text(), QStringLiteral("Version 1.12.2"));
    EXPECT_EQ(box.lblDescription->text(), QStringLiteral("Copyright 2012"));
    EXPECT_TRUE(box.lblDisclaimer->text().contains(QStringLiteral("lottery organisation")));
    EXPECT_FALSE(box.Image4->pixmap().isNull());
    EXPECT_EQ(box.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    EXPECT_TRUE(main.isEnabled());
    // One separator line between the heading and the disclaimer.
    int lines = 0;
    for (const QFrame* f : box.findChildren<QFrame*>()) {
        lines += f->frameShape() == QFrame::HLine ? 1 : 0;
    }
    EXPECT_EQ(lines, 1);
}

TEST_F(AboutTest, ItsOwnLoadTitlesItAfterTheApplication) {
    start();
    EXPECT_EQ(about().windowTitle(), QStringLiteral("About Kestrova Powerball and Mega Millions"));
}

TEST_F(AboutTest, ChosenTwiceTheSameBoxStaysOpen) {
    Form1& main = start();
    main.mnuAbout_Click();
    frmAbout* first = &about();
    first->lblVersion->setText(QStringLiteral("marker"));
    main.mnuAbout_Click();
    EXPECT_EQ(&about(), first);
    EXPECT_EQ(first->lblVersion->text(), QStringLiteral("marker"));  // not loaded again
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Kestrova"));
}

TEST_F(AboutTest, OkEscapeAndTheCloseBoxUnloadIt) {
    Form1& main = start();
    main.mnuAbout_Click();
    about().cmdOK->click();
    EXPECT_EQ(platform::Windows::find(frmAbout::kName), nullptr);
    main.mnuAbout_Click();
    QTest::keyClick(about().cmdOK, Qt::Key_Escape);
    EXPECT_EQ(platform::Windows::find(frmAbout::kName), nullptr);
    main.mnuAbout_Click();
    about().close();
    EXPECT_EQ(platform::Windows::find(frmAbout::kName), nullptr);
}

TEST_F(AboutTest, SystemInfoWithoutAToolSaysItIsUnavailable) {
    start();
    messages().expect("System Information Is Unavailable At This Time");
    about().cmdSysInfo_Click();
    EXPECT_TRUE(programsStarted.isEmpty());
    QString value = QStringLiteral("left");
    EXPECT_FALSE(about().GetKeyValue(QStringLiteral("HKEY_LOCAL_MACHINE"),
                                     QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                     QStringLiteral("PATH"), value));
    EXPECT_TRUE(value.isEmpty());
}

TEST_F(AboutTest, SystemInfoStartsTheToolFoundOnThePath) {
    start();
    installTool(QStringLiteral("hardinfo"));
    const QString preferred = installTool(QStringLiteral("hardinfo2"));
    about().cmdSysInfo_Click();
    EXPECT_EQ(programsStarted, QStringList{preferred});
}

TEST_F(AboutTest, SystemInfoThatCannotStartSaysItIsUnavailable) {
    start();
    installTool(QStringLiteral("hardinfo"));
    startProgramResult = false;
    messages().expect("System Information Is Unavailable At This Time");
    about().cmdSysInfo_Click();
    EXPECT_EQ(programsStarted.size(), 1);
}
