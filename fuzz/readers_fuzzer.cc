// The free-form answer and the fixed-column read alone, on arbitrary lines. The first bytes
// choose the reader and, for a fixed-column read, its layout; the rest are the lines read.
// A read either fills its targets as declared or ends the run with the failure of its kind;
// a number written into a field and read back from it is the same number.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/memory_records.h"
#include "text_io/ending.h"
#include "text_io/fixed_read.h"
#include "text_io/fixed_record.h"
#include "text_io/free_answer.h"

namespace {

using namespace quarnell;

[[noreturn]] void fault(const std::string& what) {
  std::fprintf(stderr, "FAULT: %s\n", what.c_str());
  std::abort();
}

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t next() { return used_ < size_ ? data_[used_++] : 0; }
  std::vector<std::string> rest_as_lines() {
    std::vector<std::string> lines;
    std::string line;
    for (; used_ < size_; ++used_) {
      const char c = static_cast<char>(data_[used_]);
      if (c == '\n') {
        lines.push_back(line);
        line.clear();
      } else {
        line += c;
      }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t used_ = 0;
};

// Runs a read; a run it ends must end with one of the failures allowed for it.
template <typename Read>
void expect_read_or_failure(Read read, std::initializer_list<int> allowed) {
  try {
    read();
  } catch (const RunEnded& ending) {
    for (const int status : allowed) {
      if (ending.status() == status) return;
    }
    fault(std::string("unexpected ending: ") + ending.what());
  }
}

void free_answers(Bytes& bytes) {
  testing::MemoryRecords lines(bytes.rest_as_lines());
  std::int32_t integer = 7;
  expect_read_or_failure([&] { get_free_integer(lines, integer); }, {24, 59, 64});
  float real = 7;
  expect_read_or_failure([&] { get_free_real(lines, real); }, {24, 59, 64});
}

// A layout of up to four elements with widths from 1 to 40, and targets to match.
void fixed_read(Bytes& bytes) {
  Layout layout;
  std::vector<std::string> texts(4);
  std::vector<std::size_t> lengths(4);
  std::vector<std::int32_t> integers(4);
  std::vector<float> reals(4);
  std::vector<FixedTarget> targets;
  const int elements = 1 + bytes.next() % 4;
  for (int i = 0; i < elements; ++i) {
    const std::uint8_t kind = bytes.next() % 5;
    const int width = 1 + bytes.next() % 40;
    const std::size_t index = static_cast<std::size_t>(i);
    if (kind == 0) {
      layout.push_back(text_field(width));
      lengths[index] = 1 + bytes.next() % 40u;
      texts[index] = std::string(lengths[index], '?');
      targets.push_back(TextTarget{&texts[index], lengths[index]});
    } else if (kind == 1) {
      layout.push_back(integer_field(width));
      targets.push_back(&integers[index]);
    } else if (kind == 2) {
      layout.push_back(decimal_field(width, bytes.next() % 8));
      targets.push_back(&reals[index]);
    } else if (kind == 3) {
      layout.push_back(skip(width));
    } else {
      layout.push_back(record_break());
    }
  }
  if (targets.empty()) return;
  testing::MemoryRecords lines(bytes.rest_as_lines());
  bool read = false;
  expect_read_or_failure(
      [&] {
        get_fixed_record(lines, layout, targets);
        read = true;
      },
      {24, 64});
  if (!read) return;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i].size() != lengths[i]) fault("a text target changed its length");
  }
}

// An integer written into a field of w columns reads back as itself unless it did not fit.
void integer_round_trip(Bytes& bytes) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits = bits << 8 | bytes.next();
  const std::int32_t value = static_cast<std::int32_t>(bits);
  const int width = 1 + bytes.next() % 14;
  const std::string field = format_integer_field(value, width);
  if (field.size() != static_cast<std::size_t>(width)) fault("field of the wrong width");
  if (field.find('*') != std::string::npos) return;
  testing::MemoryRecords record({field});
  std::int32_t back = 0;
  get_fixed_record(record, {integer_field(width)}, {&back});
  if (back != value) fault("read back " + std::to_string(back) + " for " + std::to_string(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes bytes(data, size);
  switch (bytes.next() % 3) {
    case 0:
      free_answers(bytes);
      break;
    case 1:
      fixed_read(bytes);
      break;
    default:
      integer_round_trip(bytes);
  }
  return 0;
}
