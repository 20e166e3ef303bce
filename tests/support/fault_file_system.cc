#include "tests/support/fault_file_system.h"

#include <utility>

#include "text_io/platform/platform.h"

namespace quarnell::testing {
namespace {

class FaultyFile final : public File {
 public:
  FaultyFile(std::unique_ptr<File> real, const FileFault& fault, int& writes, int& reads)
      : real_(std::move(real)), fault_(fault), writes_(writes), reads_(reads) {}

  bool write_at(std::uint64_t offset, std::string_view bytes) override {
    if (refused(offset, bytes)) return false;
    return real_->write_at(offset, bytes);
  }

  bool write_and_cut(std::uint64_t offset, std::string_view bytes) override {
    if (refused(offset, bytes)) return false;
    return real_->write_and_cut(offset, bytes);
  }

  bool truncate(std::uint64_t size) override { return !fault_.read_only && real_->truncate(size); }

  bool read_at(std::uint64_t offset, char* buffer, std::size_t size, std::size_t* got) override {
    if (++reads_ == fault_.failing_read) return false;
    return real_->read_at(offset, buffer, size, got);
  }

 private:
  // A failing write puts the first half of its bytes on disk, as a full disk does.
  bool refused(std::uint64_t offset, std::string_view bytes) {
    if (fault_.read_only) return true;
    if (++writes_ != fault_.failing_write) return false;
    real_->write_at(offset, bytes.substr(0, bytes.size() / 2));
    return true;
  }

  std::unique_ptr<File> real_;
  const FileFault& fault_;
  int& writes_;
  int& reads_;
};

}  // namespace

FaultyFileSystem::FaultyFileSystem(std::map<std::string, FileFault> faults)
    : real_(platform::make_file_system()), faults_(std::move(faults)) {}

FaultyFileSystem::~FaultyFileSystem() = default;

OpenedFile FaultyFileSystem::open(const std::string& path) {
  const auto fault = faults_.find(path);
  if (fault == faults_.end()) return real_->open(path);
  OpenedFile opened;
  if (fault->second.open_failure != 0) {
    opened.failure = fault->second.open_failure;
    return opened;
  }
  opened = real_->open(path);
  if (!opened.file) return opened;
  Counts& counts = counts_[path];
  opened.file = std::make_unique<FaultyFile>(std::move(opened.file), fault->second, counts.writes,
                                             counts.reads);
  opened.read_only = opened.read_only || fault->second.read_only;
  return opened;
}

}  // namespace quarnell::testing
