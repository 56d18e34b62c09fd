// The error kinds of the program: every failure is raised as one of these and
// shown to the user by ReportError where the event was dispatched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

// Where a message holds a text that came from the system (a path): those
// bytes are in the ANSI code page, the rest is the program's own text (CP932).
// On a Japanese system the two are the same; elsewhere a screen shows each
// part converted from its own code page.
struct TTextSpan {
    std::size_t Offset = 0;
    std::size_t Length = 0;
};

class Exception : public std::exception {
public:
    explicit Exception(std::string message, TTextSpan systemText = {})
        : message_(std::move(message)), systemText_(systemText) {}
    const std::string& Message() const noexcept { return message_; }
    const TTextSpan& SystemText() const noexcept { return systemText_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
    TTextSpan systemText_;
};

// A failed officer file operation; the message is chosen by the I/O code.
class EInOutError : public Exception {
public:
    explicit EInOutError(std::int32_t code);
    // The same about one file or folder: "PATH: reason", the path as system
    // text; the reason is NamedIoErrorMessage(code), or the one given.
    EInOutError(std::int32_t code, const std::string& object);
    EInOutError(std::int32_t code, const std::string& object, const std::string& reason);
    std::int32_t ErrorCode() const noexcept { return code_; }

private:
    std::int32_t code_;
};

// A write to the settings file that the platform refused.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

// An allocation that could not be satisfied.
class EOutOfMemory : public Exception {
public:
    EOutOfMemory();
};

// A system call that failed for a reason other than memory: what could not be
// done, and the system's error code (GetLastError or errno).
class ESystemError : public Exception {
public:
    ESystemError(const std::string& what, std::int32_t code);
    std::int32_t ErrorCode() const noexcept { return code_; }

private:
    std::int32_t code_;
};

// The cause's message after a prefix of the program's own, its system text
// (a path) moved along with it.
Exception PrefixedError(const std::string& prefix, const Exception& cause);

// Raises an error that was kept for later (a run's outcome), as an Exception
// of the same message.
[[noreturn]] void RaiseKeptError(const Exception& error);

// The message of an I/O error with the given code: the program's own text
// (CP932 on Windows), not the system's. Kasumiro.exe's rewrite shows it alone.
std::string IoErrorMessage(std::int32_t code);
// The reason given after a path: the same, except that a full disk says so
// in words on every platform.
std::string NamedIoErrorMessage(std::int32_t code);

// The reasons for a folder that is not there, for something else in its
// place, and for a file larger than its reader takes.
inline constexpr char kFolderNotFoundText[] = "フォルダが見つかりません";
inline constexpr char kNotAFolderText[] = "フォルダではありません";
inline constexpr char kFileTooLargeText[] = "ファイルが大きすぎます";

// The text the error box shows for a message: "." is appended when the
// message's last character orders after ".".
std::string ErrorBoxText(const std::string& message);

// Turns the exception being handled into one of ours, so that every caught
// failure can be reported the same way. Call only inside a catch block.
Exception CurrentExceptionAsError();
