#include "pick34/logic/pickstats.h"

#include "pick34/logic/pickadding.h"
#include "pick34/logic/pickfiles.h"
#include "shared/textforms.h"

QString expand3(int x) {
    return QStringLiteral("%1").arg(x, 3, 10, QLatin1Char('0'));
}

QString expand4(int x) {
    return QStringLiteral("%1").arg(x, 4, 10, QLatin1Char('0'));
}

std::vector<int> numberCounts(const PickImage& draws, int game, qint32 fromKey, qint32 toKey) {
    std::vector<int> counts(static_cast<std::size_t>(pickEntryLimit(game)));
    const int n = draws.count();
    for (int r = 1; r <= n; ++r) {
        const PickRecord d = draws.record(r);
        const qint32 key = datekey(d.year, d.month, d.day);
        if (key < fromKey || key > toKey) {
            continue;
        }
        if (const int number = pickNumberOf(d.digits, game); number >= 0) {
            ++counts[static_cast<std::size_t>(number)];
        }
    }
    return counts;
}

std::vector<int> listedNumbers(const std::vector<int>& counts, StatsMode mode, double threshold) {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const bool listed = (mode == StatsMode::All) ||
                            (mode == StatsMode::Zero && counts[i] == 0) ||
                            (mode == StatsMode::Specified && counts[i] >= threshold);
        if (listed) {
            numbers.push_back(static_cast<int>(i));
        }
    }
    return numbers;
}

QStringList numberLines(const std::vector<int>& numbers, const std::vector<int>& counts, int game) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(numbers.size()));
    for (int number : numbers) {
        lines << (game == 4 ? expand4(number) : expand3(number)) + QStringLiteral(" Drawn ") +
                     QString::number(counts[static_cast<std::size_t>(number)]) +
                     QStringLiteral(" Times");
    }
    if (lines.isEmpty()) {
        lines << QStringLiteral("No Matches");
    }
    return lines;
}

std::vector<double> sumTotals(const std::vector<int>& numbers, const std::vector<int>& counts,
                              int game, StatsMode mode) {
    const int k = pickDigitCount(game);
    std::vector<double> totals(static_cast<std::size_t>(9 * k + 1));
    for (int number : numbers) {
        int sum = 0;
        for (int rest = number; rest > 0; rest /= 10) {
            sum += rest % 10;
        }
        const int count = counts[static_cast<std::size_t>(number)];
        double& total = totals[static_cast<std::size_t>(sum)];
        if (mode == StatsMode::Zero) {
            total += count == 0 ? 1 : 0;
        } else if (mode == StatsMode::All || mode == StatsMode::Specified) {
            total += count;
        }
    }
    return totals;
}

QString sumLabel(int sum) {
    return u' ' + QString::number(sum);
}

std::pair<QDate, QDate> drawDateRange(const PickImage& draws) {
    const int n = draws.count();
    auto dateOf = [&draws](int r) {
        const PickRecord d = draws.record(r);
        return QDate(d.year, d.month, d.day);
    };
    QDate first;
    for (int r = 1; r <= n && !first.isValid(); ++r) {
        first = dateOf(r);
    }
    QDate last;
    for (int r = n; r >= 1 && !last.isValid(); --r) {
        last = dateOf(r);
    }
    return {first, last};
}
