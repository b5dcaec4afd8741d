#pragma once
// A file received over the network. Its bytes go to a temporary name beside the final one (the
// final name with ".part", which no file list of the program shows and no part of it reads), so
// that nothing under the final name is ever part-received; the caller checks the whole file and
// only then gives it its final name, or removes it.
#include <QByteArray>
#include <QFile>
#include <QString>

// Where the file to be named `finalPath` is received.
QString receivingPath(const QString& finalPath);

// The file a transfer's body is written into, chunk by chunk. It starts empty, so no byte of an
// earlier file under that name survives; every write is checked.
class ReceivedFile {
public:
    explicit ReceivedFile(const QString& path);

    bool isOpen() const { return file_.isOpen(); }
    bool append(const QByteArray& chunk);
    // Flushes and closes; false when the data may not all be on disk.
    bool finish();
    QString errorString() const { return error_; }

private:
    QFile file_;
    QString error_;
};
