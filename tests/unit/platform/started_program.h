#pragma once

#include "core/program_folder.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

// Copies the small program that reports how it was started into `folder`, starts it detached
// and returns its report; empty (and the test failed) when it did not start or never reported.
inline std::string startedProgramReport(const std::filesystem::path& folder,
                                        const std::vector<std::string>& arguments = {}) {
    namespace fs = std::filesystem;
    fs::create_directories(folder);
    const fs::path program = folder / STARTED_PROGRAM_FILE_NAME;
    fs::copy_file(marunda::programFolder() / STARTED_PROGRAM_FILE_NAME, program);
    auto started = marunda::platform::startDetached(program, arguments);
    if (!started) {
        ADD_FAILURE() << "not started: " << started.error().detail;
        return {};
    }
    // Not waited for: the report comes when it comes, but a program that never runs must fail
    // the test rather than hang it.
    const fs::path report = folder / "started.txt";
    for (int tries = 0; tries < 600 && !fs::exists(report); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::ifstream in(report, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_FALSE(text.empty()) << "the started program never reported";
    return text;
}
