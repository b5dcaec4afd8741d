#pragma once
// The guarantee table of the four wheel windows: every wheel type (k-d-m), the group sizes it
// offers and the number of entries E of its wheel data file for each size. The one place these
// numbers live: the wheel windows, the generator (tools/wheelgen) and the tests read them here.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wheeldesign {

struct WheelSize {
    int n = 0;        // group size: the count of the player's numbers
    int entries = 0;  // E: lines of the shipped wheel data file, shown as "Entries Required"
    // E as the guarantee table asks it. Equal to entries except where no design of that size
    // has been found; the shipped file then keeps its guarantee with more entries.
    int askedEntries = 0;
};

struct WheelType {
    std::string_view form;         // "wheel4", "Wheel5", "wheel6", "wheel7"
    int k = 0;                     // numbers per entry
    int type = 0;                  // the window's wheeltype, 1..T (Option1..OptionT)
    int d = 0;                     // numbers drawn among the group
    int m = 0;                     // guaranteed match
    std::vector<WheelSize> sizes;  // ascending n

    bool isFull() const { return d == k && m == k; }
    const WheelSize* size(int n) const;
    // "Guarantee Match 4"
    std::string caption() const;
    // "Any 5 from Group Picked"
    std::string heading() const;
};

// Every wheel type, by window (k = 4, 5, 6, 7) and then by type number.
const std::vector<WheelType>& wheelTypes();
// The types of one window (k = 4..7), in type order; empty for another k.
std::vector<const WheelType*> wheelTypesOf(int k);
// The type of a window by its type number, or nullptr.
const WheelType* findWheelType(int k, int type);
// The type k-d-m, or nullptr.
const WheelType* findWheelTypeByKdm(int k, int d, int m);
// E for a type and group size; 0 when the type does not offer that size.
int wheelEntries(int k, int type, int n);

// "6-5-4-12.whl": the wheel data file name, in the folder "wheels" of the data folder.
std::string wheelFileName(int k, int d, int m, int n);
// "-6-5-4.lot": the suffix of the game's wheel entry file of the type.
std::string wheelEntryFileSuffix(int k, int d, int m);

std::uint64_t binomial(int n, int r);

}  // namespace wheeldesign
