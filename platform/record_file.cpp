#include "platform/record_file.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <limits>

#include "platform/runtime.h"
#include "platform/runtime_error.h"

namespace sagelight::rt {
namespace {

std::array<OpenFile, kMaxFileNumber + 1>& Files() { return Runtime::Current().Files(); }

std::int32_t ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return kErrPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return kErrPathFileAccess;
    case ENOSPC:
    case EFBIG:
      return kErrDiskFull;
    case EMFILE:
    case ENFILE:
      return kErrTooManyFiles;
    case ENOMEM:
      return kErrOutOfMemory;
    default:
      return kErrDeviceIo;
  }
}

[[noreturn]] void RaiseFromErrno() { Raise(ErrorFromErrno(errno)); }

OpenFile& Slot(std::int16_t file_number) {
  if (file_number < 1 || file_number > kMaxFileNumber) {
    Raise(kErrBadFileNumber);
  }
  return Files()[static_cast<std::size_t>(file_number)];
}

OpenFile& OpenSlot(std::int16_t file_number) {
  OpenFile& file = Slot(file_number);
  if (file.stream == nullptr) {
    Raise(kErrBadFileNumber);
  }
  return file;
}

// Positions the stream at the start of a record, checking that the offset
// fits the stream's offset type.
void SeekRecord(const OpenFile& file, std::int32_t record_number) {
  if (record_number < 1) {
    Raise(kErrBadRecordNumber);
  }
  const long long offset = static_cast<long long>(record_number - 1) * file.record_length;
  if (offset > std::numeric_limits<long>::max()) {
    Raise(kErrBadRecordNumber);
  }
  if (std::fseek(file.stream, static_cast<long>(offset), SEEK_SET) != 0) {
    RaiseFromErrno();
  }
}

}  // namespace

std::int16_t FreeFile() {
  for (std::int16_t number = 1; number <= kMaxFileNumber; ++number) {
    if (Files()[static_cast<std::size_t>(number)].stream == nullptr) {
      return number;
    }
  }
  Raise(kErrTooManyFiles);
}

void OpenRandom(std::int16_t file_number, const std::string& path, std::int32_t record_length) {
  OpenFile& file = Slot(file_number);
  if (file.stream != nullptr) {
    Raise(kErrFileAlreadyOpen);
  }
  if (record_length < 1) {
    Raise(kErrInvalidCall);
  }
  // "r+b" neither creates nor truncates. When the file is missing, create it
  // with "ab", which never truncates a file that another process made in the
  // meantime, and open it again.
  errno = 0;
  std::FILE* stream = std::fopen(path.c_str(), "r+b");
  if (stream == nullptr && errno == ENOENT) {
    std::FILE* created = std::fopen(path.c_str(), "ab");
    if (created == nullptr) {
      RaiseFromErrno();
    }
    std::fclose(created);
    stream = std::fopen(path.c_str(), "r+b");
  }
  if (stream == nullptr) {
    RaiseFromErrno();
  }
  // Unbuffered, so that a failing write reports its error at once rather
  // than at close.
  std::setvbuf(stream, nullptr, _IONBF, 0);
  file.stream = stream;
  file.record_length = record_length;
}

std::int32_t FileLength(std::int16_t file_number) {
  const OpenFile& file = OpenSlot(file_number);
  if (std::fseek(file.stream, 0, SEEK_END) != 0) {
    RaiseFromErrno();
  }
  const long length = std::ftell(file.stream);
  if (length < 0) {
    RaiseFromErrno();
  }
  if (length > std::numeric_limits<std::int32_t>::max()) {
    Raise(kErrOverflow);
  }
  return static_cast<std::int32_t>(length);
}

void PutRecord(std::int16_t file_number, std::int32_t record_number, const char* data,
               std::size_t size) {
  const OpenFile& file = OpenSlot(file_number);
  SeekRecord(file, record_number);
  errno = 0;
  if (std::fwrite(data, 1, size, file.stream) != size) {
    RaiseFromErrno();
  }
}

void GetRecord(std::int16_t file_number, std::int32_t record_number, char* data, std::size_t size) {
  const OpenFile& file = OpenSlot(file_number);
  SeekRecord(file, record_number);
  errno = 0;
  const std::size_t got = std::fread(data, 1, size, file.stream);
  if (got < size && std::ferror(file.stream) != 0) {
    RaiseFromErrno();
  }
}

void Close(std::int16_t file_number) {
  OpenFile& file = OpenSlot(file_number);
  std::FILE* stream = file.stream;
  file.stream = nullptr;
  if (std::fclose(stream) != 0) {
    RaiseFromErrno();
  }
}

void CloseAll() noexcept {
  if (!Runtime::Started()) {
    return;
  }
  for (OpenFile& file : Runtime::Current().Files()) {
    if (file.stream != nullptr) {
      std::fclose(file.stream);
      file.stream = nullptr;
    }
  }
}

int OpenFileCount() noexcept {
  int count = 0;
  if (!Runtime::Started()) {
    return count;
  }
  for (const OpenFile& file : Runtime::Current().Files()) {
    count += file.stream != nullptr ? 1 : 0;
  }
  return count;
}

}  // namespace sagelight::rt
