#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "text_io/ending.h"
#include "text_io/platform/platform.h"

namespace quarnell::platform {
namespace {

// Held while a record is written or a file is cut. The control handler takes it for good
// before it ends the process, so that no file is left with half a record.
SRWLOCK record_lock = SRWLOCK_INIT;

// Set by the control handler as it starts, before it ends the process.
std::atomic<bool> interrupt_under_way{false};

// A console read cut short by Ctrl-C can return before the handler's thread has started.
constexpr DWORD kHandlerStartMilliseconds = 200;

// The main thread stops here once the control handler has started: the process is ending.
void halt_if_interrupted() {
  while (interrupt_under_way) Sleep(INFINITE);
}

class RecordGuard {
 public:
  RecordGuard() {
    halt_if_interrupted();  // no new record once the handler waits for the lock
    AcquireSRWLockExclusive(&record_lock);
  }
  ~RecordGuard() { ReleaseSRWLockExclusive(&record_lock); }
  RecordGuard(const RecordGuard&) = delete;
  RecordGuard& operator=(const RecordGuard&) = delete;
};

OVERLAPPED at_offset(std::uint64_t offset) {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(offset);
  position.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return position;
}

DWORD clamped(std::size_t size) {
  return static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
}

class Win32File final : public File {
 public:
  explicit Win32File(HANDLE handle) : handle_(handle) {}
  ~Win32File() override { CloseHandle(handle_); }
  Win32File(const Win32File&) = delete;
  Win32File& operator=(const Win32File&) = delete;

  bool write_at(std::uint64_t offset, std::string_view bytes) override {
    const RecordGuard guard;
    return write_unguarded(offset, bytes);
  }

  bool write_and_cut(std::uint64_t offset, std::string_view bytes) override {
    const RecordGuard guard;
    return write_unguarded(offset, bytes) && truncate_unguarded(offset + bytes.size());
  }

  bool truncate(std::uint64_t size) override {
    const RecordGuard guard;
    return truncate_unguarded(size);
  }

  bool read_at(std::uint64_t offset, char* buffer, std::size_t size, std::size_t* got) override {
    OVERLAPPED position = at_offset(offset);
    DWORD count = 0;
    if (!ReadFile(handle_, buffer, clamped(size), &count, &position) &&
        GetLastError() != ERROR_HANDLE_EOF) {
      return false;
    }
    *got = count;
    return true;
  }

 private:
  bool write_unguarded(std::uint64_t offset, std::string_view bytes) {
    while (!bytes.empty()) {
      OVERLAPPED position = at_offset(offset);
      DWORD written = 0;
      if (!WriteFile(handle_, bytes.data(), clamped(bytes.size()), &written, &position) ||
          written == 0) {
        return false;
      }
      bytes.remove_prefix(written);
      offset += written;
    }
    return true;
  }

  bool truncate_unguarded(std::uint64_t size) {
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    return SetFilePointerEx(handle_, end, nullptr, FILE_BEGIN) && SetEndOfFile(handle_);
  }

  HANDLE handle_;
};

HANDLE open_handle(const std::string& path, DWORD access) {
  return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A read-only file, or one that another program holds open against writing but not reading.
bool writing_refused(DWORD error) {
  return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}

class Win32FileSystem final : public FileSystem {
 public:
  OpenedFile open(const std::string& path) override {
    OpenedFile opened;
    HANDLE handle = open_handle(path, GENERIC_READ | GENERIC_WRITE);
    DWORD error = GetLastError();
    if (handle == INVALID_HANDLE_VALUE && writing_refused(error)) {
      handle = open_handle(path, GENERIC_READ);
      // A missing file that could not be created keeps the first refusal.
      if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND) {
        error = GetLastError();
      }
      opened.read_only = handle != INVALID_HANDLE_VALUE;
    }
    if (handle == INVALID_HANDLE_VALUE) {
      opened.failure = open_failure_for(error);
      return opened;
    }
    opened.file = std::make_unique<Win32File>(handle);
    return opened;
  }
};

// Writes the bytes as they are: a handle has no text mode that would turn LF into CR LF.
bool write_all(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), clamped(bytes.size()), &written, nullptr) ||
        written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool is_console(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

class Win32Console final : public Console {
 public:
  Win32Console()
      : input_(GetStdHandle(STD_INPUT_HANDLE)),
        output_(GetStdHandle(STD_OUTPUT_HANDLE)),
        error_(GetStdHandle(STD_ERROR_HANDLE)),
        input_is_console_(is_console(input_)) {}

  // One byte at a time: whatever follows the line stays in the input for later questions
  // and for a command run at a pause.
  std::optional<std::string> read_line() override {
    return read_line_bytewise([this](char& c) {
      DWORD count = 0;
      if (ReadFile(input_, &c, 1, &count, nullptr) && count == 1) return true;
      // Ctrl-C, not the end of the input, may have cut the read short.
      if (input_is_console_) Sleep(kHandlerStartMilliseconds);
      halt_if_interrupted();
      return false;
    });
  }

  bool write_out(std::string_view bytes) override { return write_all(output_, bytes); }

  void write_err(std::string_view bytes) override { write_all(error_, bytes); }

  void run_command(const std::string& command_line) override {
    std::string line = "cmd.exe /c " + command_line;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input_;
    startup.hStdOutput = output_;
    startup.hStdError = error_;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
      return;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }

 private:
  HANDLE input_;
  HANDLE output_;
  HANDLE error_;
  bool input_is_console_;
};

struct Interrupt {
  std::string_view line;
  UINT status;
};

Interrupt interrupt_for(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
      return {"run stopped by control-C\r\n", 130};
    case CTRL_BREAK_EVENT:
      return {"run stopped by control-BREAK\r\n", 1};
    default:  // the window closed, the user logged off, the system shuts down
      return {"run stopped by window-CLOSE\r\n", 2};
  }
}

// Runs on a thread of its own while the main thread goes on: it must not wait for it.
BOOL WINAPI on_console_event(DWORD event) {
  const Interrupt interrupt = interrupt_for(event);
  interrupt_under_way = true;
  AcquireSRWLockExclusive(&record_lock);  // kept: no record is written after this
  write_all(GetStdHandle(STD_ERROR_HANDLE), interrupt.line);
  // Every record has reached the system already; the handles close as the process ends.
  TerminateProcess(GetCurrentProcess(), interrupt.status);
  return TRUE;
}

}  // namespace

std::unique_ptr<FileSystem> make_file_system() {
  // An open on a drive without a medium fails instead of showing a dialog box.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  return std::make_unique<Win32FileSystem>();
}

std::unique_ptr<Console> make_console() { return std::make_unique<Win32Console>(); }

void install_interrupt_handlers() { SetConsoleCtrlHandler(on_console_event, TRUE); }

int open_failure_for(unsigned long os_error) {
  switch (os_error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return failure::kNotFound;
    case ERROR_ACCESS_DENIED:
      return failure::kAccessRefused;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
      return failure::kInvalidName;
    case ERROR_INVALID_DRIVE:
      return failure::kNoSuchDrive;
    default:  // a sharing violation, too many open files
      return failure::kCannotOpen;
  }
}

}  // namespace quarnell::platform
