#include "runtime/record_file.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <limits>

#ifdef _WIN32
#include <io.h>

#include <filesystem>
#include <system_error>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

#include "runtime/runtime_error.h"

namespace sagelight::rt {
namespace {

struct OpenFile {
  std::FILE* stream = nullptr;
  std::int32_t record_length = 0;
  std::string path;  // named in the errors the file raises
};

// The process's open files by number; the runtime closes them all when its
// process ends.
std::array<OpenFile, kMaxFileNumber + 1> g_files;

std::array<OpenFile, kMaxFileNumber + 1>& Files() { return g_files; }

// What each failure of the system's file calls means to the program. A
// folder on the way that is missing or is a file is a path not found; the
// program's own open creates a missing file, so ENOENT never means the file.
// Where the system has no such code, its line is left out.
struct ErrnoError {
  int error;
  std::int32_t number;
};

constexpr ErrnoError kErrnoErrors[] = {
    {ENOENT, kErrPathNotFound},
    {ENOTDIR, kErrPathNotFound},
    // The name itself is unusable, or the number no longer names a file.
    {ENAMETOOLONG, kErrBadFileNumber},
    {EINVAL, kErrBadFileNumber},
    {EBADF, kErrBadFileNumber},
    // The path leads to something that cannot be opened for reading and
    // writing record by record.
    {EACCES, kErrPathFileAccess},
    {EISDIR, kErrPathFileAccess},
    {EROFS, kErrPathFileAccess},
    {ESPIPE, kErrPathFileAccess},
#ifdef ELOOP
    {ELOOP, kErrPathFileAccess},
#endif
    // Refused whoever asks, or held by someone else.
    {EPERM, kErrPermissionDenied},
    {EBUSY, kErrPermissionDenied},
    {EAGAIN, kErrPermissionDenied},
#ifdef ETXTBSY
    {ETXTBSY, kErrPermissionDenied},
#endif
    {ENXIO, kErrDeviceUnavailable},
    {ENODEV, kErrDeviceUnavailable},
    // No room: the disk, the user's quota or the file-size limit.
    {ENOSPC, kErrDiskFull},
    {EFBIG, kErrDiskFull},
#ifdef EDQUOT
    {EDQUOT, kErrDiskFull},
#endif
    {EMFILE, kErrTooManyFiles},
    {ENFILE, kErrTooManyFiles},
    {ENOMEM, kErrOutOfMemory},
#ifdef EOVERFLOW
    {EOVERFLOW, kErrOverflow},
#endif
    {EIO, kErrDeviceIo},
};

[[noreturn]] void RaiseFromErrno(int error, const std::string& path) {
  RaiseForFile(ErrorFromErrno(error), path);
}

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

// The stream's length in bytes, in 64 bits on every system; -1 with errno
// set when the stream cannot tell.
long long StreamLength(std::FILE* stream) {
#ifdef _WIN32
  return _fseeki64(stream, 0, SEEK_END) == 0 ? _ftelli64(stream) : -1;
#else
  return fseeko(stream, 0, SEEK_END) == 0 ? static_cast<long long>(ftello(stream)) : -1;
#endif
}

// A record written in part would leave every later record out of step, so
// a failed write takes back what it added: the file returns to the length
// it had before, where the write grew it. A write inside the file, or one
// to a device, is left as it is.
void TakeBackGrowth(std::FILE* stream, long long old_length) {
  std::clearerr(stream);
  if (old_length < 0 || StreamLength(stream) <= old_length) {
    return;
  }
#ifdef _WIN32
  (void)_chsize_s(_fileno(stream), old_length);
#else
  (void)ftruncate(fileno(stream), static_cast<off_t>(old_length));
#endif
}

// Positions the stream at the start of a record, checking that the offset
// fits the stream's offset type.
void SeekRecord(const OpenFile& file, std::int32_t record_number) {
  if (record_number < 1) {
    RaiseForFile(kErrBadRecordNumber, file.path);
  }
  const long long offset = static_cast<long long>(record_number - 1) * file.record_length;
  if (offset > std::numeric_limits<long>::max()) {
    RaiseForFile(kErrBadRecordNumber, file.path);
  }
  if (std::fseek(file.stream, static_cast<long>(offset), SEEK_SET) != 0) {
    RaiseFromErrno(errno, file.path);
  }
}

#ifndef _WIN32
// Records live in regular files only: a device would take every record and
// give back nothing (/dev/zero, /dev/null), a pipe has no places to seek.
void RequireRegular(std::FILE* stream, const std::string& path) {
  struct stat info {};
  if (fstat(fileno(stream), &info) == 0 && !S_ISREG(info.st_mode)) {
    std::fclose(stream);
    RaiseForFile(kErrPathFileAccess, path);
  }
}
#endif

}  // namespace

std::int32_t ErrorFromErrno(int error) {
  for (const ErrnoError& known : kErrnoErrors) {
    if (known.error == error) {
      return known.number;
    }
  }
  return kErrDeviceIo;
}

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
    RaiseForFile(kErrInvalidCall, path);
  }
