#pragma once
// Reading, writing and proving wheel data files (wheeldatafile): one entry per line, k positions
// of two digits each, one blank between them ("01 02 03 04 05 06"), ascending, LF line ends.
// A wheel k-d-m of n keeps its guarantee when every d-subset of 1..n meets some line in at
// least m positions; the check here goes over all d-subsets as bit masks.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wheeldesign {

// A block (entry) as a bit mask over the positions: bit p-1 set for position p.
using Block = std::uint32_t;

constexpr int kMaxGroup = 24;

struct WheelShape {
    int k = 0, d = 0, m = 0, n = 0;
    int entries = 0;  // the exact count of lines the file must have
};

struct WheelCheck {
    bool ok = false;
    std::string error;        // empty when ok
    int lines = 0;            // lines read
    std::uint64_t draws = 0;  // d-subsets checked
    std::uint64_t unmet = 0;  // d-subsets met by no line in m positions
};

// "01 02 03 04 05 06" for the positions of the mask, ascending.
std::string formatWheelLine(Block block);
// All lines, each ended by LF, in the order given.
std::string formatWheel(std::span<const Block> blocks);

// Parses a whole file's text strictly: exactly shape.entries lines, each of k fields of two
// digits in 1..n, ascending, one blank between fields, LF after every line, no other
// character, no repeated line. Fills blocks on success.
WheelCheck parseWheelText(std::string_view text, const WheelShape& shape,
                          std::vector<Block>& blocks);

// The number of d-subsets of 1..n that no block meets in m or more positions (0: the guarantee
// holds). Exhaustive over all C(n, d) subsets, with popcount of the masks' intersection.
// When firstUnmet is given it receives the first such subset (in colex order), if any.
std::uint64_t countUnmetDraws(std::span<const Block> blocks, int n, int d, int m,
                              Block* firstUnmet = nullptr);

// Parses and proves a file's text.
WheelCheck verifyWheelText(std::string_view text, const WheelShape& shape);
// Reads the file and proves it; a file that cannot be read fails with that message.
WheelCheck verifyWheelFile(const std::filesystem::path& path, const WheelShape& shape);

}  // namespace wheeldesign
