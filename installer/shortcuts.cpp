#include "installer/shortcuts.h"

#include "installer/medium.h"

namespace marunda::installer {
namespace fs = std::filesystem;

namespace {

// Telefon imports the contacts of the vCard files it is opened with.
const std::vector<std::string> kTelefonOpens{"text/vcard", "text/x-vcard"};

} // namespace

std::vector<platform::Shortcut> groupItems(const fs::path& folder, const fs::path& windowsFolder) {
    return {
        {"telefon",
         "Marunda",
         folder / programName(platform::kTelefon),
         {},
         kTelefonOpens,
         std::string(kTelefonIcon)},
        {"kaldir",
         "Programı Kaldır",
         windowsFolder / uninstallerName(),
         {},
         {},
         std::string(kKurIcon)},
        {"zilora", "Selvira", reminderProgram(folder), {}, {}, std::string(kZiloraIcon)},
        {"donusturucu",
         "Dorvex",
         folder / programName(platform::kDonusturucu),
         {},
         {},
         std::string(kDonusturucuIcon)},
    };
}

platform::Shortcut desktopShortcut(const fs::path& folder) {
    return {
        "telefon",     std::string(kDesktopCaption), folder / programName(platform::kTelefon), {},
        kTelefonOpens, std::string(kTelefonIcon)};
}

fs::path reminderProgram(const fs::path& folder) {
    return folder / programName(platform::kZilora);
}

bool installProgramIcons(const fs::path& medium) {
    bool all = true;
    for (const auto icon : programIcons()) {
        std::vector<platform::IconPicture> pictures;
        for (const int size : kThemeIconSizes) {
            pictures.push_back({size, medium / iconSource(icon, size)});
        }
        all = platform::installIcon(icon, pictures).ok() && all;
    }
    return all;
}

bool removeProgramIcons() {
    bool all = true;
    for (const auto icon : programIcons()) {
        all = platform::removeIcon(icon).ok() && all;
    }
    return all;
}

} // namespace marunda::installer
