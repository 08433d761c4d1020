#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

// How this system names the suite's programs and libraries, and the tune that lies beside them.
namespace marunda::platform {

#ifdef _WIN32
inline constexpr std::string_view kProgramSuffix = ".exe";
inline constexpr std::string_view kLibrarySuffix = ".dll";
#else
inline constexpr std::string_view kProgramSuffix = "";
inline constexpr std::string_view kLibrarySuffix = ".so";
#endif

// The programs by their own names.
inline constexpr std::string_view kTelefon = "Telefon";
inline constexpr std::string_view kZilora = "Zilora";
inline constexpr std::string_view kDonusturucu = "Donusturucu";
// What Zilora plays.
inline constexpr std::string_view kTuneFile = "Zilora.wav";

// Every program's icon is drawn at these sizes, the ones Windows' icon files and the hicolor
// icon theme expect.
inline constexpr std::array kIconSizes{16, 24, 32, 48, 256};
// The sizes of the icon pictures the installation gives the system, where desktop entries name
// their icons from a theme; none where a program's file carries its own icon (Windows).
#ifdef _WIN32
inline constexpr std::span<const int> kThemeIconSizes{};
#else
inline constexpr std::span<const int> kThemeIconSizes{kIconSizes};
#endif

// A program's file: its own name and this system's suffix.
inline std::string programName(std::string_view program) {
    return std::string(program) + std::string(kProgramSuffix);
}

} // namespace marunda::platform
