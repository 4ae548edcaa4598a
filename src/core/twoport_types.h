// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Two-port S-parameters in double precision, and the single-precision form
// in which circle records keep them.
#include "core/complex.h"

namespace zelvo {

struct TwoPort {
    Complex s11, s12, s21, s22;
};

// S-parameters as a circle record stores them: real and imaginary parts as floats.
struct StoredSParams {
    float s11re = 0, s11im = 0, s12re = 0, s12im = 0;
    float s21re = 0, s21im = 0, s22re = 0, s22im = 0;
};

inline TwoPort widen(const StoredSParams& s)
{
    return {{s.s11re, s.s11im}, {s.s12re, s.s12im}, {s.s21re, s.s21im}, {s.s22re, s.s22im}};
}

inline StoredSParams narrow(const TwoPort& t)
{
    return {static_cast<float>(t.s11.re), static_cast<float>(t.s11.im),
            static_cast<float>(t.s12.re), static_cast<float>(t.s12.im),
            static_cast<float>(t.s21.re), static_cast<float>(t.s21.im),
            static_cast<float>(t.s22.re), static_cast<float>(t.s22.im)};
}

// 1 = input plane (source side), 2 = output plane (load side).
enum class CirclePlane : std::uint8_t { Input = 1, Output = 2 };
// 1 = the inside of a stability circle is stable, 2 = the outside is.
enum class StableSide : std::uint8_t { Inside = 1, Outside = 2 };

} // namespace zelvo
