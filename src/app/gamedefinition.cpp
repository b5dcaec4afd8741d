#include "app/gamedefinition.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "app/wheelmenu.h"
#include "platform/messagebox.h"
#include "shared/ansitext.h"
#include "shared/gamefiles.h"
#include "shared/gameload.h"
#include "shared/numbertext.h"
#include "shared/safefile.h"
#include "shared/textforms.h"

namespace {

// Whether `middle` is the date part of a dated entry file in any of the three date orders, so
// that files written before a change of the system's date order still count as the game's own.
bool isFiledate(const QString& middle) {
    static const QRegularExpression dayFirst(QStringLiteral("^\\d{2}(.+)\\d{4}$"));
    static const QRegularExpression monthFirst(QStringLiteral("^(.+)\\d{6}$"));
    static const QRegularExpression yearFirst(QStringLiteral("^\\d{4}(.+)\\d{2}$"));
    for (const QRegularExpression* form : {&dayFirst, &monthFirst, &yearFirst}) {
        const QRegularExpressionMatch m = form->match(middle);
        if (!m.hasMatch()) {
            continue;
        }
        for (int month = 1; month <= 12; ++month) {
            if (m.captured(1) == monthAbbreviation(month)) {
                return true;
            }
        }
    }
    return false;
}

QString extraBallCode(ExtraBallId id) {
    switch (id) {
        case ExtraBallId::EB:
            return QStringLiteral("EB");
        case ExtraBallId::PB:
            return QStringLiteral("PB");
        case ExtraBallId::MB:
            return QStringLiteral("MB");
        case ExtraBallId::BB:
        case ExtraBallId::Other:
            break;
    }
    return QStringLiteral("BB");
}

}  // namespace

QString definitionError(const GameDefinitionInput& in) {
    if (QString e = gameNameError(in.name); !e.isEmpty()) {
        return e;
    }
    const double t2 = leadingNumber(in.ballsdrawn);
    const double t3 = leadingNumber(in.bonusdrawn);
    const double t4 = leadingNumber(in.mainpool);
    const double t6 = leadingNumber(in.bonuspool);
    const double t7 = leadingNumber(in.mainperentry);
    const double t8 = leadingNumber(in.bonusperentry);
    const bool no = in.source == BonusSource::OwnPool;
    const bool yes = in.source == BonusSource::MainPool;
    const bool notUsed = in.source == BonusSource::NotUsed;
    const struct {
        bool fails;
        const char* message;
    } rules[] = {
        {t2 > 7 || t2 < 3, "The number of Main Balls in Draw Result must be between 3 and 7"},
        {t2 == 3 && t6 == 0,
         "For a Pick 3 game you must have at least one bonus ball from its own pool"},
        {t2 >= t4,
         "The number of Balls in Main Pool is always greater then the number of balls in draw "
         "result!"},
        {t4 > 65, "65 is the maximum number of Balls in Main Pool!"},
        {t6 > 65, "65 is the maximum number of Balls in Bonus Pool!"},
        {t3 > 1, "Maximum number of bonus balls in draw result is 1 (options are: 0 or 1)"},
        {t3 == 1 && t2 == 7,
         "For a Pick 7 game no bonus ball configuration is currently available"},
        {no && t3 == 0,
         "You cannot have no bonus ball in draw result and [No] selected. If there is no "
         "bonus/extra ball used in the game select [Bonus Not Used in Draw]"},
        {yes && t3 == 0,
         "You cannot have no bonus ball in draw result and [Yes] selected. If there is no "
         "bonus/extra ball used in the game select [Bonus Not Used in Draw]"},
        {notUsed && t3 == 1,
         "You cannot have a bonus ball in draw result and [Bonus Not Used in Draw] selected."},
        {t6 == 0 && t3 == 1 && !yes,
         "If the bonus ball is picked from the main ball pool then you must select [Yes]."},
        {t6 > 0 && !no,
         "If there is a bonus ball pool, you must slect [No] to indicate that the bonus/extra "
         "ball is not picked from the main ball pool."},
        {t6 > 0 && t3 == 0,
         "If there is a bonus ball pool, you must have a number of bonus balls in draw result."},
        {t2 != t7,
         "The number of main balls in draw result must be the same as the number of main balls "
         "picked for entry!."},
        {t8 == 0 && t6 > 0,
         "If no bonus ball is picked for the entry, you cannot have a bonus ball pool."},
        {t8 > 1, "Only one bonus ball picked for entry is currently allowed."},
        {t8 > 0 && t3 == 0,
         "You cannot have a bonus/extra ball picked for entry, but none in the draw result."},
    };
    for (const auto& rule : rules) {
        if (rule.fails) {
            return QString::fromLatin1(rule.message);
        }
    }
    return {};
}

