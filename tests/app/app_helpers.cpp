#include "app/app_helpers.h"

#include "app/appwindows.h"
#include "app/standin_helpers.h"
#include "platform/windows.h"

void MainWindowTest::SetUp() {
    KestrovaTest::SetUp();
    registerAppWindows();
    registerStandInWindows();
}

GameRecord MainWindowTest::game(const QString& name, int balls, int pool, int bonus,
                                const QString& id) {
    GameRecord g;
    g.name = name.leftJustified(12);
    g.ballsdrawn = static_cast<qint16>(balls);
    g.bonusdrawn = bonus > 0 ? 1 : 0;
    g.mainpool = static_cast<qint16>(pool);
    g.bonusfrommain = bonus > 0 ? 0 : 2;
    g.bonuspool = static_cast<qint16>(bonus);
    g.mainperentry = static_cast<qint16>(balls);
    g.bonusperentry = bonus > 0 ? 1 : 0;
    for (int k = 1; k <= 15; ++k) {
        g.prizelevels[k] = 1;
    }
    for (int k = 1; k <= 7; ++k) {
        g.drawdays[k] = static_cast<qint16>(k);
    }
    g.extraballid = id;
    g.extraballname = QString(10, u' ');
    return g;
}

void MainWindowTest::writeGame(int slot, const GameRecord& record) {
    writeFile(QStringLiteral("game%1.dat").arg(slot), record.toBytes());
}

Form1& MainWindowTest::start() {
    Form1& form = *platform::Windows::get<Form1>(Form1::kName);
    form.show();
    return form;
}

QString MainWindowTest::damagedHistoryBox(const QString& name) const {
    return QStringLiteral(
               "The results history \"%1\" is damaged. It has been left as it is, and what can "
               "be read of it is shown. A backup of the file, or Download Results (File > Update "
               "Results), can restore it.")
        .arg(file(name));
}

QString MainWindowTest::damagedEntryFileBox(const QString& name) const {
    return QStringLiteral(
               "The entry file \"%1\" is damaged. It has been left as it is, and what can be "
               "read of it is shown. A backup of the file can restore it.")
        .arg(file(name));
}

QByteArray MainWindowTest::draws(std::initializer_list<QByteArray> records) const {
    QByteArray all;
    for (const QByteArray& r : records) {
        all += r;
    }
    return all;
}
