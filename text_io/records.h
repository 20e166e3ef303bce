#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarnell {

// Where the routes put records: standard output or a text file. The record is given without
// its line end; the sink adds CR LF and hands the whole line to the operating system at once.
class RecordSink {
 public:
  virtual ~RecordSink() = default;
  virtual void write_record(std::string_view record) = 0;
};

// Where the routes take records from: standard input or a text file.
class RecordSource {
 public:
  virtual ~RecordSource() = default;
  // The next record without its line end, or nothing when the source has ended.
  virtual std::optional<std::string> read_record() = 0;
  // Named in failure reports: a file name, or "standard input".
  virtual std::string_view source_name() const = 0;
};

}  // namespace quarnell
