#pragma once

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

// A program's file: its own name and this system's suffix.
inline std::string programName(std::string_view program) {
    return std::string(program) + std::string(kProgramSuffix);
}

} // namespace marunda::platform
