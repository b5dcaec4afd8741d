#pragma once
// A seam in the file layer for tests: makes the n-th write, flush, commit (the rename that ends a
// whole-file rewrite) or removal fail as it does on a full disk. Nothing arms it in the program,
// where each step costs one counter check.
#include <array>

#include <QString>

class FileFaults {
public:
    enum class Step { Write, Flush, Commit, Remove };

    // The n-th step of this kind from now (counted from 1) fails; n < 1 disarms it.
    void failAt(Step step, int n);
    // Disarms every step and clears the counts.
    void reset();

    // Asked by the file layer at each step: true when this one is to fail.
    bool fails(Step step);
    // Steps of this kind asked about since the last reset.
    int seen(Step step) const { return seen_[index(step)]; }

    // The reason a failed step gives, in the system's words: a full disk, or for a removal a
    // file that may not be removed.
    static QString reason(Step step);

private:
    static std::size_t index(Step step) { return static_cast<std::size_t>(step); }

    std::array<int, 4> seen_{};
    std::array<int, 4> failAt_{};  // 0: never
};

FileFaults& fileFaults();
