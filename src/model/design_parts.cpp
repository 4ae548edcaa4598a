// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "model/design_parts.h"

#include "core/block.h"
#include "core/format.h"
#include "core/number_text.h"
#include "model/block_file.h"
#include "model/text_reader.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace zelvo {

namespace {

constexpr std::string_view header = "[PARTS]";
// The design's part series, a line of its own without an element index.
constexpr std::string_view seriesKey = "SERIES=";
// Block data goes in pieces short enough for a reader with a line limit.
constexpr std::size_t dataPiece = 160;

bool keepsParts(const Element& e)
{
    return isLossy(e) || (hasTolerance(e.kind) && e.tolerance != 0.0) ||
           (e.kind == ElementKind::Block && e.block);
}

const char* lawName(QLaw law)
{
    switch (law) {
    case QLaw::Sqrt:
        return "SQRT";
    case QLaw::Linear:
        return "LINEAR";
    case QLaw::Constant:
        break;
    }
    return "CONSTANT";
}

void line(std::string& out, const std::string& text)
{
    out += text;
    out += "\r\n";
}

void value(std::string& out, const char* key, int i, double v)
{
    if (v != 0.0 && std::isfinite(v))
        line(out, printfString("%s=%i,%G", key, i, v));
}

void writeBlock(std::string& out, int i, const Element& e)
{
    line(out, printfString("BLOCK=%i,%s,", i, e.reversed ? "REVERSED" : "FORWARD") +
                  percentEncode(e.block->name));
    const std::string data = percentEncode(e.block->sourceText);
    for (std::size_t at = 0; at < data.size();) {
        std::size_t n = std::min(dataPiece, data.size() - at);
        // Never split an escape.
        while (n > 0 && n < data.size() - at &&
               (data[at + n - 1] == '%' || (n >= 2 && data[at + n - 2] == '%')))
            --n;
        line(out, printfString("DATA=%i,", i) + data.substr(at, n));
        at += n;
    }
}

// "KEY=index,rest" with the key in upper case; nullopt for anything else.
struct KeyLine {
    std::string key;
    int index = -1;
    std::string_view rest;
};

std::optional<KeyLine> keyLine(std::string_view l)
{
    const std::size_t eq = l.find('=');
    const std::size_t comma = l.find(',', eq == l.npos ? 0 : eq);
    if (eq == l.npos || comma == l.npos)
        return std::nullopt;
    KeyLine k;
    for (const char c : l.substr(0, eq))
        if (c != ' ' && c != '\t')
            k.key += c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    k.index = leadingInt(l.substr(eq + 1, comma - eq - 1));
    k.rest = l.substr(comma + 1);
    return k;
}

struct PendingBlock {
    bool reversed = false;
    std::string name;
    std::string data;
};

void applyValue(Element& e, const KeyLine& k)
{
    const double x = scanNumber(k.rest).value;
    if (k.key == "Q")
        e.loss.q = x;
    else if (k.key == "QF")
        e.loss.qFrequency = x;
    else if (k.key == "QLAW")
        e.loss.qLaw = k.rest.starts_with("SQRT")     ? QLaw::Sqrt
                      : k.rest.starts_with("LINEAR") ? QLaw::Linear
                                                     : QLaw::Constant;
    else if (k.key == "ESR")
        e.loss.esr = x;
    else if (k.key == "SRF")
        e.loss.srf = x;
    else if (k.key == "ESL")
        e.loss.esl = x;
    else if (k.key == "LINEDB")
        e.loss.lineDb = x;
    else if (k.key == "TOL")
        e.tolerance = x;
}

} // namespace

