#pragma once

#include "core/record_store.h"

#include <filesystem>
#include <vector>

// A phone book at its largest size (32767 records, 33.4 MB) in a temporary folder, made once
// per process and removed at exit.
class FullBook {
public:
    static const FullBook& instance();

    const std::filesystem::path& folder() const { return folder_; }
    marunda::RecordStore store() const { return marunda::RecordStore(folder_); }
    static marunda::ContactRecord sampleRecord(int page);
    // Pages 1 to 32767, as a window that chose them all hands them over.
    static std::vector<int> everyPage();

    // Restores telefon.dat and bilgi.dat after a benchmark that changed them.
    void restore() const;

    FullBook(const FullBook&) = delete;
    FullBook& operator=(const FullBook&) = delete;
    ~FullBook();

private:
    FullBook();
    std::filesystem::path folder_;
};
