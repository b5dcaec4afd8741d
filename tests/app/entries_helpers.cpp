#include "entries_helpers.h"

#include "shared/module1.h"
#include "support/bytes.h"

namespace {
QByteArray record(long count, const EntryRow& row) {
    QByteArray b = fixture::le32(count) + QByteArray(8, '\0');
    for (std::size_t i = 0; i < 7; ++i) {
        b += fixture::le16(i < row.balls.size() ? row.balls[i] : 0);
    }
    return b + fixture::le16(row.extra);
}
}  // namespace

Form1& EntriesTest::startGame(int balls, int pool, int bonus, const QString& name) {
    writeGame(1, game(name, balls, pool, bonus));
    return start();
}

QByteArray EntriesTest::entryFile(std::initializer_list<EntryRow> rows) {
    QByteArray all;
    long count = static_cast<long>(rows.size());
    for (const EntryRow& row : rows) {
        all += record(count, row);
        count = 0;
    }
    return all;
}

void EntriesTest::listDated(Form1& form, std::initializer_list<EntryRow> rows) {
    writeFile(m1().gamename + "05Mar2012.lot", entryFile(rows));
    form.DTPicker2_Change();
}

void EntriesTest::showDraw(Form1& form, std::initializer_list<int> balls, int extra) {
    m1().drawnumbers = {};
    int i = 1;
    for (int b : balls) {
        m1().drawnumbers[static_cast<std::size_t>(i++)] = static_cast<qint16>(b);
    }
    m1().drawnumbers[8] = static_cast<qint16>(extra);
    form.Image2[0]->show();
}

QStringList EntriesTest::lines(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) {
        out << list.item(i)->text();
    }
    return out;
}

std::vector<int> EntriesTest::selectedRows(const QListWidget& list) {
    std::vector<int> out;
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->isSelected()) {
            out.push_back(i);
        }
    }
    return out;
}

void EntriesTest::select(Form1& form, std::initializer_list<int> rows) {
    form.List1->clearSelection();
    for (int r : rows) {
        form.List1->item(r)->setSelected(true);
    }
}
