#include "wheels/logic/wheelsave.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <QFile>

#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/numbertext.h"
#include "wheels/design/wheeltable.h"
#include "wheels/design/wheelverify.h"

namespace wheels {

namespace {

// The whole file, read only: a missing or unreadable file is nullopt and nothing is created.
std::optional<QByteArray> readWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

PreparedWheel problem(PreparedWheel prepared, SaveProblem p, QString detail = {}) {
    prepared.problem = p;
    prepared.detail = std::move(detail);
    prepared.bytes.clear();
    return prepared;
}

// The extra of each entry, by the rule, in record order.
class ExtraSource {
public:
    ExtraSource(ExtraRule rule, int bonuspool, std::vector<qint16> drawn,
                const std::function<double()>& rnd)
        : rule_(rule), pool_(bonuspool), drawn_(std::move(drawn)), rnd_(rnd) {}

    qint16 next() {
        switch (rule_) {
            case ExtraRule::Random:
                return static_cast<qint16>(randomUpTo(pool_, rnd_()));
            case ExtraRule::Optimized: {
                const int i = randomUpTo(static_cast<int>(drawn_.size()), rnd_());
                return drawn_[static_cast<std::size_t>(i - 1)];
            }
            case ExtraRule::Spread:
                spread_ = spread_ == pool_ ? 1 : spread_ + 1;
                return static_cast<qint16>(spread_);
            case ExtraRule::None:
                break;
        }
        return 0;
    }

private:
    ExtraRule rule_;
    int pool_;
    std::vector<qint16> drawn_;
    const std::function<double()>& rnd_;
    int spread_ = 0;
};

}  // namespace

TheBalls readTheBalls(const std::array<QString, kBoxes>& boxes) {
    TheBalls theballs{};
    for (int i = 1; i <= kBoxes; ++i) {
        theballs[static_cast<std::size_t>(i)] =
            textToInteger(boxes[static_cast<std::size_t>(i - 1)]);
    }
    return theballs;
}

void ordertheballs(TheBalls& theballs, int n) {
    const int count = std::clamp(n, 0, kBoxes);
    std::sort(theballs.begin() + 1, theballs.begin() + 1 + count);
}

SaveProblem checkTheBalls(const TheBalls& theballs, int n, int pool) {
    const int count = std::clamp(n, 0, kBoxes);
    const auto first = theballs.begin() + 1;
    const auto last = first + count;
    std::array<qint16, kBoxes> sorted{};
    std::copy(first, last, sorted.begin());
    std::sort(sorted.begin(), sorted.begin() + count);
    // Every pair is tested for repeats before any number for its range.
    if (std::adjacent_find(sorted.begin(), sorted.begin() + count) != sorted.begin() + count) {
        return SaveProblem::Same;
    }
    if (std::any_of(first, last, [pool](qint16 v) { return v < 1 || v > pool; })) {
        return SaveProblem::OutOfRange;
    }
    return SaveProblem::None;
}

std::vector<qint16> drawnExtras(const QByteArray& history, int bonuspool) {
    const DrawImage image(history);
    // A count beyond the records the file holds would only add empty draws.
    const int held = static_cast<int>(history.size() / DrawRecord::kSize);
    const int draws = std::min<int>(image.count(), held);
    std::vector<qint16> extras;
    for (int r = 1; r <= draws; ++r) {
        const qint16 extra = image.read(r).extra;
        if (extra >= 1 && extra <= bonuspool) {
            extras.push_back(extra);
        }
    }
    return extras;
}

PreparedWheel prepareWheel(const WheelSaveInput& input, const std::function<double()>& rnd) {
    PreparedWheel prepared;
    const int n = input.numballs;
    TheBalls theballs = readTheBalls(input.boxes);
    ordertheballs(theballs, n);
    if (const SaveProblem p = checkTheBalls(theballs, n, input.poolsize); p != SaveProblem::None) {
        return problem(prepared, p);
    }

    const wheeldesign::WheelType* type = wheeldesign::findWheelType(input.k, input.wheeltype);
    const wheeldesign::WheelSize* size = type != nullptr ? type->size(n) : nullptr;
    if (size == nullptr) {
        return problem(prepared, SaveProblem::DataFileMissing);
    }
    prepared.entries = size->entries;
    const std::string dataName = wheeldesign::wheelFileName(type->k, type->d, type->m, n);
    prepared.dataFile =
        dataFile(input.datapath, QStringLiteral("wheels/") + QString::fromStdString(dataName));
    prepared.entryFile = dataFile(input.datapath, wheelEntryFileName(input.wheelgamename, *type));

    const std::optional<QByteArray> text = readWhole(prepared.dataFile);
    if (!text) {
        return problem(prepared, SaveProblem::DataFileMissing);
    }

    std::vector<qint16> extras;
    if (input.rule == ExtraRule::Optimized) {
        const QString results = dataFile(input.datapath, resultsFileName(input.gamename));
        extras = drawnExtras(readWhole(results).value_or(QByteArray()), input.bonuspool);
        if (extras.size() < 3) {
            return problem(prepared, SaveProblem::TooFewDraws);
        }
    }

    // Positions beyond n or repeated within a line would give entries with numbers of hidden
    // boxes or a number twice: the strict parser refuses every such file.
    std::vector<wheeldesign::Block> blocks;
    const wheeldesign::WheelCheck parsed = wheeldesign::parseWheelText(
        std::string_view(text->constData(), static_cast<std::size_t>(text->size())),
        {type->k, type->d, type->m, n, size->entries}, blocks);
    if (!parsed.ok) {
        return problem(prepared, SaveProblem::DataFileCorrupt,
                       QStringLiteral("%1, %2").arg(QString::fromStdString(dataName),
                                                    QString::fromStdString(parsed.error)));
    }

    ExtraSource extra(input.rule, input.bonuspool, std::move(extras), rnd);
    QByteArray bytes;
    bytes.reserve(qsizetype(blocks.size()) * DrawRecord::kSize);
    for (const wheeldesign::Block block : blocks) {
        DrawRecord record;
        record.count = size->entries;
        std::size_t j = 0;
        for (int p = 1; p <= kBoxes; ++p) {
            if ((block >> (p - 1)) & 1u) {
                record.balls[j++] = theballs[static_cast<std::size_t>(p)];
            }
        }
        record.extra = extra.next();
        bytes.append(record.toBytes());
    }
    prepared.bytes = std::move(bytes);
    return prepared;
}

QString saveProblemMessage(const PreparedWheel& prepared) {
    switch (prepared.problem) {
        case SaveProblem::None:
            return {};
        case SaveProblem::Same:
            return QStringLiteral("One or more of your numbers are the same!");
        case SaveProblem::OutOfRange:
            return QStringLiteral("One or more of your numbers are out of range!");
        case SaveProblem::DataFileMissing:
            return QStringLiteral("The wheel file cannot be found!");
        case SaveProblem::TooFewDraws:
            return QStringLiteral(
                "You have fewer than 3 draws in the history file. The program cannot suggest "
                "Optimised entries yet. Please select Random or Spread");
        case SaveProblem::DataFileCorrupt:
            return QStringLiteral("Your wheel data file is corrupt (%1). Nothing was saved.")
                .arg(prepared.detail);
    }
    return {};
}

qint32 storedEntryCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    return DrawRecord::fromBytes(file.read(DrawRecord::kSize)).count;
}

}  // namespace wheels
