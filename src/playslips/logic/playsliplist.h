#pragma once
// The list of ready-made playslip settings on the playslip server, and the checks a downloaded
// file passes before it is installed in the data folder.
#include <vector>

#include <QByteArray>
#include <QString>

struct PlayslipListRow {
    QString text;  // shown in the list
    QString file;  // the file's name on the server
    bool operator==(const PlayslipListRow&) const = default;
};

inline constexpr int kMaxListRows = 500;
inline const QString kNothingToInstall =
    QStringLiteral("There are no files currently available for installing.");

// A web page sent in place of the list.
bool isWebPage(const QString& reply);
// Fields each ended by "#", taken in pairs (text, file name); line breaks are dropped wherever
// they stand; what follows the last "#" is ignored; at most 500 rows.
std::vector<PlayslipListRow> parsePlayslipList(const QString& reply);

// The data file a listed name installs to: the name without its first two characters. Empty
// when that is no bare name of a playslip settings file: it must end ".dat", stay inside the
// data folder and be none of the program's other files (game1..5.dat, print.dat, tempfile.dat,
// an adjustments file).
QString installName(const QString& listed);

// Sizes a playslip settings download may have.
inline constexpr qsizetype kMinDownload = 17000;
inline constexpr qsizetype kMaxDownload = 18000;
// Why the downloaded bytes are no playslip settings record (too short or long, cut off, a header
// value the settings window does not offer: boards 3 to 10, mark width 0, 15, 25 or 35, mark
// length 0, 100, 150 or 200; a position out of range), or empty.
QString downloadProblem(const QByteArray& bytes);
