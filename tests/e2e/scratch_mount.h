#pragma once

#include <string>

namespace quarnell::e2e {

// A small tmpfs mounted on a fresh directory for one test and unmounted after it: a device
// that fills up, or a quick place for long runs. Mounting needs root; `mounted()` says
// whether it worked and `why_not()` why not.
class ScratchMount {
 public:
  explicit ScratchMount(const std::string& size);  // as mount takes it: 68k, 512m
  ~ScratchMount();
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& path() const { return path_; }
  const std::string& why_not() const { return why_not_; }

 private:
  std::string path_;
  bool mounted_ = false;
  std::string why_not_;
};

}  // namespace quarnell::e2e
