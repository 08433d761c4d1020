#pragma once

#include "core/contact_record.h"
#include "core/export.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// Telefon's command line: `Telefon [--sayfa N --isim AD] [file.vcf ...]`.
namespace marunda {

// Show page `page` if its name, as the main window's blank-run cut shows it, is still `name`.
struct PageRequest {
    int page = 0;
    std::string name; // UTF-8

    bool operator==(const PageRequest&) const = default;
};

struct TelefonArguments {
    std::optional<PageRequest> page; // only with both options and a page number of the book's range
    std::vector<std::string> files;  // vCard files to import, in the order given

    bool operator==(const TelefonArguments&) const = default;
};

// The arguments after the program's name. Other options are passed over; after "--" every
// argument is a file.
MARUNDA_CORE_EXPORT TelefonArguments parseTelefonArguments(std::span<const std::string> arguments);

// Whether `record` still bears the name the request was made for.
MARUNDA_CORE_EXPORT bool stillNamed(const ContactRecord& record, const PageRequest& request);

} // namespace marunda
