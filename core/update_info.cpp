#include "core/update_info.h"

#include "core/delimited_text.h"
#include "core/file_io.h"

#include <utility>

namespace marunda {

Result<UpdateInfo> parseUpdateInfo(std::string_view bytes) {
    auto items = readDelimited(bytes, 3);
    if (!items) {
        return items.error();
    }
    auto& texts = items.value();
    return UpdateInfo{std::move(texts[0]), std::move(texts[1]), std::move(texts[2])};
}

Result<UpdateInfo> readUpdateFile(const std::filesystem::path& folder) {
    // Read with the download's cap: a huge file is not the document and is never shown whole.
    const auto bytes = readFileRange(folder / kUpdateFile, 0, kUpdateBodyLimit + 1);
    if (!bytes) {
        return bytes.error();
    }
    if (bytes.value().size() > kUpdateBodyLimit) {
        return makeError(ErrorCode::outOfRange, std::string(kUpdateFile));
    }
    return parseUpdateInfo(bytes.value());
}

Result<UpdateInfo> checkUpdateResponse(int httpStatus, std::string_view body) {
    if (httpStatus != 200) {
        return makeError(ErrorCode::badFormat, "HTTP status " + std::to_string(httpStatus));
    }
    if (body.size() > kUpdateBodyLimit) {
        return makeError(ErrorCode::outOfRange, std::to_string(body.size()) + " bytes");
    }
    return parseUpdateInfo(body);
}

Result<UpdateInfo> acceptUpdateResponse(const std::filesystem::path& folder, int httpStatus,
                                        std::string_view body) {
    auto info = checkUpdateResponse(httpStatus, body);
    if (!info) {
        return info;
    }
    if (auto written = replaceFileKeepingOld(folder / kUpdateFile, body); !written) {
        return written.error();
    }
    return info;
}

} // namespace marunda
