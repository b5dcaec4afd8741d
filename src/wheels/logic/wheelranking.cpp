#include "wheels/logic/wheelranking.h"

#include <algorithm>

#include <QFile>

#include "shared/drawrecord.h"

namespace wheels {

namespace {
constexpr int kHighestCounted = 100;
}

std::vector<qint16> rankByTimesDrawn(const DrawImage& history, int k) {
    std::array<int, kHighestCounted + 1> ballcount{};
    const int draws = history.count();
    const int positions = std::clamp(k, 0, 7);
    for (int r = 1; r <= draws; ++r) {
        const DrawRecord draw = history.read(r);
        for (int j = 0; j < positions; ++j) {
            const int v = draw.balls[static_cast<std::size_t>(j)];
            if (v >= 1 && v <= kHighestCounted) {
                ++ballcount[static_cast<std::size_t>(v)];
            }
        }
    }
    std::vector<qint16> drawn;
    for (int v = 1; v <= kHighestCounted; ++v) {
        if (ballcount[static_cast<std::size_t>(v)] > 0) {
            drawn.push_back(static_cast<qint16>(v));
        }
    }
    // Stable, so equal counts keep the ascending order of the numbers.
    std::stable_sort(drawn.begin(), drawn.end(), [&](qint16 a, qint16 b) {
        return ballcount[static_cast<std::size_t>(a)] > ballcount[static_cast<std::size_t>(b)];
    });
    if (drawn.size() > static_cast<std::size_t>(kBoxes)) {
        drawn.resize(kBoxes);
    }
    return drawn;
}

std::vector<qint16> rankResultsFile(const QString& path, int k) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return rankByTimesDrawn(DrawImage(file.readAll()), k);
}

int randomUpTo(int n, double r) {
    return std::clamp(static_cast<int>(n * r) + 1, 1, std::max(n, 1));
}

Suggestions topUpSuggestions(const std::vector<qint16>& ranked, int pool,
                             const std::function<double()>& rnd) {
    Suggestions s{};
    int f = 0;
    for (qint16 v : ranked) {
        if (f == kBoxes) {
            break;
        }
        s[static_cast<std::size_t>(++f)] = v;
    }
    const auto listed = [&](int x) {
        return std::find(s.begin() + 1, s.begin() + 1 + f, x) != s.begin() + 1 + f;
    };
    // A small pool runs out of unused numbers before the 24 boxes are full: stop there.
    int unused = 0;
    for (int x = 1; x <= pool; ++x) {
        unused += listed(x) ? 0 : 1;
    }
    while (f < kBoxes && unused > 0) {
        int x = 0;
        do {
            x = randomUpTo(pool, rnd());
        } while (listed(x));
        s[static_cast<std::size_t>(++f)] = static_cast<qint16>(x);
        --unused;
    }
    return s;
}

}  // namespace wheels
