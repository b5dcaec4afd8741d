#pragma once
// A real full disk for tests: a small tmpfs mounted over a folder (hiding what it held) and
// filled up. Mounting needs root; where the system refuses, mounted() is false and why() says so.
#include <QString>

class SmallDisk {
public:
    explicit SmallDisk(const QString& folder, int kib = 64);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString why() const { return why_; }
    // Takes every free block with a file "filler"; false when the disk never filled.
    bool fill() const;

private:
    QString folder_;
    bool mounted_ = false;
    QString why_;
};
