#include "tests/e2e/scratch_mount.h"

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quarnell::e2e {

ScratchMount::ScratchMount(const std::string& size) {
  char pattern[] = "/tmp/quarnell-mount-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) {
    why_not_ = std::string("cannot make a directory: ") + std::strerror(errno);
    return;
  }
  path_ = pattern;
  const std::string options = "size=" + size + ",mode=0755";
  if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
    why_not_ = "mount -t tmpfs -o " + options + " failed: " + std::strerror(errno);
    return;
  }
  mounted_ = true;
}

ScratchMount::~ScratchMount() {
  if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
  if (!path_.empty()) ::rmdir(path_.c_str());
}

}  // namespace quarnell::e2e
