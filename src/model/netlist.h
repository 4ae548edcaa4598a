// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The matching network as a netlist for circuit simulators of the MMICAD
// family (*.mcf, *.ckt, *.net: one content).
#include "model/design.h"
#include "model/dialog_message.h"

#include <optional>
#include <string>

namespace zelvo {

// Messages the caller shows with the path.
inline constexpr const char* netlistWriteErrorText = "Error while writing file '%s'";
inline constexpr const char* netlistDoneText = "Netlist done ('%s')";

inline constexpr int netlistOk = 0;
inline constexpr int netlistCannotWrite = 1;

// Neither netlist has an element for a measured two-port block: the message
// that names the chain's first block, or nullopt. Both writers refuse such
// a design; their texts show a block as a comment line in its place.
std::optional<DialogMessage> netlistBlockRefusal(const Design& d, bool spice);

// The complete netlist text; `outputPath` is named in its header.
std::string netlistText(const Design& d, const std::string& outputPath,
                        const std::string& designFileName);
// netlistOk, or netlistCannotWrite with any previous file untouched and the
// reason in `why` (when given); a design with a block is refused.
int writeNetlist(const Design& d, const std::string& path, const std::string& designFileName,
                 std::string* why = nullptr);

} // namespace zelvo
