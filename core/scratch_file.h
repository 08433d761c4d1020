#pragma once

#include "core/export.h"
#include "core/record_store.h"
#include "core/result.h"

#include <string_view>

namespace marunda {

// Leaves `utf8` in sirali.tmp as one code page 1254 line (CR LF), as the last text that an
// operation took apart; the program removes the file when it ends. Never for a password.
MARUNDA_CORE_EXPORT Result<void> keepScratchLine(const RecordStore& store, std::string_view utf8);

} // namespace marunda
