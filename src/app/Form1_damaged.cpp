// Naming a damaged results history or entry file: the player learns which file it is, that it
// was left as it is and what can restore it, instead of an empty window without a word.
#include <optional>
#include <utility>

#include <QDir>
#include <QTimer>

#include "app/Form1.h"
#include "platform/events.h"
#include "platform/messagebox.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/resultshistory.h"

namespace {

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

void Form1::noteDamagedHistory() {
    const QString path = dataFile(m1().datapath, resultsFileName(m1().gamename));
    const std::optional<ResultsHistory> history = ResultsHistory::read(path);
    if (!history || !history->damaged() || damageNamed_.contains(path)) {
        return;
    }
    damageNamed_.insert(path);
    damageToTell_ << QStringLiteral(
                         "The results history \"%1\" is damaged. It has been left as it is, and "
                         "what can be read of it is shown. A backup of the file, or Download "
                         "Results (File > Update Results), can restore it.")
                         .arg(shownPath(path));
}

void Form1::noteDamagedEntryFile(const QString& path) {
    if (damageNamed_.contains(path)) {
        return;
    }
    damageNamed_.insert(path);
    damageToTell_ << QStringLiteral(
                         "The entry file \"%1\" is damaged. It has been left as it is, and what "
                         "can be read of it is shown. A backup of the file can restore it.")
                         .arg(shownPath(path));
}

void Form1::tellDamagedFiles() {
    // While the program starts the window is not on the screen yet; showEvent tells then.
    if (!isVisible() || platform::programEnded()) {
        return;
    }
    // Taken first: a box's own event loop may run this again.
    const QStringList messages = std::exchange(damageToTell_, {});
    for (const QString& message : messages) {
        platform::msgBox(message);
    }
}

void Form1::showEvent(QShowEvent* event) {
    platform::Form::showEvent(event);
    if (!damageToTell_.isEmpty()) {
        QTimer::singleShot(0, this, &Form1::tellDamagedFiles);
    }
}
