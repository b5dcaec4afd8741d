#include "wheels/design/wheelverify.h"

#include <algorithm>
#include <bit>
#include <fstream>
#include <iterator>
#include <sstream>

#include "wheels/design/wheeltable.h"

namespace wheeldesign {

namespace {

WheelCheck fail(int line, const std::string& what) {
    WheelCheck c;
    c.error = line > 0 ? "line " + std::to_string(line) + ": " + what : what;
    c.lines = line;
    return c;
}

bool validShape(const WheelShape& s) {
    return s.k >= 1 && s.k <= 7 && s.d >= 1 && s.d <= s.n && s.m >= 1 && s.m <= s.k && s.m <= s.d &&
           s.n >= s.k && s.n <= kMaxGroup && s.entries >= 1;
}

// Next mask with the same popcount (Gosper).
inline std::uint32_t nextSubset(std::uint32_t x) {
    const std::uint32_t c = x & (0u - x);
    const std::uint32_t r = x + c;
    return (((r ^ x) >> 2) / c) | r;
}

}  // namespace

std::string formatWheelLine(Block block) {
    std::string line;
    for (int p = 1; p <= kMaxGroup; ++p) {
        if ((block >> (p - 1)) & 1u) {
            if (!line.empty())
                line += ' ';
            line += static_cast<char>('0' + p / 10);
            line += static_cast<char>('0' + p % 10);
        }
    }
    return line;
}

std::string formatWheel(std::span<const Block> blocks) {
    std::string text;
    for (Block b : blocks) {
        text += formatWheelLine(b);
        text += '\n';
    }
    return text;
}

WheelCheck parseWheelText(std::string_view text, const WheelShape& shape,
                          std::vector<Block>& blocks) {
    blocks.clear();
    if (!validShape(shape))
        return fail(0, "invalid wheel shape");
    const std::size_t width = static_cast<std::size_t>(3 * shape.k - 1);
    std::size_t pos = 0;
    int line = 0;
    while (pos < text.size()) {
        ++line;
        const std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            return fail(line, "no LF at the end of the line");
        const std::string_view s = text.substr(pos, end - pos);
        pos = end + 1;
        if (line > shape.entries)
            return fail(line, "more lines than the " + std::to_string(shape.entries) + " entries");
        if (s.size() != width)
            return fail(
                line, "length " + std::to_string(s.size()) + ", expected " + std::to_string(width));
        Block block = 0;
        int previous = 0;
        for (int j = 0; j < shape.k; ++j) {
            const char a = s[3 * j], b = s[3 * j + 1];
            if (a < '0' || a > '9' || b < '0' || b > '9')
                return fail(line, "field " + std::to_string(j + 1) + " is not two digits");
            if (j + 1 < shape.k && s[3 * j + 2] != ' ')
                return fail(line, "no single blank after field " + std::to_string(j + 1));
            const int v = (a - '0') * 10 + (b - '0');
            if (v < 1 || v > shape.n)
                return fail(
                    line, "value " + std::to_string(v) + " outside 1.." + std::to_string(shape.n));
            if (v <= previous)
                return fail(line, "values not strictly ascending");
            previous = v;
            block |= 1u << (v - 1);
        }
        blocks.push_back(block);
    }
    if (line != shape.entries) {
        blocks.clear();
        return fail(
            0, "has " + std::to_string(line) + " lines, expected " + std::to_string(shape.entries));
    }
    std::vector<Block> sorted = blocks;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
        blocks.clear();
        return fail(0, "a line is repeated");
    }
    WheelCheck c;
    c.ok = true;
    c.lines = line;
    return c;
}

std::uint64_t countUnmetDraws(std::span<const Block> blocks, int n, int d, int m,
                              Block* firstUnmet) {
    if (d < 1 || d > n || n > kMaxGroup)
        return 0;
    const std::size_t count = blocks.size();
    std::uint64_t unmet = 0;
    bool haveFirst = false;
    // Consecutive draws in colex order share most of their numbers: the line that met the last
    // draw is tried first, and the scan goes on from there round the list.
    std::size_t last = 0;
    const std::uint32_t end = n == 32 ? 0 : (1u << n);
    for (std::uint32_t draw = (1u << d) - 1; draw < end; draw = nextSubset(draw)) {
        bool met = false;
        for (std::size_t t = 0; t < count; ++t) {
            std::size_t i = last + t;
            if (i >= count)
                i -= count;
            if (std::popcount(blocks[i] & draw) >= m) {
                met = true;
                last = i;
                break;
            }
        }
        if (!met) {
            ++unmet;
            if (!haveFirst && firstUnmet != nullptr)
                *firstUnmet = draw;
            haveFirst = true;
        }
        if (draw == end - (1u << (n - d)))
            break;  // the last d-subset: the top d positions
    }
    return unmet;
}

WheelCheck verifyWheelText(std::string_view text, const WheelShape& shape) {
    std::vector<Block> blocks;
    WheelCheck c = parseWheelText(text, shape, blocks);
    if (!c.ok)
        return c;
    c.draws = binomial(shape.n, shape.d);
    Block first = 0;
    c.unmet = countUnmetDraws(blocks, shape.n, shape.d, shape.m, &first);
    if (c.unmet != 0) {
        c.ok = false;
        c.error = std::to_string(c.unmet) + " of " + std::to_string(c.draws) + " draws of " +
                  std::to_string(shape.d) + " meet no line in " + std::to_string(shape.m) +
                  ", the first: " + formatWheelLine(first);
    }
    return c;
}

WheelCheck verifyWheelFile(const std::filesystem::path& path, const WheelShape& shape) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail(0, "cannot open " + path.string());
    std::ostringstream buffer;
    buffer << in.rdbuf();
    WheelCheck c = verifyWheelText(buffer.str(), shape);
    if (!c.ok)
        c.error = path.filename().string() + ": " + c.error;
    return c;
}

}  // namespace wheeldesign
