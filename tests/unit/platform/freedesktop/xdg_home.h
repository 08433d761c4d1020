#pragma once

#include "temp_folder.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

// HOME and the XDG folders of a test point into a temporary folder: nothing of the real user's
// menus, desktop or autostart is read or touched. The old values come back afterwards.
class XdgHome {
public:
    XdgHome() {
        set("HOME", home_.path().string());
        set("XDG_DATA_HOME", (home_ / "data").string());
        set("XDG_CONFIG_HOME", (home_ / "config").string());
        set("XDG_DATA_DIRS", (home_ / "system-data").string());
        set("XDG_CONFIG_DIRS", (home_ / "system-config").string());
    }
    ~XdgHome() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }
    XdgHome(const XdgHome&) = delete;
    XdgHome& operator=(const XdgHome&) = delete;

    const TempFolder& folder() const { return home_; }

    void set(const std::string& name, const std::string& value) {
        if (!saved_.contains(name)) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        setenv(name.c_str(), value.c_str(), 1);
    }

private:
    TempFolder home_;
    std::map<std::string, std::optional<std::string>> saved_;
};
