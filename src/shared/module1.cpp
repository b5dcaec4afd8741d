#include "shared/module1.h"

#include <QFile>

#include "shared/drawrecord.h"

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
    if (drawFileCount(path) == 0) {
        QFile::remove(path);
    }
}
