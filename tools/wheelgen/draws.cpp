#include "draws.h"

#include <algorithm>
#include <bit>
#include <numeric>

#include "wheels/design/wheeltable.h"

namespace wheelgen {

std::vector<Block> subsetsOf(Block x, int j) {
    std::vector<int> points;
    for (int i = 0; i < 32; ++i)
        if (x >> i & 1u)
            points.push_back(i);
    std::vector<Block> out;
    const int s = static_cast<int>(points.size());
    if (j > s)
        return out;
    std::vector<int> c(j);
    std::iota(c.begin(), c.end(), 0);
    for (;;) {
        Block a = 0;
        for (int i : c)
            a |= 1u << points[i];
        out.push_back(a);
        int i = j - 1;
        while (i >= 0 && c[i] == s - j + i)
            --i;
        if (i < 0)
            return out;
        ++c[i];
        for (int t = i + 1; t < j; ++t)
            c[t] = c[t - 1] + 1;
    }
}

DrawSpace::DrawSpace(const Problem& p) : p_(p) {
    full_ = p.n >= 32 ? ~0u : (1u << p.n) - 1;
    for (int a = 0; a <= 32; ++a)
        for (int b = 0; b <= 8; ++b)
            binom_[a][b] = wheeldesign::binomial(a, b);
}

std::size_t DrawSpace::rank(Block u) const {
    std::size_t r = 0;
    for (int i = 1; u != 0; ++i, u &= u - 1)
        r += binom_[std::countr_zero(u)][i];
    return r;
}

std::vector<Block> DrawSpace::meeting(Block x, int s) const {
    std::vector<Block> out;
    const int inside = std::popcount(x);
    for (int j = p_.m; j <= std::min(s, inside); ++j) {
        const std::vector<Block> in = subsetsOf(x, j);
        const std::vector<Block> outside =
            s - j == 0 ? std::vector<Block>{0} : subsetsOf(full_ & ~x, s - j);
        for (Block a : in)
            for (Block b : outside)
                out.push_back(a | b);
    }
    return out;
}

bool DrawSpace::meets(Block a, Block b) const {
    return std::popcount(a & b) >= p_.m;
}

}  // namespace wheelgen