std::string partsSectionText(const Design& d, int elements)
{
    const int n = std::clamp(elements, 0, Design::elementCapacity);
    const auto slots = d.elements.begin();
    if (std::none_of(slots, slots + n, keepsParts) && d.partSeries == defaultSeries)
        return {};
    std::string out;
    line(out, std::string(header));
    if (d.partSeries != defaultSeries)
        line(out, std::string(seriesKey) + std::string(seriesName(d.partSeries)));
    for (int i = 0; i < n; ++i) {
        const Element& e = d.elements[static_cast<std::size_t>(i)];
        if (!keepsParts(e))
            continue;
        if (canBeLossy(e.kind)) {
            const PartLoss& l = e.loss;
            value(out, "Q", i, l.q);
            value(out, "QF", i, l.qFrequency);
            if (l.q != 0.0 && l.qLaw != QLaw::Constant)
                line(out, printfString("QLAW=%i,%s", i, lawName(l.qLaw)));
            value(out, "ESR", i, l.esr);
            value(out, "SRF", i, l.srf);
            value(out, "ESL", i, l.esl);
            value(out, "LINEDB", i, l.lineDb);
        }
        if (hasTolerance(e.kind))
            value(out, "TOL", i, e.tolerance);
        if (e.kind == ElementKind::Block && e.block)
            writeBlock(out, i, e);
    }
    line(out, "");
    return out;
}

bool readPartsSection(Design& d, std::string_view bytes, std::string* why)
{
    std::map<int, PendingBlock> blocks;
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const std::string_view l = bytes.substr(pos, end - pos);
        pos = end;
        while (pos < bytes.size() && (bytes[pos] == '\r' || bytes[pos] == '\n'))
            ++pos;
        // The section stands ahead of every classic one, and its own text
        // holds no "[": the first other header ends it.
        if (l.find('[') != l.npos) {
            std::string upper(l);
            for (char& c : upper)
                c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
            if (upper.find(header) == std::string::npos)
                break;
            inSection = true;
            continue;
        }
        if (inSection && l.starts_with(seriesKey)) {
            // An unknown series (a later program's) leaves the default.
            d.partSeries = seriesFromName(l.substr(seriesKey.size())).value_or(defaultSeries);
            continue;
        }
        const std::optional<KeyLine> k = inSection ? keyLine(l) : std::nullopt;
        if (!k || k->index < 0 || k->index >= Design::elementCapacity)
            continue;
        if (k->key == "BLOCK") {
            PendingBlock& b = blocks[k->index];
            b.reversed = k->rest.starts_with("REVERSED");
            const std::size_t comma = k->rest.find(',');
            b.name = comma == k->rest.npos ? "" : percentDecode(k->rest.substr(comma + 1));
        }
        else if (k->key == "DATA")
            blocks[k->index].data += k->rest;
        else
            applyValue(d.elements[static_cast<std::size_t>(k->index)], *k);
    }
    for (auto& [index, pending] : blocks) {
        Element& e = d.elements[static_cast<std::size_t>(index)];
        if (e.kind != ElementKind::Block)
            continue;
        BlockLoad load = blockFromText(percentDecode(pending.data), pending.name);
        if (auto* b = std::get_if<std::shared_ptr<const BlockData>>(&load)) {
            e.block = *b;
            e.reversed = pending.reversed;
        }
    }
    const int n = std::clamp(d.elementCount, 0, Design::elementCapacity);
    for (int i = 0; i < n; ++i) {
        const Element& e = d.elements[static_cast<std::size_t>(i)];
        const PartLoss& l = e.loss;
        for (const double v : {l.q, l.qFrequency, l.esr, l.srf, l.esl, l.lineDb})
            if (!(v >= 0.0 && v < 1e300)) {
                if (why)
                    *why = printfString("The losses of element %i are out of range.", i + 1);
                return false;
            }
        if (!(e.tolerance >= 0.0 && e.tolerance < 1.0)) {
            if (why)
                *why = printfString("The tolerance of element %i is out of range.", i + 1);
            return false;
        }
        if (e.kind == ElementKind::Block && !e.block) {
            if (why)
                *why = printfString("The data of the two-port block, element %i, is missing "
                                    "or cannot be read.",
                                    i + 1);
            return false;
        }
    }
    return true;
}

} // namespace zelvo
