#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "text_io/ending.h"
#include "text_io/platform/platform.h"

extern char** environ;

namespace quarnell::platform {
namespace {

class PosixFile final : public File {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override { ::close(fd_); }
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  bool write_at(std::uint64_t offset, std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t written = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(written));
      offset += static_cast<std::uint64_t>(written);
    }
    return true;
  }

  bool write_and_cut(std::uint64_t offset, std::string_view bytes) override {
    // An interrupt waits until both are done (its handler ends the process at once).
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    ::sigprocmask(SIG_BLOCK, &all, &previous);
    const bool done = write_at(offset, bytes) && truncate(offset + bytes.size());
    ::sigprocmask(SIG_SETMASK, &previous, nullptr);
    return done;
  }

  bool truncate(std::uint64_t size) override {
    return ::ftruncate(fd_, static_cast<off_t>(size)) == 0;
  }

  bool read_at(std::uint64_t offset, char* buffer, std::size_t size, std::size_t* got) override {
    for (;;) {
      const ssize_t count = ::pread(fd_, buffer, size, static_cast<off_t>(offset));
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) return false;
      *got = static_cast<std::size_t>(count);
      return true;
    }
  }

 private:
  int fd_;
};

class PosixFileSystem final : public FileSystem {
 public:
  OpenedFile open(const std::string& path) override {
    std::string native = path;
    for (char& c : native) {
      if (c == '\\') c = '/';
    }
    OpenedFile opened;
    int fd = ::open(native.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    int error = errno;
    if (fd < 0 && (error == EACCES || error == EPERM || error == EROFS || error == ETXTBSY)) {
      fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
      struct stat status {};
      if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        ::close(fd);
        fd = -1;
        error = EISDIR;
      } else if (fd < 0 && errno != ENOENT) {
        error = errno;  // a missing file that could not be created keeps the first refusal
      }
      opened.read_only = fd >= 0;
    }
    if (fd < 0) {
      opened.failure = open_failure_for(static_cast<unsigned long>(error));
      return opened;
    }
    opened.file = std::make_unique<PosixFile>(fd);
    return opened;
  }
};

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

class PosixConsole final : public Console {
 public:
  // One byte at a time: whatever follows the line stays in the input for later questions
  // and for a command run at a pause.
  std::optional<std::string> read_line() override {
    return read_line_bytewise([](char& c) {
      for (;;) {
        const ssize_t count = ::read(STDIN_FILENO, &c, 1);
        if (count < 0 && errno == EINTR) continue;
        return count == 1;
      }
    });
  }

  bool write_out(std::string_view bytes) override { return write_all(STDOUT_FILENO, bytes); }

  void write_err(std::string_view bytes) override { write_all(STDERR_FILENO, bytes); }

  void run_command(const std::string& command_line) override {
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGXFSZ);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    const char* argv[] = {"sh", "-c", command_line.c_str(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, "/bin/sh", nullptr, &attributes, const_cast<char**>(argv), environ) ==
        0) {
      int status = 0;
      while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
      }
    }
    posix_spawnattr_destroy(&attributes);
  }
};

// Written from the signal handler: only async-signal-safe calls.
void on_interrupt(int signal_number) {
  const char* line = "run stopped by window-CLOSE\r\n";
  int status = 2;
  if (signal_number == SIGINT) {
    line = "run stopped by control-C\r\n";
    status = 130;
  } else if (signal_number == SIGQUIT) {
    line = "run stopped by control-BREAK\r\n";
    status = 1;
  }
  std::size_t length = 0;
  while (line[length] != '\0') ++length;
  [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, line, length);
  ::_exit(status);
}

}  // namespace

std::unique_ptr<FileSystem> make_file_system() { return std::make_unique<PosixFileSystem>(); }

std::unique_ptr<Console> make_console() { return std::make_unique<PosixConsole>(); }

void install_interrupt_handlers() {
  struct sigaction action {};
  action.sa_handler = on_interrupt;
  sigfillset(&action.sa_mask);
  for (const int signal_number : {SIGINT, SIGQUIT, SIGHUP, SIGTERM}) {
    ::sigaction(signal_number, &action, nullptr);
  }
  // A closed output pipe shows as a failed write, reported like any other. So does a file
  // grown past the size limit, which would otherwise kill the run in the middle of a record.
  ::signal(SIGPIPE, SIG_IGN);
  ::signal(SIGXFSZ, SIG_IGN);
}

int open_failure_for(unsigned long os_error) {
  switch (os_error) {
    case ENOENT:
    case ENOTDIR:
      return failure::kNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return failure::kAccessRefused;
    case ENAMETOOLONG:
    case EILSEQ:
    case ELOOP:
      return failure::kInvalidName;
    default:
      return failure::kCannotOpen;
  }
}

}  // namespace quarnell::platform
