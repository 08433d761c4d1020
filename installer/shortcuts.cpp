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
        {"telefon", "Marunda", folder / programName(platform::kTelefon), {}, kTelefonOpens},
        {"kaldir", "Programı Kaldır", windowsFolder / uninstallerName(), {}},
        {"zilora", "Selvira", reminderProgram(folder), {}},
        {"donusturucu", "Dorvex", folder / programName(platform::kDonusturucu), {}},
    };
}

platform::Shortcut desktopShortcut(const fs::path& folder) {
    return {"telefon",
            std::string(kDesktopCaption),
            folder / programName(platform::kTelefon),
            {},
            kTelefonOpens};
}

fs::path reminderProgram(const fs::path& folder) {
    return folder / programName(platform::kZilora);
}

} // namespace marunda::installer
