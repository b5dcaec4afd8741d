#include "entrywindow_helpers.h"

#include "entries/entrieswindows.h"
#include "shared/module1.h"
#include "support/bytes.h"

void EntryWindowTest::SetUp() {
    EntriesTest::SetUp();
    registerEntriesWindows();
}

void EntryWindowTest::writeHistory(std::initializer_list<Draw> draws) {
    writeHistory(std::vector<Draw>(draws));
}

void EntryWindowTest::writeHistory(const std::vector<Draw>& draws) {
    QByteArray all;
    int ordinal = 1;
    for (const Draw& d : draws) {
        QByteArray r = fixture::le32(ordinal == 1 ? static_cast<long>(draws.size()) : 0) +
                       fixture::le16(ordinal) + fixture::le16(d.day) + fixture::le16(d.month) +
                       fixture::le16(d.year);
        for (std::size_t i = 0; i < 7; ++i) {
            r += fixture::le16(i < d.balls.size() ? d.balls[i] : 0);
        }
        all += r + fixture::le16(d.extra);
        ++ordinal;
    }
    writeFile(QStringLiteral("Lotto.rtl"), all);
}
