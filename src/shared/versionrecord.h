#pragma once
// The 6-byte version file of the upgrade check: major, minor and revision, and how two versions
// compare. Kept with the record types, since the main window's upgrade check reads it.
#include <compare>

#include <QByteArray>
#include <QString>

inline const QString kVersionFileName = QStringLiteral("RXWversion.rtl");

struct VersionRecord {
    static constexpr int kSize = 6;

    qint16 major = 0;
    qint16 minor = 0;
    qint16 revision = 0;

    // Bytes past the end of a short file read as zeros.
    static VersionRecord fromBytes(const QByteArray& bytes);
    // A major number 1 to 100: anything else (a web page, say) is no version file.
    bool plausible() const { return major >= 1 && major <= 100; }

    // Major, then minor, then revision: 2.0.0 is newer than 1.12.2.
    auto operator<=>(const VersionRecord&) const = default;
};
