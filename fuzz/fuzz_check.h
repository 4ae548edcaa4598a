// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A failed property stops the run with its reason; libFuzzer then keeps the
// input as a crash file.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                      \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, what);               \
            std::abort();                                                                \
        }                                                                                \
    } while (false)
