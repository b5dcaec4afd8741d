#include "shared/module1.h"

#include <QFileInfo>

#include "shared/drawrecord.h"
#include "shared/safefile.h"

namespace {
Module1 state;
}

Module1& m1() {
    return state;
}

void resetModule1() {
    state = Module1{};
}

void deleteemptyselection() {
    const QString path = m1().selectionfile;
    if (path.isEmpty()) {
        return;
    }
    // Only a file that was read and holds a count of exactly 0 goes: one that cannot be read,
    // or that is damaged (a negative count, a part record), may still hold entries.
    const bool empty = [&path] {
        DrawFile file(path);
        return file.isOpen() && file.read(1).count == 0 &&
               !recordsDamaged(QFileInfo(path).size(), DrawRecord::kSize, 0);
    }();
    // A file the player may only read stays (removeFile refuses it).
    if (empty) {
        removeFile(path);
    }
}
