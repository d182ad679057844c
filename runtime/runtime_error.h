#pragma once

#include <cstdint>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <utility>

namespace sagelight::rt {

// Run-time error numbers the program can raise, with the customary meanings.
enum ErrorNumber : std::int32_t {
  kErrInvalidCall = 5,
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrDivisionByZero = 11,
  kErrBadFileNumber = 52,
  kErrFileNotFound = 53,
  kErrFileAlreadyOpen = 55,
  kErrDeviceIo = 57,
  kErrBadRecordNumber = 63,
  kErrDiskFull = 61,
  kErrTooManyFiles = 67,
  kErrDeviceUnavailable = 68,
  kErrPermissionDenied = 70,
  kErrPathFileAccess = 75,
  kErrPathNotFound = 76,
  kErrNoSuchMember = 438,
};

// A run-time error: the only way failures travel through the program.
// Handlers catch it by this type; the end of the program is deliberately
// not a RuntimeError, so no handler can swallow it.
class RuntimeError : public std::exception {
 public:
  explicit RuntimeError(std::int32_t number);
  RuntimeError(std::int32_t number, std::string description);

  [[nodiscard]] std::int32_t Number() const noexcept { return number_; }
  [[nodiscard]] const std::string& Description() const noexcept { return description_; }
  [[nodiscard]] const char* what() const noexcept override { return description_.c_str(); }

  // The file that an error of a file operation concerns, as this machine
  // names it; empty for other errors. It stays out of the description,
  // which handlers show as it stands.
  [[nodiscard]] const std::string& File() const noexcept { return file_; }
  void SetFile(std::string file) { file_ = std::move(file); }

 private:
  std::int32_t number_;
  std::string description_;
  std::string file_;
};

// The standard description of an error number ("Overflow", "Disk full", ...).
std::string DescribeError(std::int32_t number);

[[noreturn]] void Raise(std::int32_t number);
[[noreturn]] void RaiseForFile(std::int32_t number, std::string file);

// Runs `body` under an error handler: a run-time error raised in it or in
// what it calls, memory running out included, ends it and goes to `handler`.
// An error raised by the handler itself is not caught here.
template <typename Body, typename Handler>
void OnError(const Body& body, const Handler& handler) {
  std::optional<RuntimeError> caught;
  try {
    body();
  } catch (const RuntimeError& error) {
    caught = error;
  } catch (const std::bad_alloc&) {
    caught = RuntimeError(kErrOutOfMemory);
  }
  if (caught) {
    handler(*caught);
  }
}

}  // namespace sagelight::rt
