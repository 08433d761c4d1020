#pragma once

#include "platform/program_files.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

// What the installation medium holds and where each file goes.
namespace marunda::installer {

using platform::kLibrarySuffix;
using platform::kProgramSuffix;
using platform::programName;

struct InstalledFile {
    std::string source;      // in the installer's folder
    std::string destination; // in the installation folder
    bool program;            // gets the executable bit
    int progressAfter;
};

// The runtime the programs load that the system does not have (Qt and the compiler's runtime on
// Windows; none elsewhere): on the medium in this folder, as a private assembly that the
// installer's manifest names, so that the installer's copy in the Windows folder finds it beside
// itself. The programs get its files beside them.
inline constexpr std::string_view kRuntimeFolder = "Marunda.Qt";
inline constexpr std::string_view kRuntimeManifest = "Marunda.Qt.manifest";
// Paths relative to the runtime folder, with '/' between folders.
std::span<const std::string> runtimeFiles();
// A runtime file as it lies on the medium.
std::string runtimeSource(const std::string& file);
// What the installer's copy needs beside it in its runtime folder: the manifest and the runtime
// files; empty where the system has the runtime.
std::span<const std::string> uninstallerRuntime();

// The programs' icons, by the names of our own that the system knows them under where desktop
// entries name their icons from a theme; the medium carries a picture of each at every size of
// kThemeIconSizes (none on Windows, where each program's file carries its icon).
using platform::kThemeIconSizes;
inline constexpr std::string_view kTelefonIcon = "marunda-telefon";
inline constexpr std::string_view kZiloraIcon = "marunda-zilora";
inline constexpr std::string_view kKurIcon = "marunda-kur";
inline constexpr std::string_view kDonusturucuIcon = "marunda-donusturucu";
std::span<const std::string_view> programIcons();
// The picture of `icon` at `size` pixels as it lies on the medium.
std::string iconSource(std::string_view icon, int size);

// In the order of copying.
std::span<const InstalledFile> installedFiles();
// The order in which the sources are checked before anything is done.
std::span<const std::string> requiredSources();

// The installer's copy in the Windows folder, which the removal item starts.
std::string uninstallerName();

// What the phone book writes into its folder (data, news and scratch files): the removal deletes
// these and the installed files, nothing else.
std::span<const std::string> bookFiles();

} // namespace marunda::installer
