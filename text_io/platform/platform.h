#pragma once

#include <memory>

#include "text_io/console.h"
#include "text_io/file_system.h"

// The operating system behind the routes. One implementation per platform:
// platform_posix.cc and platform_win32.cc.
namespace quarnell::platform {

// Files by the system's paths (backslashes), relative to the working directory.
std::unique_ptr<FileSystem> make_file_system();

// Standard input, output and error, unbuffered, and the command interpreter for the pause.
std::unique_ptr<Console> make_console();

// Ctrl-C, Ctrl-Break and the closing of the console end the run at once, wherever the main
// thread is: a line on standard error, then exit 130, 1 or 2. Files need no closing work:
// every record has already reached the operating system.
void install_interrupt_handlers();

// The failure number of an open refused with the operating system's error code.
int open_failure_for(unsigned long os_error);

}  // namespace quarnell::platform
