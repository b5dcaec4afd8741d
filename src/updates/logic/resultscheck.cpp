#include "updates/logic/resultscheck.h"

#include <algorithm>

#include <QDate>

#include "shared/recordfile.h"
#include "shared/textforms.h"

namespace {

constexpr int kHighestBall = 65;
constexpr int kFewestBalls = 3;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2999;

}  // namespace

bool plausibleDraw(const DrawRecord& draw) {
    const QDate date(draw.year, draw.month, draw.day);
    if (!date.isValid() || draw.year < kFirstYear || draw.year > kLastYear) {
        return false;
    }
    const auto used = std::find(draw.balls.begin(), draw.balls.end(), qint16{0});
    if (used - draw.balls.begin() < kFewestBalls ||
        std::any_of(used, draw.balls.end(), [](qint16 b) { return b != 0; })) {
        return false;
    }
    std::array<bool, kHighestBall + 1> seen{};
    for (auto b = draw.balls.begin(); b != used; ++b) {
        if (*b < 1 || *b > kHighestBall || seen[static_cast<std::size_t>(*b)]) {
            return false;
        }
        seen[static_cast<std::size_t>(*b)] = true;
    }
    return draw.extra >= 0 && draw.extra <= kHighestBall;
}

ResultsCheck checkResultsFile(const QByteArray& bytes) {
    ResultsCheck check;
    if (bytes.isEmpty()) {
        check.fault = ResultsFault::Empty;
        return check;
    }
    if (bytes.size() > kLargestResultsFile) {
        check.fault = ResultsFault::TooLarge;
        return check;
    }
    if (bytes.size() % DrawRecord::kSize != 0) {
        check.fault = ResultsFault::PartRecord;
        return check;
    }
    const DrawImage image(bytes);
    const qint64 held = bytes.size() / DrawRecord::kSize;
    check.count = image.read(1).count;
    // Every reader walks the count as a 16-bit number, so a larger one is no history either.
    if (check.count < 1 || check.count > held || check.count > kMaxRecordCount) {
        check.fault = ResultsFault::BadCount;
        return check;
    }
    qint32 previous = 0;
    for (int r = 1; r <= check.count; ++r) {
        const DrawRecord draw = image.read(r);
        if (!plausibleDraw(draw)) {
            check.fault = ResultsFault::BadDraw;
            check.record = r;
            return check;
        }
        const qint32 key = datekey(draw.year, draw.month, draw.day);
        if (key < previous) {
            check.fault = ResultsFault::OutOfOrder;
            check.record = r;
            return check;
        }
        previous = key;
        check.last = draw;
    }
    // Records past the count are draws a deletion moved down and left behind, in any order;
    // anything else there (a page appended to the file, say) means the download is damaged.
    for (int r = check.count + 1; r <= held; ++r) {
        if (!plausibleDraw(image.read(r))) {
            check.fault = ResultsFault::BadTail;
            check.record = r;
            return check;
        }
    }
    return check;
}

QString drawDateText(const DrawRecord& draw, const QString& dateorder) {
    const QString d = QString::number(draw.day);
    const QString m = QString::number(draw.month);
    const QString y = QString::number(draw.year);
    const QChar s = u'/';
    if (dateorder == u"MMDDYY") {
        return m + s + d + s + y;
    }
    if (dateorder == u"DDMMYY") {
        return d + s + m + s + y;
    }
    if (dateorder == u"YYMMDD") {
        return y + s + m + s + d;
    }
    return {};
}