#ifndef _WIN32
  // Not even opened: opening a device can act on it.
  if (struct stat info{}; stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    RaiseForFile(kErrPathFileAccess, path);
  }
#endif
  // "r+b" neither creates nor truncates. When the file is missing, create it
  // with "ab", which never truncates a file that another process made in the
  // meantime, and open it again.
  errno = 0;
  std::FILE* stream = std::fopen(path.c_str(), "r+b");
  if (stream == nullptr && errno == ENOENT) {
    std::FILE* created = std::fopen(path.c_str(), "ab");
    if (created == nullptr) {
      RaiseFromErrno(errno, path);
    }
    std::fclose(created);
    stream = std::fopen(path.c_str(), "r+b");
  }
  if (stream == nullptr) {
    RaiseFromErrno(errno, path);
  }
#ifndef _WIN32
  RequireRegular(stream, path);
#endif
  // Unbuffered, so that a failing write reports its error at once rather
  // than at close.
  std::setvbuf(stream, nullptr, _IONBF, 0);
  file.stream = stream;
  file.record_length = record_length;
  file.path = path;
}

std::int32_t FileLength(std::int16_t file_number) {
  const OpenFile& file = OpenSlot(file_number);
  const long long length = StreamLength(file.stream);
  if (length < 0) {
    RaiseFromErrno(errno, file.path);
  }
  if (length > std::numeric_limits<std::int32_t>::max()) {
    RaiseForFile(kErrOverflow, file.path);
  }
  return static_cast<std::int32_t>(length);
}

void PutRecord(std::int16_t file_number, std::int32_t record_number, const char* data,
               std::size_t size) {
  const OpenFile& file = OpenSlot(file_number);
  const long long old_length = StreamLength(file.stream);
  SeekRecord(file, record_number);
  errno = 0;
  if (std::fwrite(data, 1, size, file.stream) != size) {
    const int error = errno;
    TakeBackGrowth(file.stream, old_length);
    RaiseFromErrno(error, file.path);
  }
}

void GetRecord(std::int16_t file_number, std::int32_t record_number, char* data, std::size_t size) {
  const OpenFile& file = OpenSlot(file_number);
  SeekRecord(file, record_number);
  errno = 0;
  const std::size_t got = std::fread(data, 1, size, file.stream);
  if (got < size && std::ferror(file.stream) != 0) {
    RaiseFromErrno(errno, file.path);
  }
}

void Close(std::int16_t file_number) {
  OpenFile& file = OpenSlot(file_number);
  std::FILE* stream = file.stream;
  file.stream = nullptr;
  if (std::fclose(stream) != 0) {
    RaiseFromErrno(errno, file.path);
  }
}

void CheckRoom(const std::string& path, std::int64_t bytes) {
#ifdef _WIN32
  std::error_code failed;
  const std::filesystem::space_info space =
      std::filesystem::space(std::filesystem::path(path).parent_path(), failed);
  if (!failed && space.available < static_cast<std::uintmax_t>(bytes)) {
    RaiseForFile(kErrDiskFull, path);
  }
#else
  // A file system that cannot tell leaves it to the writes.
  struct statvfs disk {};
  const std::string folder = path.substr(0, path.find_last_of('/') + 1);
  if (statvfs(folder.empty() ? "." : folder.c_str(), &disk) == 0 && disk.f_frsize > 0) {
    const auto block = static_cast<std::int64_t>(disk.f_frsize);
    if (static_cast<std::int64_t>(disk.f_bavail) < (bytes + block - 1) / block) {
      RaiseForFile(kErrDiskFull, path);
    }
  }
  rlimit limit{};
  if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
      limit.rlim_cur < static_cast<rlim_t>(bytes)) {
    RaiseForFile(kErrDiskFull, path);
  }
#endif
}

#ifdef _WIN32
HoldInterrupts::HoldInterrupts() = default;
HoldInterrupts::~HoldInterrupts() = default;
#else
HoldInterrupts::HoldInterrupts() {
  sigset_t ending;
  sigemptyset(&ending);
  sigaddset(&ending, SIGTERM);
  sigaddset(&ending, SIGINT);
  sigaddset(&ending, SIGHUP);
  held_ = sigprocmask(SIG_BLOCK, &ending, &saved_) == 0;
}

HoldInterrupts::~HoldInterrupts() {
  if (held_) {
    sigprocmask(SIG_SETMASK, &saved_, nullptr);
  }
}
#endif

void CloseAll() noexcept {
  for (OpenFile& file : g_files) {
    if (file.stream != nullptr) {
      std::fclose(file.stream);
      file.stream = nullptr;
    }
  }
}

int OpenFileCount() noexcept {
  int count = 0;
  for (const OpenFile& file : g_files) {
    count += file.stream != nullptr ? 1 : 0;
  }
  return count;
}

}  // namespace sagelight::rt
