#pragma once
// The playslip settings of one game: where every box of every board sits on the slip, for the
// main balls and the extra balls, and how marks are drawn. One 17434-byte record, kept as its
// bytes so that whatever is not changed is written back exactly as it was read.
#include <optional>

#include <QByteArray>
#include <QString>

enum class BallSet { Main, Extra };
enum class Coord { X = 1, Y = 2 };

// Millimetres to twips, as the slips were measured for.
inline constexpr double kMmToTwips = 56.82;
// A stored position beyond this many millimetres either way is no place on a playslip.
inline constexpr double kMaxMillimetres = 10000.0;

class PlayslipConfig {
public:
    static constexpr int kSize = 17434;
    static constexpr int kBalls = 65;   // ball numbers 1..65
    static constexpr int kBoards = 10;  // boards 1 (A) .. 10 (J)

    PlayslipConfig() : bytes_(kSize, '\0') {}
    // The record from exactly kSize bytes (shorter ones are padded with zeros).
    static PlayslipConfig fromBytes(const QByteArray& bytes);
    const QByteArray& bytes() const { return bytes_; }

    qint16 width() const;       // DrawWidth of the marks: 15, 25, 35; 0 never saved
    qint16 horizmain() const;   // -1 horizontal marks, else vertical
    qint16 horizextra() const;  // -1 horizontal marks, else vertical
    qint16 boards() const;      // 3..10; 0 not set
    qint16 length() const;      // mark length in twips: 100, 150, 200; 0 not set
    void setWidth(qint16 v);
    void setHorizmain(qint16 v);
    void setHorizextra(qint16 v);
    void setBoards(qint16 v);
    void setLength(qint16 v);

    // Position of a ball's box in millimetres (0 or below: no position). Ball 0..65, board
    // 0..10; index 0 is never used but kept as read.
    float mark(BallSet set, int ball, int board, Coord c) const;
    void setMark(BallSet set, int ball, int board, Coord c, float mm);
    // Byte offset of the element (ball, board, coordinate) of a set.
    static int offset(BallSet set, int ball, int board, Coord c);

    // Why the record cannot be used (a header value or a position out of range), or empty.
    QString problem() const;

    bool operator==(const PlayslipConfig&) const = default;

private:
    QByteArray bytes_;
};

// The settings file of a game: the game name with ".dat".
QString playslipPath(const QString& datapath, const QString& gamename);
// Why the game's settings file name is unsafe (it would leave the data folder, or be one of the
// program's other files), or empty.
QString playslipNameError(const QString& gamename);

struct ConfigRead {
    std::optional<PlayslipConfig> config;
    QString error;  // the message to show when config is empty
};
// Reads the whole file. A missing or empty file is a game never configured (all zeros); a file
// of any other size than one record, or with values out of range, is refused, never read in part.
ConfigRead readPlayslipConfig(const QString& path);
// Replaces the file whole; false with the reason when it could not be written.
bool writePlayslipConfig(const QString& path, const PlayslipConfig& config, QString* error);
