#include "core/password_file.h"

#include "core/cp1254.h"
#include "core/file_io.h"
#include "core/file_name.h"

namespace marunda {
namespace {

constexpr char kUnsetMarker = kPasswordFiller.front();
constexpr std::uint64_t kFirstCharacterOffset = 9;
constexpr std::uint64_t kCharacterStep = 20;

std::uint64_t characterOffset(int index) {
    return kFirstCharacterOffset + kCharacterStep * static_cast<std::uint64_t>(index);
}

// A byte that is not a digit counts as length 0.
int lengthOf(char marker) {
    return marker >= '0' && marker <= '9' ? marker - '0' : 0;
}

// Completes the file with the filler, continuing its pattern from where the file ends.
void padWithFiller(std::string& bytes) {
    for (auto at = bytes.size(); at < kPasswordFileSize; ++at) {
        bytes += kPasswordFiller[at % kPasswordFiller.size()];
    }
}

Error damaged(const std::filesystem::path& file) {
    return makeError(ErrorCode::badFormat, pathText(file));
}

} // namespace

PasswordFile::PasswordFile(const std::filesystem::path& folder)
    : file_(folder / kPasswordFile) {}

Result<void> PasswordFile::createIfMissing() const {
    auto exists = fileExists(file_);
    if (!exists) {
        return exists.error();
    }
    if (exists.value()) {
        return {};
    }
    std::string filler;
    padWithFiller(filler);
    const PreviousContents none;
    return replaceFile(file_, filler, &none);
}

Result<char> PasswordFile::readMarker() const {
    auto marker = readFileRange(file_, 0, 1);
    if (!marker) {
        return marker.error();
    }
    if (marker.value().empty()) {
        return damaged(file_);
    }
    return marker.value().front();
}

Result<bool> PasswordFile::passwordIsSet() const {
    auto marker = readMarker();
    if (!marker) {
        return marker.error();
    }
    return marker.value() != kUnsetMarker;
}

Result<std::string> PasswordFile::readPassword() const {
    auto marker = readMarker();
    if (!marker) {
        return marker.error();
    }
    const int length = lengthOf(marker.value());
    if (length == 0) {
        return std::string();
    }
    const auto span =
        static_cast<std::size_t>(characterOffset(length - 1) - kFirstCharacterOffset + 1);
    auto bytes = readFileRange(file_, kFirstCharacterOffset, span);
    if (!bytes) {
        return bytes.error();
    }
    if (bytes.value().size() < span) {
        return damaged(file_);
    }
    std::string stored;
    for (int k = 0; k < length; ++k) {
        stored +=
            bytes.value()[static_cast<std::size_t>(kCharacterStep) * static_cast<std::size_t>(k)];
    }
    return decodeCp1254(stored);
}

Result<void> PasswordFile::replaceWith(const std::function<void(std::string&)>& change) const {
    auto old = readFile(file_);
    if (!old) {
        return old.error();
    }
    std::string bytes = old.value();
    padWithFiller(bytes);
    change(bytes);
    const PreviousContents previous{true, old.value()};
    return replaceFile(file_, bytes, &previous);
}

Result<void> PasswordFile::writePassword(std::string_view password) const {
    const auto characters = utf8ToUtf32(password);
    if (characters.size() > static_cast<std::size_t>(kMaxPasswordLength)) {
        return makeError(ErrorCode::outOfRange, std::to_string(characters.size()));
    }
    std::string bytes;
    for (char32_t ch : characters) {
        const auto byte = unicodeToCp1254(ch);
        if (!byte) {
            std::string refused;
            appendUtf8(refused, ch);
            return makeError(ErrorCode::badFormat, refused);
        }
        bytes += static_cast<char>(*byte);
    }
    return replaceWith([&](std::string& file) {
        for (std::size_t k = 0; k < bytes.size(); ++k) {
            file[characterOffset(static_cast<int>(k))] = bytes[k];
        }
        file[0] = static_cast<char>('0' + bytes.size());
    });
}

Result<void> PasswordFile::clearPassword() const {
    return replaceWith([](std::string& file) { file[0] = kUnsetMarker; });
}

} // namespace marunda
