#include "updates_helpers.h"

#include "app/Form1.h"
#include "app/appwindows.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "support/bytes.h"
#include "updates/updateswindows.h"

void UpdatesTest::SetUp() {
    KestrovaTest::SetUp();
    registerAppWindows();
    registerUpdatesWindows();
    platform::Windows::get<Form1>(Form1::kName);
    m1().datapath = dataPath();
    m1().dateorder = QStringLiteral("DDMMYY");
}

RDL& UpdatesTest::openRDL() {
    platform::Windows::get<Form1>(Form1::kName)->setEnabled(false);
    auto* w = dynamic_cast<RDL*>(platform::Windows::show(RDL::kName));
    if (w == nullptr) {
        qFatal("the results downloader is still a stand-in");
    }
    return *w;
}

Form10& UpdatesTest::openForm10() {
    platform::Windows::get<Form1>(Form1::kName)->setEnabled(false);
    auto* w = dynamic_cast<Form10*>(platform::Windows::show(Form10::kName));
    if (w == nullptr) {
        qFatal("the loader is still a stand-in");
    }
    return *w;
}

QByteArray UpdatesTest::history(int n, int firstBall) {
    QByteArray bytes;
    const QDate start(2012, 3, 1);
    for (int r = 1; r <= n; ++r) {
        const QDate d = start.addDays(2 * (r - 1));
        const int b = (firstBall + r - 1) % 50 + 1;
        bytes += fixture::draw(r == 1 ? n : 0, r, d.day(), d.month(), d.year(),
                               {b, b + 1, b + 2, b + 3, b + 4}, 9);
    }
    return bytes;
}
