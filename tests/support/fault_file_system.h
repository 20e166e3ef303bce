#pragma once

#include <map>
#include <memory>
#include <string>

#include "text_io/file_system.h"

namespace quarnell::testing {

// What goes wrong with one file, named as the system opens it (backslashes).
struct FileFault {
  int open_failure = 0;    // the open fails with this failure number
  bool read_only = false;  // the open succeeds for reading only: writes and cuts are refused
  int failing_write = 0;   // this write to the file, counted from 1 over the run, stops half-way
  int failing_read = 0;    // this read of the file, counted from 1 over the run, is refused
};

// The real file system of the working directory with faults injected by file name, as the
// operating system would give them: a failing write has put the first half of its bytes on
// disk, as a full disk does.
class FaultyFileSystem final : public FileSystem {
 public:
  explicit FaultyFileSystem(std::map<std::string, FileFault> faults);
  ~FaultyFileSystem() override;

  OpenedFile open(const std::string& path) override;

 private:
  struct Counts {
    int writes = 0;
    int reads = 0;
  };

  std::unique_ptr<FileSystem> real_;
  std::map<std::string, FileFault> faults_;
  std::map<std::string, Counts> counts_;  // shared by every opening of the same name
};

}  // namespace quarnell::testing
