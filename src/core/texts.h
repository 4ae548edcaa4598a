// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The words a user reads, in the interface's language. The layers below the
// interface write their texts in English and ask a Texts for each; the
// interface supplies the lookup (its translator), while files, tests and
// anything written for other programs use none and stay English.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zelvo {

class Texts {
public:
    using Lookup = std::function<std::string(const char* context, const char* source)>;

    Texts() = default;
    explicit Texts(Lookup lookup) : lookup_(std::move(lookup)) {}

    // Named like Qt's own, so that the translation tools collect every call
    // with its literal context and text.
    std::string translate(const char* context, const char* source) const
    {
        return lookup_ ? lookup_(context, source) : std::string(source);
    }

    bool english() const { return !lookup_; }

private:
    Lookup lookup_;
};

// Marks a text where it is written, in a table or a constant, for one that
// translates it later with the same context; the translation tools collect
// it as they collect translate().
constexpr const char* translatable(const char* /*context*/, const char* source)
{
    return source;
}

// `templ` with %1 ... %9 replaced by `values` in the order of their numbers,
// wherever a translation put them.
std::string fillIn(std::string_view templ, std::initializer_list<std::string_view> values);

} // namespace zelvo
