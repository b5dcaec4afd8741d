#include "playslips/logic/playslipconfig.h"

#include <cmath>

#include <QFile>
#include <QFileInfo>

#include "shared/gamefiles.h"
#include "shared/gameload.h"
#include "shared/littleendian.h"
#include "shared/safefile.h"

namespace {

constexpr int kMainBase = 8;
constexpr int kExtraBase = 8720;
constexpr int kLengthOffset = 17432;

QString setName(BallSet set) {
    return set == BallSet::Main ? QStringLiteral("main") : QStringLiteral("extra");
}

}  // namespace

PlayslipConfig PlayslipConfig::fromBytes(const QByteArray& bytes) {
    PlayslipConfig c;
    c.bytes_ = bytes.left(kSize);
    c.bytes_.append(QByteArray(kSize - c.bytes_.size(), '\0'));
    return c;
}

qint16 PlayslipConfig::width() const {
    return getInt16(bytes_, 0);
}
qint16 PlayslipConfig::horizmain() const {
    return getInt16(bytes_, 2);
}
qint16 PlayslipConfig::horizextra() const {
    return getInt16(bytes_, 4);
}
qint16 PlayslipConfig::boards() const {
    return getInt16(bytes_, 6);
}
qint16 PlayslipConfig::length() const {
    return getInt16(bytes_, kLengthOffset);
}
void PlayslipConfig::setWidth(qint16 v) {
    putInt16(bytes_, 0, v);
}
void PlayslipConfig::setHorizmain(qint16 v) {
    putInt16(bytes_, 2, v);
}
void PlayslipConfig::setHorizextra(qint16 v) {
    putInt16(bytes_, 4, v);
}
void PlayslipConfig::setBoards(qint16 v) {
    putInt16(bytes_, 6, v);
}
void PlayslipConfig::setLength(qint16 v) {
    putInt16(bytes_, kLengthOffset, v);
}

int PlayslipConfig::offset(BallSet set, int ball, int board, Coord c) {
    const int base = set == BallSet::Main ? kMainBase : kExtraBase;
    return base + 4 * (ball + 66 * board + 726 * static_cast<int>(c));
}

float PlayslipConfig::mark(BallSet set, int ball, int board, Coord c) const {
    return getSingle(bytes_, offset(set, ball, board, c));
}

void PlayslipConfig::setMark(BallSet set, int ball, int board, Coord c, float mm) {
    putSingle(bytes_, offset(set, ball, board, c), mm);
}

QString PlayslipConfig::problem() const {
    // The header values the program itself writes, or 0 for "not set"; a board count beyond J
    // lies outside the record.
    if (boards() < 0 || boards() > kBoards) {
        return QStringLiteral("its number of boards is %1").arg(boards());
    }
    if (width() < 0 || width() > 255) {
        return QStringLiteral("its mark width is %1").arg(width());
    }
    if (length() < 0 || length() > 1440) {
        return QStringLiteral("its mark length is %1 twips").arg(length());
    }
    for (BallSet set : {BallSet::Main, BallSet::Extra}) {
        for (int board = 1; board <= kBoards; ++board) {
            for (int ball = 1; ball <= kBalls; ++ball) {
                for (Coord c : {Coord::X, Coord::Y}) {
                    const float v = mark(set, ball, board, c);
                    if (!std::isfinite(v) || std::fabs(v) > kMaxMillimetres) {
                        return QStringLiteral(
                                   "the %1 position of %2 ball %3 on board %4 is out "
                                   "of range")
                            .arg(QChar(c == Coord::X ? u'X' : u'Y'))
                            .arg(setName(set))
                            .arg(ball)
                            .arg(QChar(u'A' + board - 1));
                    }
                }
            }
        }
    }
    return {};
}

QString playslipPath(const QString& datapath, const QString& gamename) {
    return dataFile(datapath, playslipFileName(gamename));
}

QString playslipNameError(const QString& gamename) {
    if (!gameNameError(gamename).isEmpty() || gamename != gamename.trimmed()) {
        return QStringLiteral("The game name \"%1\" cannot name a playslip settings file.")
            .arg(gamename);
    }
    // The game definitions, the printer choice, the download's scratch file and every game's
    // adjustment file share the data folder and the ".dat" ending.
    const QString lower = gamename.toLower();
    const bool slot =
        lower.size() == 5 && lower.startsWith(u"game") && lower[4] >= u'1' && lower[4] <= u'5';
    if (slot || lower == u"print" || lower == u"tempfile" || lower.endsWith(u"adjusts")) {
        return QStringLiteral(
                   "The playslip settings of the game \"%1\" would be stored in %2, "
                   "a file the program keeps for something else. Rename the game to "
                   "set up its playslip.")
            .arg(gamename, playslipFileName(gamename));
    }
    return {};
}

ConfigRead readPlayslipConfig(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists()) {
        return {PlayslipConfig(), {}};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, QStringLiteral("The playslip settings in %1 cannot be read: %2.")
                                  .arg(name, file.errorString())};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        return {PlayslipConfig(), {}};
    }
    QString why;
    if (bytes.size() != PlayslipConfig::kSize) {
        why = QStringLiteral("it holds %1 bytes instead of %2")
                  .arg(bytes.size())
                  .arg(PlayslipConfig::kSize);
    } else {
        PlayslipConfig config = PlayslipConfig::fromBytes(bytes);
        why = config.problem();
        if (why.isEmpty()) {
            return {std::move(config), {}};
        }
    }
    return {std::nullopt,
            QStringLiteral("The playslip settings in %1 are damaged (%2) and were not used.")
                .arg(name, why)};
}

bool writePlayslipConfig(const QString& path, const PlayslipConfig& config, QString* error) {
    return writeWholeFile(path, config.bytes(), error);
}
