// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/text_reader.h"

#include "core/number_text.h"

#include <climits>

namespace zelvo {

TextLineReader::TextLineReader(std::string_view bytes, std::size_t maxLength)
    : bytes_(bytes), maxLength_(maxLength)
{
}

bool TextLineReader::next(std::string& line)
{
    while (pos_ < bytes_.size()) {
        const std::size_t end = bytes_.find_first_of("\r\n;", pos_);
        const std::size_t stop = end == std::string_view::npos ? bytes_.size() : end + 1;
        const std::size_t contentLength =
            (end == std::string_view::npos ? bytes_.size() : end) - pos_;
        const std::string_view raw = bytes_.substr(pos_, stop - pos_);
        pos_ = stop;
        if (contentLength > maxLength_)
            continue;
        line.assign(raw);
        for (char& c : line)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        return true;
    }
    return false;
}

int leadingInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

std::optional<int> intAfter(std::string_view line, char mark)
{
    const std::size_t at = line.find(mark);
    if (at == std::string_view::npos)
        return std::nullopt;
    return leadingInt(line.substr(at + 1));
}

std::optional<double> numberAfter(std::string_view line, char mark, int occurrence)
{
    std::size_t at = std::string_view::npos;
    std::size_t from = 0;
    for (int n = 0; n < occurrence; ++n) {
        at = line.find(mark, from);
        if (at == std::string_view::npos)
            return std::nullopt;
        from = at + 1;
    }
    return scanNumber(line, at + 1).value;
}

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string percentEncode(std::string_view text)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == '%' || c == '[' || c == ']' || c == ';' || c == 0x7f) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0f];
        }
        else
            out += ch;
    }
    return out;
}

std::string percentDecode(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
            hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        }
        else
            out += text[i];
    }
    return out;
}

} // namespace zelvo
