#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quarnell {

// An open file of the operating system, addressed by byte offset. Nothing is buffered in
// between: a write has reached the operating system when it returns.
class File {
 public:
  virtual ~File() = default;
  // Each returns false when the operating system refuses.
  virtual bool write_at(std::uint64_t offset, std::string_view bytes) = 0;
  // Writes the bytes and makes them the end of the file, as one step that an interrupt cannot
  // split: the file never shows the new bytes followed by the old tail.
  virtual bool write_and_cut(std::uint64_t offset, std::string_view bytes) = 0;
  virtual bool truncate(std::uint64_t size) = 0;
  // `*got` is 0 at the end of the file.
  virtual bool read_at(std::uint64_t offset, char* buffer, std::size_t size, std::size_t* got) = 0;
};

struct OpenedFile {
  std::unique_ptr<File> file;  // null when the open failed
  bool read_only = false;
  int failure = 0;  // the failure number of the open when `file` is null
};

// All file access of the system goes through this, so that tests can inject faults.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens the file for reading and writing, creating it when missing and leaving an existing
  // one unchanged; falls back to reading only when writing is refused. `path` is relative to
  // the working directory and written with backslashes.
  virtual OpenedFile open(const std::string& path) = 0;
};

}  // namespace quarnell
