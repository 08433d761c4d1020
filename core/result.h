#pragma once

#include <string>
#include <utility>
#include <variant>

namespace marunda {

enum class ErrorCode {
    notFound,   // the file does not exist
    unreadable, // it exists but could not be opened or read
    unwritable, // it could not be created, written, flushed or replaced
    badFormat,  // its contents do not have the expected form
    fewerItems, // a delimited text held fewer items than asked for
    outOfRange, // a number lies outside what its field can hold
    bookFull,   // the next-page counter cannot be raised any further
    changed,    // what was read earlier is no longer what the file holds
    oldFormat,  // the data files are of the previous format and must be converted first
    ambiguous,  // the data files read as either format, and nothing tells which they are
};

struct Error {
    ErrorCode code;
    std::string detail; // the file or value concerned, for messages and tests
};

// A value or the reason there is none; the core reports failures this way, never by throwing.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value)
        : data_(std::move(value)) {}
    Result(Error error)
        : data_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(data_); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<T>(data_); }
    T& value() & { return std::get<T>(data_); }
    T&& value() && { return std::get<T>(std::move(data_)); }
    const Error& error() const { return std::get<Error>(data_); }
    T valueOr(T fallback) const { return ok() ? value() : std::move(fallback); }

private:
    std::variant<T, Error> data_;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error)
        : error_(std::move(error))
        , ok_(false) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const Error& error() const { return error_; }

private:
    Error error_{ErrorCode::badFormat, {}};
    bool ok_ = true;
};

inline Error makeError(ErrorCode code, std::string detail = {}) {
    return Error{code, std::move(detail)};
}

} // namespace marunda
