#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quarnell::e2e {

// What a working directory holds: file contents by path ('/'-separated), and directories.
struct Tree {
  std::map<std::string, std::string> files;
  std::vector<std::string> directories;
};

struct Outcome {
  std::string out;
  std::string err;
  int status = -1;  // the exit status, or 128 + the signal that ended the process
  Tree after;       // every file of the working directory when the run has ended
};

// Runs the tool in a fresh temporary directory laid out as `before`, with `input` on
// standard input. The command comes from QUARNELL_COMMAND (so that the same cases can run
// the Windows build under an emulator), else the binary this suite was built with.
Outcome run_tool(const std::string& input, const Tree& before);

// The same with another command line, such as the other platform's build.
Outcome run_tool_as(const std::string& command, const std::string& input, const Tree& before);

// Whether the runs above start the Windows build: QUARNELL_COMMAND is the command named by
// QUARNELL_WINDOWS_COMMAND. Its pause runs commands through cmd.exe instead of /bin/sh.
bool runs_windows_build();

// What fault and interrupt tests control in a run.
struct RunControl {
  // Runs in the child, in its working directory, just before the tool starts: limits, mounts.
  std::function<void()> in_child;
  // Called whenever output arrives or 100 ms pass, with standard output so far; may signal.
  std::function<void(int pid, const std::string& out)> watch;
  // Standard input stays open once `input` is sent, so that the tool waits at its next read.
  bool hold_input = false;
  // The directory in which the working directory is made.
  std::string parent = "/tmp";
};
Outcome run_tool_controlled(const std::string& input, const Tree& before,
                            const RunControl& control);

// The usual working directory: an `event` folder and nothing else.
Tree event_folder();

// Lines as the tool writes them: each followed by CR LF.
std::string crlf(const std::vector<std::string>& lines);

// The directory holding the test data files.
std::string data_path(const std::string& name);
std::string read_file(const std::string& path);

}  // namespace quarnell::e2e
