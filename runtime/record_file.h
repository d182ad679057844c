#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#ifndef _WIN32
#include <signal.h>
#endif

namespace sagelight::rt {

// Files opened for random access with fixed-length records, addressed by
// small file numbers as the program's logic expects.

// File numbers run from 1 to this.
inline constexpr std::int16_t kMaxFileNumber = 255;

// The lowest file number not in use; error 67 when all are taken.
std::int16_t FreeFile();

// Open for reading and writing, creating a missing file empty. A missing
// folder is never created: it raises "Path not found".
void OpenRandom(std::int16_t file_number, const std::string& path, std::int32_t record_length);

// The open file's length in bytes.
std::int32_t FileLength(std::int16_t file_number);

// Write one record by its number (from 1); writing past the end extends the
// file. The buffer holds exactly one record.
void PutRecord(std::int16_t file_number, std::int32_t record_number, const char* data,
               std::size_t size);

// Read one record by its number into a buffer the caller has cleared; the part
// of a record that lies beyond the end of the file leaves the buffer as it was.
void GetRecord(std::int16_t file_number, std::int32_t record_number, char* data, std::size_t size);

void Close(std::int16_t file_number);

// Close every file the program has open (used on the way out).
void CloseAll() noexcept;

// How many files are open now.
int OpenFileCount() noexcept;

// "Disk full", naming the file, when the file system that holds `path`
// has less than `bytes` free for this user, or when the process may not
// make a file that long (its file-size limit). A check before a run of
// writes that must not stop half-way; each write still reports its own error.
void CheckRoom(const std::string& path, std::int64_t bytes);

// Holds off the signals that end a process from a session or a terminal
// (SIGTERM, SIGINT, SIGHUP) while it lives; one that came meanwhile acts as
// it ends. Windows has no such signals: there it does nothing.
class HoldInterrupts {
 public:
  HoldInterrupts();
  HoldInterrupts(const HoldInterrupts&) = delete;
  HoldInterrupts& operator=(const HoldInterrupts&) = delete;
  ~HoldInterrupts();
#ifndef _WIN32
 private:
  sigset_t saved_{};
  bool held_ = false;
#endif
};

// The run-time error for a failure of the system's file calls, by its errno
// code: the nearest in meaning, "Device I/O error" for the unexpected.
// Errors of an open file carry its path (RuntimeError::File).
std::int32_t ErrorFromErrno(int error);

}  // namespace sagelight::rt
