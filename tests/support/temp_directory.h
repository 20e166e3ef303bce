#pragma once

#include <filesystem>
#include <string>

namespace quarnell::testing {

// A fresh working directory for one test; the previous one is restored afterwards.
class TempDirectory {
 public:
  TempDirectory();
  ~TempDirectory();
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

std::string read_whole_file(const std::filesystem::path& path);
void write_whole_file(const std::filesystem::path& path, const std::string& bytes);

}  // namespace quarnell::testing
