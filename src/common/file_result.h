// The outcome of reading or writing one of the program's files: what was read,
// or what went wrong. Functions that touch files return it and tell nobody; the
// window decides what the user is told.
#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace noktaris {

// What went wrong: the system's text for it ("File not found", "Path not found",
// "Access denied", ..., or "Read beyond end of file" for a line that is not there)
// and, only when writing failed, its errno.
struct FileError {
    QString message;
    int systemError = 0;
    bool writeFailed() const { return systemError != 0; }
};

// The error of a file that could not be opened, told apart by errno.
FileError openFailure(const QString& path, int code);
// The error of a write that failed with errno `code`.
FileError writeFailure(int code);
// A line, record or field the file should hold and does not.
FileError missingInFile();

// The value read, or the error. A failed result may still carry what could be
// read before the failure (the constants of config.ini read before a missing one).
template <class T = void>
class [[nodiscard]] FileResult {
public:
    FileResult(T value) : value_(std::move(value)) {}
    FileResult(FileError error, T partial = T{}) : value_(std::move(partial)), error_(std::move(error)) {}

    bool ok() const { return !error_; }
    explicit operator bool() const { return ok(); }
    // What was read; after a failure, what could be read before it.
    const T& value() const { return value_; }
    const T& operator*() const { return value_; }
    const T* operator->() const { return &value_; }
    // Only after a failure.
    const FileError& error() const { return *error_; }

private:
    T value_;
    std::optional<FileError> error_;
};

template <>
class [[nodiscard]] FileResult<void> {
public:
    FileResult() = default;
    FileResult(FileError error) : error_(std::move(error)) {}

    bool ok() const { return !error_; }
    explicit operator bool() const { return ok(); }
    const FileError& error() const { return *error_; }

private:
    std::optional<FileError> error_;
};

} // namespace noktaris
