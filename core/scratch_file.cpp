#include "core/scratch_file.h"

#include "core/cp1254.h"
#include "core/file_io.h"

#include <string>

namespace marunda {

Result<void> keepScratchLine(const RecordStore& store, std::string_view utf8) {
    // Nothing of value lives in it: no flush to the disk.
    return overwriteScratchFile(store.file(kScratchFile), encodeCp1254(utf8) + "\r\n");
}

} // namespace marunda
