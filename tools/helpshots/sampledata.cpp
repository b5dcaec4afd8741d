#include "sampledata.h"

#include <algorithm>
#include <random>
#include <vector>

#include <QFile>

#include "pick34/logic/pickfiles.h"
#include "pick34/logic/pickrecord.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/gamerecord.h"

namespace helpshots {
namespace {

bool save(const QString& folder, const QString& name, const QByteArray& bytes) {
    QFile f(dataFile(folder, name));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

GameRecord game(const QString& name, int pool, int extraPool, const QString& id,
                std::initializer_list<int> days) {
    GameRecord g;
    g.name = name.leftJustified(12);
    g.ballsdrawn = 5;
    g.bonusdrawn = 1;
    g.mainpool = static_cast<qint16>(pool);
    g.bonusfrommain = 0;
    g.bonuspool = static_cast<qint16>(extraPool);
    g.mainperentry = 5;
    g.bonusperentry = 1;
    for (int k = 1; k <= 9; ++k) {
        g.prizelevels[k] = 1;
    }
    for (int d : days) {
        g.drawdays[d] = static_cast<qint16>(d);
    }
    g.ballcolour = 0;
    g.extraballid = id;
    g.extraballname = QString(10, u' ');
    return g;
}

std::vector<qint16> distinct(std::mt19937& random, int count, int pool) {
    std::vector<qint16> all(pool);
    for (int i = 0; i < pool; ++i) {
        all[i] = static_cast<qint16>(i + 1);
    }
    std::shuffle(all.begin(), all.end(), random);
    all.resize(count);
    std::sort(all.begin(), all.end());
    return all;
}

DrawRecord draw(const QDate& date, const std::vector<qint16>& balls, qint16 extra) {
    DrawRecord r;
    r.day = static_cast<qint16>(date.day());
    r.month = static_cast<qint16>(date.month());
    r.year = static_cast<qint16>(date.year());
    std::copy(balls.begin(), balls.end(), r.balls.begin());
    r.extra = extra;
    return r;
}

// Records 1..n with the count in record 1.
QByteArray file(std::vector<DrawRecord> records) {
    QByteArray bytes;
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].ordinal = static_cast<qint16>(i + 1);
        records[i].count = i == 0 ? static_cast<qint32>(records.size()) : 0;
        bytes += records[i].toBytes();
    }
    return bytes;
}

// Weekdays count Sunday = 1 (Qt counts Monday = 1).
int weekday(const QDate& d) {
    return d.dayOfWeek() % 7 + 1;
}

bool writeGame(const QString& folder, int slot, const GameRecord& g, std::mt19937& random,
               bool withEntries) {
    std::vector<DrawRecord> draws;
    for (QDate d = kLastDraw.addYears(-2); d <= kLastDraw; d = d.addDays(1)) {
        if (g.drawdays[weekday(d)] != 0) {
            draws.push_back(draw(d, distinct(random, g.ballsdrawn, g.mainpool),
                                 static_cast<qint16>(random() % g.bonuspool + 1)));
        }
    }
    const QString name = g.name.trimmed();
    if (!save(folder, slotFileName(slot), g.toBytes()) ||
        !save(folder, resultsFileName(name), file(draws))) {
        return false;
    }
    if (!withEntries) {
        return true;
    }
    // Entries for the last draw; two of them share numbers with it, so the check finds wins.
    const DrawRecord last = draws.back();
    std::vector<DrawRecord> entries;
    for (int i = 0; i < 10; ++i) {
        std::vector<qint16> balls = distinct(random, g.mainperentry, g.mainpool);
        qint16 extra = static_cast<qint16>(random() % g.bonuspool + 1);
        if (i == 2 || i == 6) {
            const int shared = i == 2 ? 4 : 3;
            std::vector<qint16> mixed(last.balls.begin(), last.balls.begin() + shared);
            for (qint16 b : balls) {
                if (static_cast<int>(mixed.size()) < g.mainperentry &&
                    std::find(mixed.begin(), mixed.end(), b) == mixed.end() &&
                    std::find(last.balls.begin(), last.balls.end(), b) == last.balls.end()) {
                    mixed.push_back(b);
                }
            }
            std::sort(mixed.begin(), mixed.end());
            balls = mixed;
            extra = i == 2 ? last.extra : extra;
        }
        entries.push_back(draw(kLastDraw, balls, extra));
    }
    return save(folder, datedEntryFileName(name, kLastDraw, QStringLiteral("DDMMYY")),
                file(entries));
}

bool writePick3(const QString& folder, std::mt19937& random) {
    for (PickTime time : {PickTime::Day, PickTime::Night}) {
        PickImage image;
        int r = 0;
        for (QDate d = kLastDraw.addDays(-180); d <= kLastDraw; d = d.addDays(1)) {
            PickRecord p;
            p.ordinal = static_cast<qint16>(++r);
            p.day = static_cast<qint16>(d.day());
            p.month = static_cast<qint16>(d.month());
            p.year = static_cast<qint16>(d.year());
            for (int k = 0; k < 3; ++k) {
                p.digits[k] = static_cast<qint16>(random() % 10);
            }
            image.put(r, p);
        }
        PickRecord first = image.record(1);
        first.count = r;
        image.put(1, first);
        if (!save(folder, pickResultsFileName(3, time), image.bytes())) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool writeSampleData(const QString& folder) {
    std::mt19937 random(20261114);
    return writeGame(folder, 1, game(QStringLiteral("Powerball"), 59, 35, "PB", {2, 4, 7}), random,
                     true) &&
           writeGame(folder, 2, game(QStringLiteral("MegaMillions"), 56, 46, "MB", {3, 6}), random,
                     false) &&
           writePick3(folder, random) &&
           save(folder, QStringLiteral("my numbers.txt"),
                "03 11 24 38 51 PB 09\r\n07 19 22 40 55 PB 17\r\n01 14 29 33 47 PB 30\r\n");
}

}  // namespace helpshots
