#pragma once

#include "core/export.h"

#include <array>
#include <string_view>
#include <vector>

// The files the phone book keeps in its folder, named once for everyone who handles them: the
// programs' start-up, Kur's backup and removal, the installation medium and the conversion.
namespace marunda {

inline constexpr std::string_view kBookFile = "telefon.dat";
inline constexpr std::string_view kCounterFile = "bilgi.dat";
inline constexpr std::string_view kPasswordFile = "data.dat";
inline constexpr std::string_view kUpdateFile = "update.upd";
inline constexpr std::string_view kScratchFile = "sirali.tmp";
inline constexpr std::string_view kDeleteScratchFile = "sil.txt";
inline constexpr std::string_view kListingScratchFile = "dokum.tmp";
// The converted book, written whole before it is renamed over telefon.dat.
inline constexpr std::string_view kTemporaryBook = "telefon.tmp";

enum class BookFileRole {
    data,    // the user's contacts and password: what a backup saves
    news,    // what the update check keeps
    scratch, // a program's own, left behind only by an interruption
};

struct BookFile {
    std::string_view name;
    BookFileRole role;
    // Rewritten through the safe replacement, whose interrupted temporaries start-up clears.
    bool replacedWhole;
};

inline constexpr std::array kBookFiles{
    BookFile{kBookFile, BookFileRole::data, true},
    BookFile{kCounterFile, BookFileRole::data, true},
    BookFile{kPasswordFile, BookFileRole::data, true},
    BookFile{kUpdateFile, BookFileRole::news, true},
    BookFile{kScratchFile, BookFileRole::scratch, false},
    BookFile{kDeleteScratchFile, BookFileRole::scratch, false},
    BookFile{kListingScratchFile, BookFileRole::scratch, false},
    BookFile{kTemporaryBook, BookFileRole::scratch, false},
};

// The names of the book's files of `role`, in the table's order.
MARUNDA_CORE_EXPORT std::vector<std::string_view> bookFileNames(BookFileRole role);
// The names of the files rewritten through the safe replacement.
MARUNDA_CORE_EXPORT std::vector<std::string_view> replacedBookFiles();

} // namespace marunda
