#include "shared/gamerecord.h"

#include "shared/ansitext.h"
#include "shared/littleendian.h"
#include "shared/recordfile.h"

QByteArray GameRecord::toBytes() const {
    QByteArray b(kSize, '\0');
    b.replace(0, 12, toAnsi(name, 12));
    const std::array<qint16, 7> counts = {ballsdrawn, bonusdrawn,   mainpool,     bonusfrommain,
                                          bonuspool,  mainperentry, bonusperentry};
    for (int i = 0; i < 7; ++i) {
        putInt16(b, 12 + 2 * i, counts[i]);
    }
    for (int i = 0; i < 16; ++i) {
        putInt16(b, 26 + 2 * i, prizelevels[i]);
    }
    for (int i = 0; i < 8; ++i) {
        putInt16(b, 58 + 2 * i, drawdays[i]);
    }
    putInt16(b, 74, ballcolour);
    b.replace(76, 2, toAnsi(extraballid, 2));
    b.replace(78, 10, toAnsi(extraballname, 10));
    return b;
}

GameRecord GameRecord::fromBytes(const QByteArray& bytes) {
    QByteArray b = bytes.left(kSize);
    b.append(QByteArray(kSize - b.size(), '\0'));
    GameRecord r;
    r.name = fromAnsi(QByteArrayView(b).sliced(0, 12));
    qint16* counts[] = {&r.ballsdrawn, &r.bonusdrawn,   &r.mainpool,     &r.bonusfrommain,
                        &r.bonuspool,  &r.mainperentry, &r.bonusperentry};
    for (int i = 0; i < 7; ++i) {
        *counts[i] = getInt16(b, 12 + 2 * i);
    }
    for (int i = 0; i < 16; ++i) {
        r.prizelevels[i] = getInt16(b, 26 + 2 * i);
    }
    for (int i = 0; i < 8; ++i) {
        r.drawdays[i] = getInt16(b, 58 + 2 * i);
    }
    r.ballcolour = getInt16(b, 74);
    r.extraballid = fromAnsi(QByteArrayView(b).sliced(76, 2));
    r.extraballname = fromAnsi(QByteArrayView(b).sliced(78, 10));
    return r;
}

GameRecord readGameRecord(const QString& path) {
    RecordFile file(path, GameRecord::kSize);
    return GameRecord::fromBytes(file.read(1));
}
