#include "pick34/logic/pickcheck.h"

#include <numeric>

namespace {

using Used = std::array<bool, 4>;

// Pairs the digits not used yet, draw digit by draw digit, each pairing using up both.
int countAnyOrder(const PickDigits& draw, Used& drawUsed, const PickDigits& entry, Used& entryUsed,
                  int k) {
    int any = 0;
    for (int i = 0; i < k; ++i) {
        for (int j = 0; j < k; ++j) {
            if (!drawUsed[i] && !entryUsed[j] && draw[i] == entry[j]) {
                ++any;
                drawUsed[i] = true;
                entryUsed[j] = true;
            }
        }
    }
    return any;
}

int digitSum(const PickDigits& d, int k) {
    return std::accumulate(d.begin(), d.begin() + k, 0);
}

}  // namespace

PickMatch checkPick(const PickDigits& entry, const PickDigits& draw, int k) {
    PickMatch m;
    m.sum = digitSum(entry, k) == digitSum(draw, k);
    Used drawUsed{};
    Used entryUsed{};
    for (int i = 0; i < k; ++i) {
        if (draw[i] == entry[i]) {
            ++m.exact;
            drawUsed[i] = true;
            entryUsed[i] = true;
        }
    }
    m.any = countAnyOrder(draw, drawUsed, entry, entryUsed, k);
    return m;
}

QString pickSummaryLine(const PickDigits& entry, int k, const PickMatch& match) {
    QString line;
    for (int i = 0; i < k; ++i) {
        line += u' ' + QString::number(entry[i]);
    }
    line += QStringLiteral(" (%1-%2) ").arg(match.exact).arg(match.any);
    if (match.sum) {
        line += QStringLiteral("Sum");
    }
    return line;
}

QStringList checkPickEntries(const PickImage& entries, const PickDigits& draw, int k) {
    QStringList lines;
    const int n = entries.count();
    lines.reserve(n);
    for (int r = 1; r <= n; ++r) {
        const PickDigits e = entries.record(r).digits;
        lines << pickSummaryLine(e, k, checkPick(e, draw, k));
    }
    return lines;
}

bool checkforcombo(const PickDigits& entry, const PickDigits& draw, int k) {
    Used drawUsed{};
    Used entryUsed{};
    return countAnyOrder(draw, drawUsed, entry, entryUsed, k) == k;
}

bool isPickNumber(const QString& text, int k) {
    if (text.trimmed().size() != k || text.size() < k) {
        return false;
    }
    for (int i = 0; i < k; ++i) {
        if (text[i] < u'0' || text[i] > u'9') {
            return false;
        }
    }
    return true;
}

PickDigits pickDigitsOf(const QString& text, int k) {
    PickDigits d{};
    for (int i = 0; i < k && i < text.size(); ++i) {
        const int v = text[i].digitValue();
        d[i] = static_cast<qint16>(v < 0 ? 0 : v);
    }
    return d;
}

QString pickDigitText(const PickDigits& digits, int k) {
    QString text;
    for (int i = 0; i < k; ++i) {
        text += QString::number(digits[i]);
    }
    return text;
}
