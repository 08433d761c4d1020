#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// Reading desktop entries back as a desktop would: the key's raw value, the string escapes
// undone; and what desktop-file-validate says of a file.

// The raw value of `key` in the text; empty when missing.
inline std::string entryValue(const std::string& text, const std::string& key) {
    const std::string start = key + "=";
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        std::string line = text.substr(at, end - at);
        if (line.rfind(start, 0) == 0) {
            return line.substr(start.size());
        }
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return {};
}

inline std::string unescapedValue(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            out += value[i];
        }
    }
    return out;
}

// The output of a command (with its error output), empty when it said nothing.
inline std::string commandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) {
            out += buffer;
        }
        pclose(pipe);
    }
    return out;
}

// What desktop-file-validate finds wrong (errors and warnings; hints are advice).
inline std::string validationFaults(const std::filesystem::path& file) {
    std::string faults;
    std::string report = commandOutput("desktop-file-validate '" + file.string() + "'");
    for (std::size_t at = 0; at < report.size();) {
        std::size_t end = report.find('\n', at);
        std::string line = report.substr(at, end - at);
        if (line.find("hint: ") == std::string::npos) {
            faults += line + "\n";
        }
        at = end == std::string::npos ? report.size() : end + 1;
    }
    return faults;
}
