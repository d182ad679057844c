#include "runtime/runtime_error.h"

#include <utility>

namespace sagelight::rt {

RuntimeError::RuntimeError(std::int32_t number) : RuntimeError(number, DescribeError(number)) {}

RuntimeError::RuntimeError(std::int32_t number, std::string description)
    : number_(number), description_(std::move(description)) {}

std::string DescribeError(std::int32_t number) {
  switch (number) {
    case kErrInvalidCall:
      return "Invalid procedure call or argument";
    case kErrOverflow:
      return "Overflow";
    case kErrOutOfMemory:
      return "Out of memory";
    case kErrDivisionByZero:
      return "Division by zero";
    case kErrBadFileNumber:
      return "Bad file name or number";
    case kErrFileNotFound:
      return "File not found";
    case kErrFileAlreadyOpen:
      return "File already open";
    case kErrDeviceIo:
      return "Device I/O error";
    case kErrBadRecordNumber:
      return "Bad record number";
    case kErrDiskFull:
      return "Disk full";
    case kErrTooManyFiles:
      return "Too many files";
    case kErrDeviceUnavailable:
      return "Device unavailable";
    case kErrPermissionDenied:
      return "Permission denied";
    case kErrPathFileAccess:
      return "Path/File access error";
    case kErrPathNotFound:
      return "Path not found";
    case kErrNoSuchMember:
      return "Object doesn't support this property or method";
    default:
      return "Application-defined or object-defined error";
  }
}

void Raise(std::int32_t number) { throw RuntimeError(number); }

void RaiseForFile(std::int32_t number, std::string file) {
  RuntimeError error(number);
  error.SetFile(std::move(file));
  throw error;
}

}  // namespace sagelight::rt
