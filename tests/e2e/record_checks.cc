#include "tests/e2e/record_checks.h"

#include <gtest/gtest.h>

namespace quarnell::e2e {

constexpr std::size_t kEventRecords = 108;

std::vector<std::string> records_of(const std::string& text) {
  std::vector<std::string> records;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      records.push_back(text.substr(start));
      break;
    }
    records.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return records;
}

std::vector<std::string> listed_event_files(const Tree& after) {
  std::vector<std::string> paths;
  const auto list = after.files.find("event/events_to_follow.txt");
  if (list == after.files.end()) return paths;
  for (std::string line : records_of(list->second)) {
    line = line.substr(1, line.find_last_not_of(' '));  // the leading blank and the padding off
    for (char& c : line) {
      if (c == '\\') c = '/';
    }
    paths.push_back(line);
  }
  return paths;
}

void expect_whole_records(const Tree& after) {
  for (const auto& [path, bytes] : after.files) {
    EXPECT_TRUE(bytes.empty() || bytes.compare(bytes.size() - 2, 2, "\r\n") == 0)
        << path << " ends in a half record: ..."
        << bytes.substr(bytes.size() < 40 ? 0 : bytes.size() - 40);
  }
  for (const std::string& path : listed_event_files(after)) {
    ASSERT_EQ(after.files.count(path), 1u) << path << " is listed but missing";
    EXPECT_EQ(records_of(after.files.at(path)).size(), kEventRecords) << path;
  }
}

}  // namespace quarnell::e2e