QString nameConflictError(const QString& datapath, int slot, const QString& name) {
    const QString t1 = trimBlanks(name);
    const QString lower = t1.toLower();
    // A game's playslip configuration is its name with ".dat": game1 would overwrite slot 1,
    // print the chosen printer, and Xadjusts the print adjustment of game X.
    static const QStringList reserved = {QStringLiteral("game1"), QStringLiteral("game2"),
                                         QStringLiteral("game3"), QStringLiteral("game4"),
                                         QStringLiteral("game5"), QStringLiteral("print")};
    const QString adjusts = QStringLiteral("adjusts");
    if (reserved.contains(lower) || (lower.endsWith(adjusts) && lower.size() > adjusts.size())) {
        return QStringLiteral(
                   "The game name %1 cannot be used: its files would have the names of other "
                   "data files of the program. Please choose a different name.")
            .arg(t1);
    }
    for (int other = 1; other <= 5; ++other) {
        if (other == slot) {
            continue;
        }
        const GameRecord r = readGameRecord(dataFile(datapath, slotFileName(other)));
        const bool defined = r.ballsdrawn > 0 || r.mainpool > 1;
        if (defined && trimBlanks(r.name).compare(t1, Qt::CaseInsensitive) == 0) {
            return QStringLiteral(
                       "The game name %1 is already used by game slot %2. Two games cannot share "
                       "a name: please choose a different name.")
                .arg(t1)
                .arg(other);
        }
    }
    return {};
}

QString preferencesError(const PreferencesInput& in) {
    if (in.id != ExtraBallId::Other) {
        return {};
    }
    if (trimBlanks(in.otherId).size() != 2) {
        return QStringLiteral(
            "You must enter a two character identity for the extra/bonus ball on your Preferences "
            "options");
    }
    if (trimBlanks(in.otherName).isEmpty()) {
        return QStringLiteral(
            "You must enter a name for the extra/bonus ball on your Preferences option");
    }
    return {};
}

void applyDefinition(GameRecord& record, const GameDefinitionInput& in) {
    record.name = trimBlanks(in.name).leftJustified(12);
    record.ballsdrawn = textToInteger(in.ballsdrawn);
    record.bonuspool = textToInteger(in.bonuspool);
    record.mainpool = textToInteger(in.mainpool);
    record.bonusdrawn = textToInteger(in.bonusdrawn);
    record.mainperentry = textToInteger(in.mainperentry);
    record.bonusperentry = textToInteger(in.bonusperentry);
    record.bonusfrommain = static_cast<qint16>(in.source);
}

void applyPreferences(GameRecord& record, const PreferencesInput& in) {
    record.ballcolour = in.redMainBalls ? 1 : 0;
    if (in.id == ExtraBallId::Other) {
        record.extraballid = trimBlanks(in.otherId).toUpper();
        record.extraballname = trimBlanks(in.otherName);
    } else {
        record.extraballid = extraBallCode(in.id);
        record.extraballname = QString(10, u' ');
    }
}

QStringList ownGameFiles(const QString& datapath, const QString& gamename) {
    // A name this window would refuse comes from a damaged slot file; it may even lead out of
    // the data folder ("..\\x"), so no file is taken for its own.
    if (!gameNameError(gamename).isEmpty()) {
        return {};
    }
    QStringList names = {resultsFileName(gamename), standingEntryFileName(gamename)};
    const QString lot = QStringLiteral(".lot");
    const QDir folder(datapath);
    for (const QString& name : folder.entryList(QDir::Files)) {
        if (name.startsWith(gamename) && name.endsWith(lot) &&
            isFiledate(name.sliced(gamename.size(), name.size() - gamename.size() - lot.size()))) {
            names << name;
        }
    }
    for (const WheelMenuItem& w : wheelMenuItems()) {
        names << wheelEntryFileName(gamename, w.k, w.d, w.m);
    }
    QStringList paths;
    for (const QString& name : names) {
        const QString path = dataFile(datapath, name);
        if (QFile::exists(path)) {
            paths << path;
        }
    }
    return paths;
}

