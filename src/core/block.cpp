// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "core/block.h"

#include <algorithm>
#include <cmath>

namespace zelvo {

namespace {

Complex lerp(Complex a, Complex b, double t)
{
    return {a.re + (b.re - a.re) * t, a.im + (b.im - a.im) * t};
}

double lerp(double a, double b, double t)
{
    return a + (b - a) * t;
}

// The interval [i, i + 1] of `fs` holding f and f's place in it; i + 1 = i
// when f is a measured frequency (or the only one). nullopt outside.
struct Bracket {
    std::size_t i;
    std::size_t j;
    double t;
};

template <typename F> std::optional<Bracket> bracket(std::size_t n, F freqAt, double f)
{
    if (n == 0 || !(f >= freqAt(0)) || !(f <= freqAt(n - 1)))
        return std::nullopt;
    std::size_t lo = 0, hi = n - 1;
    while (hi - lo > 1) {
        const std::size_t mid = lo + (hi - lo) / 2;
        (freqAt(mid) <= f ? lo : hi) = mid;
    }
    if (freqAt(lo) == f || lo == hi)
        return Bracket{lo, lo, 0.0};
    if (freqAt(hi) == f)
        return Bracket{hi, hi, 0.0};
    return Bracket{lo, hi, (f - freqAt(lo)) / (freqAt(hi) - freqAt(lo))};
}

} // namespace

bool blockCovers(const BlockData& b, double f)
{
    return !b.f.empty() && b.s.size() >= b.f.size() && f >= b.f.front() && f <= b.f.back();
}

std::optional<TwoPort> blockSParams(const BlockData& b, double f, bool reversed)
{
    const std::size_t n = std::min(b.f.size(), b.s.size());
    const auto at = bracket(n, [&](std::size_t i) { return b.f[i]; }, f);
    if (!at)
        return std::nullopt;
    const TwoPort& p = b.s[at->i];
    const TwoPort& q = b.s[at->j];
    TwoPort s{lerp(p.s11, q.s11, at->t), lerp(p.s12, q.s12, at->t), lerp(p.s21, q.s21, at->t),
              lerp(p.s22, q.s22, at->t)};
    if (reversed) {
        std::swap(s.s11, s.s22);
        std::swap(s.s12, s.s21);
    }
    return s;
}

std::optional<BlockNoise> blockNoise(const BlockData& b, double f, bool reversed)
{
    if (reversed)
        return std::nullopt;
    const auto at = bracket(b.noise.size(), [&](std::size_t i) { return b.noise[i].f; }, f);
    if (!at)
        return std::nullopt;
    const BlockNoise& p = b.noise[at->i];
    const BlockNoise& q = b.noise[at->j];
    return BlockNoise{f, lerp(p.nfMinDb, q.nfMinDb, at->t), lerp(p.gammaOpt, q.gammaOpt, at->t),
                      lerp(p.rn, q.rn, at->t)};
}

} // namespace zelvo
