#include "support/benchmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "platform/application.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/sound.h"
#include "shared/gamefiles.h"

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

}  // namespace

QString benchsupport::dataFolder() {
    return folder().path();
}

void benchsupport::writeDataFile(const QString& name, const QByteArray& bytes) {
    QFile f(dataFile(dataFolder(), name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        qFatal("cannot write the benchmark data");
    }
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication application(argc, argv);
    if (!folder().isValid()) {
        return 1;
    }
    platform::setAppPath(folder().path());
    // The day the fixtures are dated against, as in the tests.
    platform::setClock([] { return QDateTime(QDate(2012, 3, 5), QTime(12, 0)); });
    platform::setMessageHandler([](const QString&, platform::MsgButtons buttons) {
        return buttons != platform::MsgButtons::Ok ? platform::MsgAnswer::Yes
                                                   : platform::MsgAnswer::Ok;
    });
    setUpBenchmarks();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // Seams a benchmark installed must not outlive the application they print or play through.
    platform::setPrinterSystem({});
    platform::setSoundHandler({});
    platform::setMessageHandler({});
    platform::setClock({});
    return 0;
}
