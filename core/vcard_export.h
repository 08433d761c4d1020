#pragma once

#include "core/book_image.h"
#include "core/export.h"
#include "core/record_store.h"
#include "core/result.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace marunda {

inline constexpr std::string_view kVcardExtension = ".vcf";

// A file name that asks for a vCard file rather than a text listing: it ends in ".vcf", in any
// case.
MARUNDA_CORE_EXPORT bool isVcardFileName(std::string_view name);

// The file: the folder, a separator unless it ends with one, and the name as typed (UTF-8).
MARUNDA_CORE_EXPORT std::filesystem::path vcardTarget(std::string_view folder,
                                                      std::string_view name);

// The vCard 3.0 file of the 1-based `pages`, in the order given, every non-empty field of each.
MARUNDA_CORE_EXPORT std::string vcardFileOf(const BookImage& book, std::span<const int> pages);

// Writes that file from one read of the book, by replacement, as the text listing is written:
// pages past the end of telefon.dat read as blank records; a page below 1 is refused with
// outOfRange before anything is written.
MARUNDA_CORE_EXPORT Result<void> exportVcards(const RecordStore& store, std::span<const int> pages,
                                              const std::filesystem::path& target);

} // namespace marunda
