// The whole dialogue fed with arbitrary bytes as standard input, in a scratch working
// directory with an `event` folder. Every run must end in one of the allowed ways, with the
// line that belongs to it, write nothing outside the working directory and leave every file
// whole up to its last record.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "series/run_driver.h"
#include "tests/support/scripted_console.h"
#include "text_io/ending.h"
#include "text_io/platform/platform.h"

namespace {

using quarnell::FileSystem;
using quarnell::OpenedFile;

// Past this many event files a run would only repeat itself for up to a hundred thousand
// more; the event files after it are refused as when no descriptor is left. Enough for a
// series that starts in the year 9990 to reach the year 10000.
constexpr int kEventFileBudget = 150;

std::string g_parent;  // holds the working directory and nothing else
std::string g_work;    // the working directory of every run
std::string g_home;    // where libFuzzer keeps its corpus and findings

[[noreturn]] void fault(const std::string& what) {
  std::fprintf(stderr, "FAULT: %s\n", what.c_str());
  std::abort();
}

// The real files, opened only below the working directory, and a bounded number of event
// files per run.
class GuardedFileSystem final : public FileSystem {
 public:
  OpenedFile open(const std::string& path) override {
    std::string native = path;
    for (char& c : native) {
      if (c == '\\') c = '/';
    }
    if (native.empty() || native[0] == '/') fault("an absolute path: " + path);
    int depth = 0;
    for (std::size_t start = 0; start <= native.size();) {
      const std::size_t end = std::min(native.find('/', start), native.size());
      const std::string part = native.substr(start, end - start);
      depth += part == ".." ? -1 : (part.empty() || part == ".") ? 0 : 1;
      if (depth < 0) fault("a path outside the working directory: " + path);
      start = end + 1;
    }
    if (native.size() > 4 && native.compare(native.size() - 4, 4, ".evt") == 0 &&
        ++event_files_ > kEventFileBudget) {
      OpenedFile refused;
      refused.failure = quarnell::failure::kCannotOpen;
      return refused;
    }
    return real_->open(path);
  }

 private:
  std::unique_ptr<FileSystem> real_ = quarnell::platform::make_file_system();
  int event_files_ = 0;
};

std::vector<std::string> entries(const std::string& directory) {
  std::vector<std::string> names;
  if (DIR* listing = ::opendir(directory.c_str())) {
    while (const dirent* entry = ::readdir(listing)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(listing);
  }
  return names;
}

std::string read_file(const std::string& path) {
  std::string bytes;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);
  }
  return bytes;
}

bool ends_whole(const std::string& bytes) {
  return bytes.empty() || (bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0);
}

std::size_t count_records(const std::string& bytes) {
  std::size_t count = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
       at = bytes.find("\r\n", at + 2)) {
    ++count;
  }
  return count;
}

void check_ending(int status, const std::string& err) {
  static const std::set<int> kAllowed = {0, 1, 9, 24, 29, 30, 38, 39, 42, 43, 47, 59, 64, 408};
  static const std::set<std::string> kAbortLines = {
      "Program aborted in evt @ 130\r\n", "program aborted in write_event\r\n",
      "**Allocation failed for area12 in eventsa l86**\r\n"};
  if (kAllowed.count(status) == 0) fault("exit status " + std::to_string(status));
  if (err.size() < 2 || err.find("\r\n") != err.size() - 2)
    fault("not one line on standard error: " + err);
  if (status == 0 && err != "Normal ending\r\n") fault("status 0 with " + err);
  if (status == 1 && kAbortLines.count(err) == 0) fault("status 1 with " + err);
  const std::string named = status == quarnell::failure::kCheckFailed
                                ? "failure 408, check "
                                : "failure " + std::to_string(status) + ": ";
  if (status > 1 && err.rfind(named, 0) != 0) {
    fault("status " + std::to_string(status) + " with " + err);
  }
}

// Every file whole; the list names only event files of 108 records.
void check_files() {
  for (const std::string& name : entries(".")) {
    if (name != "event" && !ends_whole(read_file(name))) fault(name + " ends in a half record");
  }
  for (const std::string& name : entries("event")) {
    if (!ends_whole(read_file("event/" + name))) fault("event/" + name + " ends in a half record");
  }
  const std::string list = read_file("event/events_to_follow.txt");
  for (std::size_t start = 0; start < list.size();) {
    const std::size_t end = list.find("\r\n", start);
    std::string line = list.substr(start + 1, end - start - 1);
    line.erase(line.find_last_not_of(' ') + 1);
    for (char& c : line) {
      if (c == '\\') c = '/';
    }
    if (count_records(read_file(line)) != 108) fault("listed but not whole: " + line);
    start = end + 2;
  }
  if (entries(g_parent) != std::vector<std::string>{"work"})
    fault("a file outside the working directory");
}

void clean_working_directory() {
  for (const std::string& name : entries("event")) ::unlink(("event/" + name).c_str());
  for (const std::string& name : entries(".")) {
    if (name != "event" && ::unlink(name.c_str()) != 0) fault("cannot remove " + name);
  }
}

void remove_scratch_directory() {
  if (::chdir(g_work.c_str()) != 0) return;
  clean_working_directory();
  ::rmdir("event");
  ::rmdir(g_work.c_str());
  ::rmdir(g_parent.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // In memory where there is a tmpfs for it: each run rewrites a dozen files.
  struct stat shm {};
  std::string pattern = ::stat("/dev/shm", &shm) == 0 && S_ISDIR(shm.st_mode)
                            ? "/dev/shm/quarnell-fuzz-XXXXXX"
                            : "/tmp/quarnell-fuzz-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) fault("no scratch directory");
  g_parent = pattern;
  g_work = g_parent + "/work";
  char home[4096];
  if (::getcwd(home, sizeof home) == nullptr) fault("no working directory");
  g_home = home;
  if (::mkdir(g_work.c_str(), 0755) != 0 || ::mkdir((g_work + "/event").c_str(), 0755) != 0) {
    fault("cannot set up " + g_work);
  }
  std::atexit(remove_scratch_directory);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (::chdir(g_work.c_str()) != 0) fault("cannot enter " + g_work);
  quarnell::testing::ScriptedConsole console(
      std::string(reinterpret_cast<const char*>(data), size));
  GuardedFileSystem file_system;
  const int status = quarnell::run_quarnell(console, file_system);
  check_ending(status, console.err);
  check_files();
  clean_working_directory();
  if (::chdir(g_home.c_str()) != 0) fault("cannot return to " + g_home);
  return 0;
}
