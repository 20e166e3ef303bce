#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "text_io/file_system.h"
#include "text_io/records.h"

namespace quarnell {

// A text file of records ending in CR LF. The first record written after an open or a rewind
// becomes the last record of the file. A file whose open failed stays here with its failure
// number, and its first write or read reports that failure.
class TextFile final : public RecordSink, public RecordSource {
 public:
  TextFile(std::string name, OpenedFile opened);

  void write_record(std::string_view record) override;
  std::optional<std::string> read_record() override;
  std::string_view source_name() const override { return name_; }
  void rewind();

 private:
  [[noreturn]] void fail_open() const;

  std::string name_;
  std::unique_ptr<File> file_;
  bool read_only_;
  int open_failure_;
  std::uint64_t position_ = 0;
  bool cut_pending_ = true;
  // What was last read from the file, from offset buffer_start_; emptied by every write.
  std::string buffer_;
  std::uint64_t buffer_start_ = 0;
};

// The channels on which files are open: one file at a time on each.
enum class Channel { kEventsList, kEvtInfo, kScratch };

enum class OnOpenFailure { kReturnStatus, kEndRun };

class TextFiles {
 public:
  explicit TextFiles(FileSystem& file_system) : file_system_(file_system) {}

  // Closes what is open on the channel, then opens `name` there. Returns 0 or the failure
  // number of the open; with kEndRun a failure ends the run instead.
  int open(Channel channel, std::string_view name, OnOpenFailure on_failure);
  // The file open on the channel.
  TextFile& on(Channel channel);
  void rewind(Channel channel) { on(channel).rewind(); }
  void close(Channel channel);
  void close_all();

 private:
  static constexpr std::size_t kChannels = 3;

  FileSystem& file_system_;
  std::array<std::optional<TextFile>, kChannels> open_;
};

}  // namespace quarnell
