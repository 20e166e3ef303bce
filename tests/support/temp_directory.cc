#include "tests/support/temp_directory.h"

#include <fstream>
#include <random>
#include <sstream>

namespace quarnell::testing {

TempDirectory::TempDirectory() : previous_(std::filesystem::current_path()) {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() /
          ("quarnell-unit-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(path_);
  std::filesystem::current_path(path_);
}

TempDirectory::~TempDirectory() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string read_whole_file(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void write_whole_file(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file << bytes;
}

}  // namespace quarnell::testing