int slotNumber(const QString& gamefile) {
    static const QRegularExpression slot(QStringLiteral("^game([1-5])\\.dat$"));
    const QRegularExpressionMatch m = slot.match(trimBlanks(gamefile));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

GameDefinition::GameDefinition(QString datapath, QString gamefile)
    : datapath_(std::move(datapath)), gamefile_(trimBlanks(gamefile)) {
    loaded_ = readGameRecord(path());
    if (loaded_.ballsdrawn > 0) {
        oldgamename_ = trimBlanks(loaded_.name);
        existinggame_ = true;
    }
}

QString GameDefinition::path() const {
    return dataFile(datapath_, gamefile_);
}

bool GameDefinition::write(const GameRecord& record) {
    // Only record 1 is ours: anything stored behind it stays.
    QByteArray bytes;
    if (QFile f(path()); f.open(QIODevice::ReadOnly)) {
        bytes = f.readAll();
    }
    if (bytes.size() < GameRecord::kSize) {
        bytes.append(QByteArray(GameRecord::kSize - bytes.size(), '\0'));
    }
    bytes.replace(0, GameRecord::kSize, record.toBytes());
    QString error;
    if (writeWholeFile(path(), bytes, &error)) {
        return true;
    }
    platform::msgBox(
        QStringLiteral("The game definition could not be saved to %1 (%2). Nothing was changed.")
            .arg(gamefile_, error));
    return false;
}

bool GameDefinition::saveDefinition(const GameDefinitionInput& definition,
                                    const PreferencesInput& preferences) {
    // Everything is checked before anything is deleted or written.
    for (const QString& error :
         {definitionError(definition),
          nameConflictError(datapath_, slotNumber(gamefile_), definition.name),
          preferencesError(preferences)}) {
        if (!error.isEmpty()) {
            platform::msgBox(error);
            return false;
        }
    }
    if (existinggame_) {
        const auto answer = platform::msgBox(
            QStringLiteral(
                "WARNING - If you amend an existing game all results and entries for that "
                "existing game will be deleted. If you have changed the Game Name, you will also "
                "not be able to download results from the web for that game. Are you sure you "
                "want to save changes to this game?"),
            platform::MsgButtons::YesNo, platform::MsgDefault::No);
        if (answer != platform::MsgAnswer::Yes) {
            platform::msgBox(QStringLiteral("Changes not saved"));
            return false;
        }
    }
    // An amended game starts afresh, without winning combinations or draw days.
    GameRecord record = existinggame_ ? GameRecord{} : readGameRecord(path());
    applyDefinition(record, definition);
    applyPreferences(record, preferences);
    if (!write(record)) {
        return false;
    }
    if (existinggame_) {
        QStringList kept;
        for (const QString& file : ownGameFiles(datapath_, oldgamename_)) {
            if (!removeFile(file)) {
                kept << QDir::toNativeSeparators(file);
            }
        }
        if (!kept.isEmpty()) {
            platform::msgBox(QStringLiteral("These files of the old game could not be deleted:\n%1")
                                 .arg(kept.join(u'\n')));
        }
    }
    platform::msgBox(QStringLiteral(
        "Game Saved - You must exit and restart the program for the changes to take effect"));
    return true;
}

bool GameDefinition::saveLevels(const std::array<bool, 15>& levels) {
    GameRecord record = readGameRecord(path());
    for (int k = 1; k <= 15; ++k) {
        record.prizelevels[k] = levels[k - 1] ? 1 : 0;
    }
    return write(record);
}

bool GameDefinition::saveDays(const std::array<bool, 7>& days) {
    GameRecord record = readGameRecord(path());
    for (int k = 1; k <= 7; ++k) {
        record.drawdays[k] = days[k - 1] ? static_cast<qint16>(k) : 0;
    }
    return write(record);
}

bool GameDefinition::savePreferences(const PreferencesInput& preferences) {
    GameRecord record = readGameRecord(path());
    if (const QString error = preferencesError(preferences); !error.isEmpty()) {
        platform::msgBox(error);
        return false;
    }
    applyPreferences(record, preferences);
    return write(record);
}
