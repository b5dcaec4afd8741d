#include "wheels/design/wheeltable.h"

#include <stdexcept>

namespace wheeldesign {

namespace {

// A row of the guarantee table: group sizes from..to (or listed), E in the order of n.
// An entry of `shipped` other than 0 replaces the asked E where the shipped file is larger.
struct Row {
    std::string_view form;
    int k, type, d, m;
    std::vector<int> ns;
    std::vector<int> asked;                    // empty for a full wheel: E = C(n, k)
    std::vector<std::pair<int, int>> shipped;  // (n, E of the shipped file) where it differs
};

std::vector<int> range(int from, int to) {
    std::vector<int> ns;
    for (int n = from; n <= to; ++n)
        ns.push_back(n);
    return ns;
}

WheelType makeType(const Row& row) {
    WheelType type{row.form, row.k, row.type, row.d, row.m, {}};
    if (!row.asked.empty() && row.asked.size() != row.ns.size())
        throw std::logic_error("wheel table row with a wrong count of E");
    for (std::size_t i = 0; i < row.ns.size(); ++i) {
        const int n = row.ns[i];
        const int asked = row.asked.empty() ? static_cast<int>(binomial(n, row.k)) : row.asked[i];
        int entries = asked;
        for (const auto& [sn, se] : row.shipped)
            if (sn == n)
                entries = se;
        type.sizes.push_back({n, entries, asked});
    }
    return type;
}

std::vector<WheelType> buildTable() {
    // clang-format off
    const std::vector<Row> rows = {
        {"wheel4", 4, 1, 4, 4, range(5, 15), {}, {}},
        {"wheel4", 4, 2, 4, 3, range(8, 16), {6, 9, 14, 20, 27, 35, 45, 55, 71}, {}},
        {"wheel4", 4, 3, 4, 2, {10, 15, 20}, {3, 7, 13}, {}},

        {"Wheel5", 5, 1, 5, 5, range(6, 14), {}, {}},
        {"Wheel5", 5, 2, 5, 4, range(7, 20), {3, 5, 9, 14, 22, 35, 50, 69, 95, 134, 182, 272, 350, 446}, {}},
        {"Wheel5", 5, 3, 5, 3, range(10, 24), {2, 5, 6, 8, 10, 13, 14, 18, 25, 26, 32, 37, 41, 49, 55}, {}},
        {"Wheel5", 5, 4, 4, 4, range(6, 12), {5, 9, 20, 30, 51, 66, 117}, {}},
        {"Wheel5", 5, 5, 4, 3, range(9, 20), {5, 7, 10, 12, 16, 21, 24, 34, 42, 52, 64, 74}, {}},
        {"Wheel5", 5, 6, 3, 3, range(8, 18), {8, 12, 17, 20, 29, 34, 43, 60, 72, 89, 105}, {}},

        {"wheel6", 6, 1, 6, 6, range(7, 14), {}, {}},
        {"wheel6", 6, 2, 6, 5, range(8, 24), {4, 7, 14, 22, 38, 61, 98, 151, 232, 338, 485, 689, 961, 1200, 1753, 2259, 2917}, {{17, 352}, {18, 493}, {21, 1264}}},
        {"wheel6", 6, 3, 6, 4, range(10, 24), {3, 5, 6, 10, 14, 19, 26, 34, 42, 54, 66, 80, 111, 131, 160}, {{21, 88}, {23, 134}}},
        {"wheel6", 6, 4, 6, 3, range(15, 24), {4, 5, 6, 7, 9, 10, 13, 15, 17, 20}, {}},
        {"wheel6", 6, 5, 5, 5, range(9, 20), {30, 50, 100, 132, 245, 371, 580, 808, 1213, 1547, 2175, 2900}, {{18, 1548}, {19, 2196}}},
        {"wheel6", 6, 6, 5, 4, range(9, 14), {3, 7, 10, 17, 25, 37}, {}},
        {"wheel6", 6, 7, 5, 3, range(14, 16), {5, 8, 10}, {}},
        {"wheel6", 6, 8, 4, 4, range(8, 11), {7, 12, 23, 37}, {}},
        {"wheel6", 6, 9, 4, 3, range(9, 11), {3, 4, 6}, {}},
        {"wheel6", 6, 10, 3, 3, range(10, 13), {10, 11, 15, 22}, {}},

        {"wheel7", 7, 1, 7, 7, range(8, 16), {}, {}},
        {"wheel7", 7, 2, 7, 6, range(9, 15), {4, 8, 19, 35, 61, 100, 183}, {}},
        {"wheel7", 7, 3, 7, 5, range(12, 18), {6, 10, 14, 24, 31, 51, 76}, {}},
        {"wheel7", 7, 4, 7, 4, range(15, 21), {5, 6, 9, 12, 16, 20, 27}, {}},
        {"wheel7", 7, 5, 7, 3, {16, 20}, {2, 3}, {}},
    };
    // clang-format on
    std::vector<WheelType> table;
    for (const Row& row : rows)
        table.push_back(makeType(row));
    return table;
}

}  // namespace

const WheelSize* WheelType::size(int n) const {
    for (const WheelSize& s : sizes)
        if (s.n == n)
            return &s;
    return nullptr;
}

std::string WheelType::caption() const {
    return "Guarantee Match " + std::to_string(m);
}

std::string WheelType::heading() const {
    return "Any " + std::to_string(d) + " from Group Picked";
}

const std::vector<WheelType>& wheelTypes() {
    static const std::vector<WheelType> table = buildTable();
    return table;
}

std::vector<const WheelType*> wheelTypesOf(int k) {
    std::vector<const WheelType*> result;
    for (const WheelType& t : wheelTypes())
        if (t.k == k)
            result.push_back(&t);
    return result;
}

const WheelType* findWheelType(int k, int type) {
    for (const WheelType& t : wheelTypes())
        if (t.k == k && t.type == type)
            return &t;
    return nullptr;
}

const WheelType* findWheelTypeByKdm(int k, int d, int m) {
    for (const WheelType& t : wheelTypes())
        if (t.k == k && t.d == d && t.m == m)
            return &t;
    return nullptr;
}

int wheelEntries(int k, int type, int n) {
    const WheelType* t = findWheelType(k, type);
    if (t == nullptr)
        return 0;
    const WheelSize* s = t->size(n);
    return s == nullptr ? 0 : s->entries;
}

namespace {
// "k-d-m": the name of a wheel kind in its file names.
std::string kindName(int k, int d, int m) {
    std::string name;
    for (int v : {k, d, m}) {
        if (!name.empty())
            name.push_back('-');
        name.append(std::to_string(v));
    }
    return name;
}
}  // namespace

std::string wheelFileName(int k, int d, int m, int n) {
    std::string name = kindName(k, d, m);
    name.push_back('-');
    name.append(std::to_string(n));
    name.append(".whl");
    return name;
}

std::string wheelEntryFileSuffix(int k, int d, int m) {
    std::string suffix = "-";
    suffix.append(kindName(k, d, m));
    suffix.append(".lot");
    return suffix;
}

std::uint64_t binomial(int n, int r) {
    if (r < 0 || n < 0 || r > n)
        return 0;
    std::uint64_t c = 1;
    for (int i = 1; i <= r; ++i)
        c = c * static_cast<std::uint64_t>(n - r + i) / i;
    return c;
}

}  // namespace wheeldesign
