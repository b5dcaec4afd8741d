// Takes the help's pictures of every window: starts the program on a sample data folder, opens
// each window through the menu item or button a player uses, and saves what the window shows.
//
//   helpshots OUTPUT_FOLDER
//
// Run it under a real display (tools/helpshots/take starts Xvfb): message boxes are answered
// Yes or OK and printed, so that a window that changed shows up in its log.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "allwindows.h"
#include "app/Form1.h"
#include "entries/Form30.h"
#include "entries/Form4.h"
#include "pick34/Pick3.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/focusstyle.h"
#include "platform/messagebox.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/windows.h"
#include "playslips/PrintManager.h"
#include "playslips/configure.h"
#include "sampledata.h"
#include "shared/module1.h"
#include "support/printqueue.h"

using platform::Form;
using platform::Windows;

namespace {

QString output;
int failures = 0;

void settle(int ms) {
    const qint64 end = QDateTime::currentMSecsSinceEpoch() + ms;
    while (QDateTime::currentMSecsSinceEpoch() < end) {
        platform::doEvents();
        QThread::msleep(10);
    }
}

// Opens `window` with `open`, which may wait until the window hands back; once the window has
// settled, `prepare` may fill it in, and it is saved to `file` and closed through its close box
// (unless `keep`, for a window whose children come next).
void shoot(const QString& file, const QString& window, const std::function<void()>& open,
           const std::function<void(Form&)>& prepare = {}, bool keep = false) {
    bool done = false;
    QObject context;
    QTimer::singleShot(700, &context, [&] {
        Form* w = Windows::find(window);
        if (w == nullptr || w->isHidden()) {
            std::fprintf(stderr, "helpshots: %s did not open\n", qPrintable(window));
            ++failures;
        } else {
            if (prepare) {
                prepare(*w);
                settle(400);
            }
            const QString path = QDir(output).filePath(file);
            if (!w->grab().save(path)) {
                std::fprintf(stderr, "helpshots: cannot write %s\n", qPrintable(path));
                ++failures;
            }
            std::printf("%s: %s\n", qPrintable(file), qPrintable(w->windowTitle()));
            if (!keep) {
                w->close();
            }
        }
        done = true;
    });
    open();
    platform::waitUntil(done);
    settle(300);
}

void close(const QString& window) {
    if (Form* w = Windows::find(window)) {
        w->close();
    }
    settle(300);
}

// The live window of that name; the run stops when it is not there.
template <class T>
T& live(const QString& name) {
    T* w = Windows::live<T>(name);
    if (w == nullptr) {
        std::fprintf(stderr, "helpshots: %s is not open\n", qPrintable(name));
        std::_Exit(1);
    }
    return *w;
}

void shootAll() {
    Form1& main = live<Form1>(Form1::kName);
    // The last draw, its entries and their check, as the player sees them after choosing both.
    const auto showLastDraw = [&] {
        main.DTPicker1->setValue(helpshots::kLastDraw);
        main.DTPicker1_Change();
        main.DTPicker2->setValue(helpshots::kLastDraw);
        main.DTPicker2_Change();
        main.Command14_Click();
    };
    showLastDraw();
    settle(500);
    shoot(
        "main.png", Form1::kName, [] {}, {}, true);

    shoot("gamedefinition.png", "Form14", [&] { main.mnuName1_Click(); });
    main.DTPicker1->setValue(helpshots::kToday);
    main.DTPicker1_Change();
    shoot("drawentry.png", "Form2", [&] { main.Command1_Click(); });
    showLastDraw();
    shoot("history.png", "Form3", [&] { main.Image1_Click(); });
    main.List1->clearSelection();
    main.List1->item(2)->setSelected(true);
    shoot("editentry.png", "editEntry", [&] { main.Command6_Click(); });
    shoot("about.png", "frmAbout", [&] { main.mnuAbout_Click(); });

    shoot("addentries.png", "Form5", [&] { main.Command4_Click(); });
    shoot(
        "import.png", "Form30", [&] { main.mnuImport_Click(); },
        [](Form& w) {
            auto& import = dynamic_cast<Form30&>(w);
            import.File1->setFileName(QStringLiteral("my numbers.txt"));
            import.File1_Click();
        });
    shoot("historycheck.png", "Form6", [&] { main.Command12_Click(); });
    shoot(
        "statistics.png", "Form4", [&] { main.Image3_Click(); }, {}, true);
    shoot("singleball.png", "Form26", [] {
        Form4& stats = live<Form4>("Form4");
        stats.Text1->setText(QStringLiteral("7"));
        stats.Command4_Click();
    });
    close("Form4");
    shoot("optimiser.png", "LinkProcess", [&] { main.mnuOptCreate_Click(); });
    shoot("filter.png", "Form12", [&] { main.mnuFilter_Click(); });
    shoot("maintenance.png", "Form8", [&] { main.mnuDelete_Click(); });
    shoot("wheel.png", "Wheel5", [&] { main.mnuWheelCreate_Click(); });
    showLastDraw();

    shoot(
        "pick3.png", "Pick3", [&] { main.mnupick3_Click(); }, {}, true);
    shoot("pickhistory.png", "p34history", [] { live<Pick3>("Pick3").mnuHistory_Click(); });
    shoot("pickadd.png", "AddEntriesP34", [] { live<Pick3>("Pick3").Command4_Click(); });
    shoot("pickdelete.png", "Deletepick34", [] { live<Pick3>("Pick3").mnuDelete_Click(); });
    shoot("pickstats.png", "p34stats", [] { live<Pick3>("Pick3").mnup34morestats_Click(); });
    close("Pick3");

    shoot(
        "printmanager.png", "PrintManager", [&] { main.mnuTicketPrinting_Click(); }, {}, true);
    shoot(
        "configure.png", "configure",
        [] { live<PrintManager>("PrintManager").mnuEditConfig_Click(); }, {}, true);
    shoot("adjust.png", "adjust", [] { live<configure>("configure").mnuAdjust_Click(); });
    close("configure");
    close("PrintManager");
    shoot("printers.png", "Form11", [&] { main.mnuprinters_Click(); });

    shoot("downloads.png", "RDL", [&] { main.mnuResults_Click(); });
    shoot("loadresults.png", "Form10", [&] { main.mnuLoadRTLs_Click(); });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: helpshots OUTPUT_FOLDER\n");
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication application(argc, argv);
    // The pictures show the program's own style.
    platform::showFocusEverywhere(application);
    output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QTemporaryDir data;
    if (!data.isValid() || !QDir().mkpath(output) || !helpshots::writeSampleData(data.path())) {
        std::fprintf(stderr, "helpshots: cannot write the sample data\n");
        return 1;
    }
    // The shipped wheel files, so the wheel window finds its designs.
    const QString wheels = QStringLiteral(KESTROVA_DATA "/wheels");
    QDir().mkpath(data.path() + "/wheels");
    for (const QString& name : QDir(wheels).entryList(QDir::Files)) {
        QFile::copy(wheels + u'/' + name, data.path() + "/wheels/" + name);
    }
    platform::setAppPath(data.path());
    platform::setClock([] { return QDateTime(helpshots::kToday, QTime(12, 0)); });
    platform::setMessageHandler([](const QString& text, platform::MsgButtons buttons) {
        std::printf("  message: %s\n", qPrintable(text));
        return buttons != platform::MsgButtons::Ok ? platform::MsgAnswer::Yes
                                                   : platform::MsgAnswer::Ok;
    });
    platform::setSoundHandler([](const QString&) {});
    platform::setShellHandler({[](const QString&) { return 42; },
                               [](const QString&) { return true; },
                               [](const QString&) { return true; }});
    // A PDF queue of its own, so the print buttons are enabled as on a desktop with a printer.
    std::unique_ptr<PrivatePrintQueue> queue;
    if (!PrivatePrintQueue::unavailable()) {
        queue = std::make_unique<PrivatePrintQueue>();
        const QString problem = queue->start();
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "helpshots: no print queue: %s\n", qPrintable(problem));
        }
    }

    registerAllWindows();
    Windows::show(Form1::kName);
    QTimer::singleShot(300, &application, [&] {
        shootAll();
        platform::endProgram();
        application.quit();
    });
    // A window that never hands back would hold the run forever.
    QTimer::singleShot(180000, &application, [&] {
        std::fprintf(stderr, "helpshots: timed out\n");
        std::_Exit(1);
    });
    application.exec();
    Windows::unloadAll();
    platform::setMessageHandler({});
    return failures == 0 ? 0 : 1;
}
