#include "tests/e2e/harness.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quarnell::e2e {
namespace {

constexpr auto kTimeLimit = std::chrono::seconds(120);

std::string tool_command() {
  if (const char* command = std::getenv("QUARNELL_COMMAND")) return command;
  return QUARNELL_BINARY;
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file << bytes;
  if (!file) throw std::runtime_error("cannot write " + path);
}

void make_directory(const std::string& path) {
  if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) {
    throw std::runtime_error("cannot make " + path);
  }
}

void collect(const std::string& root, const std::string& relative, Tree& tree) {
  DIR* directory = ::opendir((root + "/" + relative).c_str());
  if (directory == nullptr) return;
  while (const dirent* entry = ::readdir(directory)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const std::string path = relative.empty() ? name : relative + "/" + name;
    struct stat status {};
    ::lstat((root + "/" + path).c_str(), &status);
    if (S_ISDIR(status.st_mode)) {
      tree.directories.push_back(path);
      collect(root, path, tree);
    } else {
      tree.files[path] = read_file(root + "/" + path);
    }
  }
  ::closedir(directory);
}

void remove_tree(const std::string& path) {
  const std::string command = "chmod -R u+w '" + path + "' 2>/dev/null; rm -rf '" + path + "'";
  [[maybe_unused]] const int ignored = std::system(command.c_str());
}

}  // namespace

std::string read_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::string data_path(const std::string& name) {
  return std::string(QUARNELL_TEST_DATA) + "/" + name;
}

Tree event_folder() { return Tree{{}, {"event"}}; }

std::string crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

namespace {

Outcome run_command(const std::string& tool, const std::string& input, const Tree& before,
                    const RunControl& control = {}) {
  std::string pattern = control.parent + "/quarnell-e2e-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a directory");
  const std::string directory = pattern;
  for (const std::string& sub : before.directories) make_directory(directory + "/" + sub);
  for (const auto& [path, bytes] : before.files) write_file(directory + "/" + path, bytes);

  int in_pipe[2], out_pipe[2], err_pipe[2];
  if (::pipe(in_pipe) != 0 || ::pipe(out_pipe) != 0 || ::pipe(err_pipe) != 0) {
    throw std::runtime_error("cannot make pipes");
  }
  const std::string command = "exec " + tool;
  const pid_t child = ::fork();
  if (child == 0) {
    ::setpgid(0, 0);
    ::dup2(in_pipe[0], 0);
    ::dup2(out_pipe[1], 1);
    ::dup2(err_pipe[1], 2);
    for (int fd : {in_pipe[0], in_pipe[1], out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1]}) {
      ::close(fd);
    }
    if (::chdir(directory.c_str()) != 0) ::_exit(126);
    if (control.in_child) control.in_child();
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(in_pipe[0]);
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  ::signal(SIGPIPE, SIG_IGN);

  Outcome outcome;
  std::size_t sent = 0;
  int in_fd = in_pipe[1];
  if (input.empty() && !control.hold_input) {
    ::close(in_fd);
    in_fd = -1;
  }
  bool out_open = true, err_open = true;
  const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
  while (out_open || err_open) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(-child, SIGKILL);
      break;
    }
    pollfd fds[3] = {{out_open ? out_pipe[0] : -1, POLLIN, 0},
                     {err_open ? err_pipe[0] : -1, POLLIN, 0},
                     {sent < input.size() ? in_fd : -1, POLLOUT, 0}};
    if (::poll(fds, 3, 100) < 0 && errno != EINTR) break;
    char buffer[4096];
    for (int i = 0; i < 2; ++i) {
      if (fds[i].revents == 0) continue;
      const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
      if (got <= 0) {
        (i == 0 ? out_open : err_open) = false;
      } else {
        (i == 0 ? outcome.out : outcome.err).append(buffer, static_cast<std::size_t>(got));
      }
    }
    if (control.watch) control.watch(child, outcome.out);
    if (in_fd >= 0 && fds[2].revents != 0) {
      const ssize_t put = ::write(in_fd, input.data() + sent, input.size() - sent);
      if (put > 0) sent += static_cast<std::size_t>(put);
      if (put < 0 || (sent == input.size() && !control.hold_input)) {
        ::close(in_fd);
        in_fd = -1;
      }
    }
  }
  if (in_fd >= 0) ::close(in_fd);
  ::close(out_pipe[0]);
  ::close(err_pipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  collect(directory, "", outcome.after);
  remove_tree(directory);
  return outcome;
}

}  // namespace

Outcome run_tool(const std::string& input, const Tree& before) {
  return run_command(tool_command(), input, before);
}

Outcome run_tool_as(const std::string& command, const std::string& input, const Tree& before) {
  return run_command(command, input, before);
}

Outcome run_tool_controlled(const std::string& input, const Tree& before,
                            const RunControl& control) {
  return run_command(tool_command(), input, before, control);
}

bool runs_windows_build() {
  const char* windows = std::getenv("QUARNELL_WINDOWS_COMMAND");
  return windows != nullptr && tool_command() == windows;
}

}  // namespace quarnell::e2e
