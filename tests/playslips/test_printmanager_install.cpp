// Install refuses a settings record whose header the settings window could not show or save:
// the game's settings, and every other file of the data folder, stay byte for byte as they were.
#include <map>
#include <string>

#include <gtest/gtest.h>

#include <QDir>

#include "app/Form1.h"
#include "platform/webservers.h"
#include "platform/windows.h"
#include "playslips/PrintManager.h"
#include "playslips_helpers.h"
#include "shared/module1.h"
#include "support/testhttpserver.h"
#include "support/waits.h"

using platform::MsgAnswer;
using platform::Windows;

namespace {

const QString kListPath = QStringLiteral("/playslips/XW/playslips.txt");
const QString kFilePath = QStringLiteral("/playslips/XW/XWLotto.dat");
const QString kConfirm = QStringLiteral(
    "This will replace any current configuration for this game. Are you sure you want to "
    "proceed?");

struct Header {
    int width;
    int boards;
    int length;
    bool installed;
};

void PrintTo(const Header& h, std::ostream* os) {
    *os << "width " << h.width << ", boards " << h.boards << ", length " << h.length;
}

class InstallHeader : public PlayslipTest, public ::testing::WithParamInterface<Header> {
protected:
    void SetUp() override {
        PlayslipTest::SetUp();
        w = &openPrintManager(server.url());
        w->requestTimeout = kPatientWait;  // no busy machine ends a reply at this one
        server.serve(kListPath, "Lotto 6/49#XWLotto.dat#");
    }

    TestHttpServer server;
    PrintManager* w = nullptr;
};

TEST_P(InstallHeader, OnlyValuesTheSettingsWindowOffersAreInstalled) {
    const Header& h = GetParam();
    const QByteArray old = fixture::slip(35, 0, 0, 3, 100);
    const QByteArray served = fixture::slip(h.width, -1, 0, h.boards, h.length);
    writeFile("Lotto.dat", old);
    writeFile("Lottoadjusts.dat", fixture::le32(0) + fixture::le32(0));
    Files expected = dataFiles();
    if (h.installed) {
        expected["Lotto.dat"] = served.toStdString();
    }
    server.serve(kFilePath, served);
    w->Command8_Click();
    w->List1->setCurrentRow(0);
    messages().expect(kConfirm, MsgAnswer::Yes);
    messages().expect(h.installed ? QStringLiteral("Done") : QStringLiteral("Download Failed"));
    w->Command6_Click();
    EXPECT_EQ(dataFiles(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallHeader,
    ::testing::Values(Header{0, 3, 0, true}, Header{15, 10, 100, true}, Header{25, 5, 150, true},
                      Header{35, 7, 200, true},
                      // Values the issue found installed: the window then showed other ones.
                      Header{99, 5, 150, false}, Header{25, 5, 300, false},
                      Header{20, 5, 150, false}, Header{-15, 5, 150, false},
                      Header{25, 5, 125, false}, Header{25, 5, -100, false},
                      Header{25, 0, 150, false}, Header{25, 2, 150, false},
                      Header{25, 11, 150, false}, Header{25, -3, 150, false}),
    [](const auto& info) {
        const Header& h = info.param;
        const auto n = [](int v) { return (v < 0 ? "minus" : "") + std::to_string(std::abs(v)); };
        return "Width" + n(h.width) + "Boards" + n(h.boards) + "Length" + n(h.length);
    });

}  // namespace
