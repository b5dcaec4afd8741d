#pragma once
// The 88-byte game definition, the only record of game1.dat .. game5.dat.
#include <array>

#include <QByteArray>
#include <QString>

struct GameRecord {
    static constexpr int kSize = 88;

    QString name;  // 12 characters as stored
    qint16 ballsdrawn = 0;
    qint16 bonusdrawn = 0;
    qint16 mainpool = 0;
    qint16 bonusfrommain = 0;  // 0 own pool, 1 main pool, 2 no extra ball
    qint16 bonuspool = 0;
    qint16 mainperentry = 0;
    qint16 bonusperentry = 0;
    std::array<qint16, 16> prizelevels{};  // element k = 1 when level k counts
    std::array<qint16, 8> drawdays{};      // element k = k on a draw day (1 = Sunday)
    qint16 ballcolour = 0;                 // 1 red, 0 white
    QString extraballid;                   // 2 characters as stored
    QString extraballname;                 // 10 characters as stored

    QByteArray toBytes() const;
    static GameRecord fromBytes(const QByteArray& bytes);
    bool operator==(const GameRecord&) const = default;
};

// Reads record 1 of a slot file; a missing or short file reads as zeros (and is left behind).
GameRecord readGameRecord(const QString& path);
