#pragma once

#include <deque>
#include <string>
#include <vector>

#include "text_io/records.h"

namespace quarnell::testing {

// Records kept in memory, for the routes that write and read them.
class MemoryRecords final : public RecordSink, public RecordSource {
 public:
  MemoryRecords() = default;
  explicit MemoryRecords(std::vector<std::string> lines) : unread_(lines.begin(), lines.end()) {}

  void write_record(std::string_view record) override { written.emplace_back(record); }
  std::optional<std::string> read_record() override {
    if (unread_.empty()) return std::nullopt;
    std::string record = unread_.front();
    unread_.pop_front();
    return record;
  }
  std::string_view source_name() const override { return "memory"; }
  std::size_t unread() const { return unread_.size(); }

  std::vector<std::string> written;

 private:
  std::deque<std::string> unread_;
};

}  // namespace quarnell::testing
