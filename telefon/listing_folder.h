#pragma once

#include <QString>

#include <filesystem>

// How the listing windows show a folder: the platform's separators, and lower case only where
// the file system ignores case (lower-casing a Linux path would name another folder).
QString listingFolderText(const QString& path);
QString listingFolderText(const std::filesystem::path& path);
