#include "pick3_helpers.h"

#include "app/Form1.h"
#include "app/appwindows.h"
#include "pick34/pick34windows.h"
#include "platform/windows.h"
#include "shared/module1.h"

void Pick3Test::SetUp() {
    KestrovaTest::SetUp();
    registerAppWindows();
    registerPick34Windows();
    // The main window's start-up sets the data folder and date order; the test sets its own after.
    platform::Windows::get<Form1>(Form1::kName);
    m1().datapath = dataPath();
    m1().dateorder = QStringLiteral("DDMMYY");
    m1().printeravailable = true;
}

Pick3& Pick3Test::open(int game) {
    platform::Windows::get<Form1>(Form1::kName)->setEnabled(false);
    m1().pickgame = static_cast<qint16>(game);
    auto* pick = dynamic_cast<Pick3*>(platform::Windows::show(Pick3::kName));
    if (pick == nullptr) {
        qFatal("the Pick window is still a stand-in");
    }
    return *pick;
}

QByteArray Pick3Test::entries(std::initializer_list<std::initializer_list<int>> digits) {
    QByteArray all;
    long count = static_cast<long>(digits.size());
    for (const auto& d : digits) {
        all += fixture::pickEntry(count, d);
        count = 0;
    }
    return all;
}

void Pick3Test::select(QListWidget& list, std::initializer_list<int> rows) {
    for (int r : rows) {
        list.item(r)->setSelected(true);
    }
}
