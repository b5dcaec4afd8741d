#include "shared/filefaults.h"

#include <cerrno>

void FileFaults::failAt(Step step, int n) {
    failAt_[index(step)] = n < 1 ? 0 : seen_[index(step)] + n;
}

void FileFaults::reset() {
    *this = FileFaults{};
}

bool FileFaults::fails(Step step) {
    const int n = ++seen_[index(step)];
    return n == failAt_[index(step)];
}

QString FileFaults::reason(Step step) {
    return qt_error_string(step == Step::Remove ? EACCES : ENOSPC);
}

FileFaults& fileFaults() {
    static FileFaults faults;
    return faults;
}
