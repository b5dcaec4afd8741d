#include "pick34/logic/pickchart.h"

std::optional<DigitCounts> digitCounts(const PickImage& draws, int position) {
    DigitCounts counts{};
    if (position < 1 || position > 4) {
        return counts;
    }
    const int n = draws.count();
    for (int r = 1; r <= n; ++r) {
        const int d = draws.record(r).digits[static_cast<std::size_t>(position - 1)];
        if (d < 0 || d > 9) {
            return std::nullopt;
        }
        ++counts[static_cast<std::size_t>(d)];
    }
    return counts;
}

QString digitChartCaption(int position, int draws) {
    static const char* const kCaptions[4] = {
        "Number of times numbers drawn in first position of draw result. Total draws = ",
        "Number of times numbers drawn in second position of draw result. Total draws = ",
        "Number of times number drawn in third position of draw result. Total draws = ",
        "Number of times number drawn in fourth position of draw result. Total draws = ",
    };
    if (position < 1 || position > 4) {
        return {};
    }
    return QString::fromLatin1(kCaptions[position - 1]) + QString::number(draws);
}
