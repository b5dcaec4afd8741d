#include "shared/safefile.h"

#include <unistd.h>

#include <cerrno>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "shared/filefaults.h"

namespace {

using Step = FileFaults::Step;

bool failed(QString* error, const QString& reason) {
    if (error != nullptr) {
        *error = reason;
    }
    return false;
}

QString notWritable(const QString& path) {
    return QStringLiteral("Existing file %1 is not writable").arg(path);
}

// The outcome of one step that has run: the fault seam may still fail it, as a full disk would,
// so a test of the seam goes through the same check as a real failure. Empty when it succeeded,
// else the reason.
QString outcome(Step step, bool ok, const QString& error) {
    if (fileFaults().fails(step)) {
        return FileFaults::reason(step);
    }
    return ok ? QString() : error;
}

}  // namespace

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
    // The system would let root replace it; the player marked it read-only all the same.
    if (mayOnlyRead(path)) {
        return failed(error, notWritable(path));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failed(error, file.errorString());
    }
    // Each step is checked before the next: QSaveFile's commit can miss a failed flush and would
    // then rename a short or empty file over the old one. On any failure the temporary file is
    // discarded with `file`.
    // The reason is read only once the write has run: as arguments of one call the two would be
    // evaluated in an unspecified order, and the text would then describe no failure at all.
    const bool written = file.write(bytes) == bytes.size();
    QString reason = outcome(Step::Write, written, file.errorString());
    if (reason.isEmpty()) {
        const bool flushed = file.flush();
        // Some file systems report a full disk only when the data is synced.
        const bool synced = flushed && ::fdatasync(file.handle()) == 0;
        const QString why = flushed ? qt_error_string(errno) : file.errorString();
        reason = outcome(Step::Flush, synced, why);
    }
    if (reason.isEmpty()) {
        // A failure injected here cancels the write, so that commit itself fails and is checked.
        const bool injected = fileFaults().fails(Step::Commit);
        if (injected) {
            file.cancelWriting();
        }
        if (!file.commit()) {
            reason = injected ? FileFaults::reason(Step::Commit) : file.errorString();
        }
    }
    if (reason.isEmpty()) {
        return true;
    }
    if (file.isOpen()) {
        file.cancelWriting();
    }
    return failed(error, reason);
}

bool mayOnlyRead(const QString& path) {
    const QFileInfo info(path);
    return info.exists() &&
           (!info.isWritable() || !info.permissions().testFlag(QFileDevice::WriteOwner));
}

bool removeFile(const QString& path, QString* error) {
    if (mayOnlyRead(path)) {
        return failed(error, QStringLiteral("%1 is read-only").arg(path));
    }
    // A failure injected here keeps the file, as a removal the system refuses does.
    if (fileFaults().fails(Step::Remove)) {
        return failed(error, FileFaults::reason(Step::Remove));
    }
    QFile file(path);
    return file.remove() || failed(error, file.errorString());
}
