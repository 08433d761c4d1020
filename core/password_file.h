#pragma once

#include "core/book_files.h"
#include "core/export.h"
#include "core/result.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace marunda {

inline constexpr std::string_view kPasswordFiller = "kwzdofelpyrxuvajbs\xFDh"; // ı is 0xFD
inline constexpr int kMaxPasswordLength = 9;
inline constexpr std::size_t kPasswordFileSize = 2000;

// data.dat: byte 1 is the filler's first character while no password is set, otherwise the
// password's length as one digit; character k lies at byte 10 + 20 (k - 1). Only those bytes are
// ever read or written, so the filler and the characters of an earlier, longer password stay put.
//
// A file too short to hold byte 1, or the characters its length digit names, is damaged: reading
// it fails with badFormat instead of yielding part of a password. Writing completes such a file
// with the filler up to its full size.
//
// Setting, changing and removing replace the whole file at once, so that whatever happens the old
// or the new password holds, and a reported failure leaves the old one.
class MARUNDA_CORE_EXPORT PasswordFile {
public:
    // The password file in `folder`.
    explicit PasswordFile(const std::filesystem::path& folder);

    const std::filesystem::path& file() const { return file_; }

    // First-run creation: the filler alone, no password. An existing file is kept.
    Result<void> createIfMissing() const;

    // notFound when data.dat is missing.
    Result<bool> passwordIsSet() const;
    // The stored password (UTF-8); empty when none is set or its length is 0.
    Result<std::string> readPassword() const;
    // Refuses more than nine characters (outOfRange) and characters that code page 1254 cannot
    // hold (badFormat, the character as detail) before writing anything.
    Result<void> writePassword(std::string_view password) const;
    // Marks the password as unset; its characters stay where they are.
    Result<void> clearPassword() const;

private:
    Result<char> readMarker() const;
    Result<void> replaceWith(const std::function<void(std::string&)>& change) const;

    std::filesystem::path file_;
};

} // namespace marunda
