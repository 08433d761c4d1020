#include "installer/medium.h"

#include "core/book_files.h"

#include <array>
#include <vector>

namespace marunda::installer {

namespace {

std::string library(std::string_view name) {
    return "lib" + std::string(name) + std::string(kLibrarySuffix);
}

} // namespace

std::string runtimeSource(const std::string& file) {
    return std::string(kRuntimeFolder) + "/" + file;
}

std::string uninstallerName() {
    return programName("Telefon_Kur_17");
}

std::span<const std::string> runtimeFiles() {
    static const std::vector<std::string> files{
#include "runtime_files.inc"
    };
    return files;
}

std::span<const std::string> uninstallerRuntime() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> list;
        if (!runtimeFiles().empty()) {
            list.push_back(std::string(kRuntimeManifest));
            list.insert(list.end(), runtimeFiles().begin(), runtimeFiles().end());
        }
        return list;
    }();
    return files;
}

std::span<const std::string_view> programIcons() {
    static constexpr std::array icons{kTelefonIcon, kZiloraIcon, kKurIcon, kDonusturucuIcon};
    return icons;
}

std::string iconSource(std::string_view icon, int size) {
    return std::string(icon) + "-" + std::to_string(size) + ".png";
}

std::span<const InstalledFile> installedFiles() {
    static const std::vector<InstalledFile> files = [] {
        std::vector<InstalledFile> list{
            {"dosya1.dat", programName(platform::kTelefon), true, 30},
            {"dosya2.dat", programName(platform::kZilora), true, 40},
            {"dosya3.dat", std::string(platform::kTuneFile), false, 45},
            {"dosya4.dat", programName(platform::kDonusturucu), true, 47},
            {library("marunda_core"), library("marunda_core"), false, 50},
            {library("marunda_ui"), library("marunda_ui"), false, 60},
            {library("marunda_update"), library("marunda_update"), false, 65},
        };
        for (const auto& file : runtimeFiles()) {
            list.push_back({runtimeSource(file), file, false, 65});
        }
        return list;
    }();
    return files;
}

std::span<const std::string> requiredSources() {
    static const std::vector<std::string> sources = [] {
        std::vector<std::string> list{"dosya1.dat",          "dosya2.dat",
                                      "dosya3.dat",          library("marunda_core"),
                                      library("marunda_ui"), library("marunda_update"),
                                      "dosya4.dat"};
        for (const auto& file : uninstallerRuntime()) {
            list.push_back(runtimeSource(file));
        }
        for (const auto icon : programIcons()) {
            for (const int size : kThemeIconSizes) {
                list.push_back(iconSource(icon, size));
            }
        }
        return list;
    }();
    return sources;
}

std::span<const std::string> bookFiles() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> names;
        for (const auto& file : kBookFiles) {
            names.emplace_back(file.name);
        }
        return names;
    }();
    return files;
}

} // namespace marunda::installer
