#include "text_io/free_line.h"

#include <cstdio>

namespace quarnell {
namespace {

constexpr std::size_t kLineWidth = 80;
constexpr std::size_t kIntegerWidth = 12;

class FreeLineBuilder {
 public:
  void put_text(std::string_view text) {
    if (leading_blank_pending_ && text.size() <= room() && room() > 1) put_leading_blank();
    if (previous_was_integer_ && room() > 0) line_ += ' ';
    if (text.size() > room() && !line_.empty()) new_line();
    for (;;) {
      if (leading_blank_pending_) put_leading_blank();
      if (text.size() <= room()) {
        line_.append(text);
        break;
      }
      const std::size_t fill = room();
      line_.append(text.substr(0, fill));
      text.remove_prefix(fill);
      new_line();
    }
    previous_was_integer_ = false;
  }

  void put_integer(std::int32_t value) {
    if (room() < kIntegerWidth) new_line();
    char field[kIntegerWidth + 1];
    std::snprintf(field, sizeof field, "%12d", static_cast<int>(value));
    line_ += field;
    leading_blank_pending_ = false;  // the field's own blanks stand for it
    previous_was_integer_ = true;
  }

  std::vector<std::string> finish() {
    if (line_.empty() && leading_blank_pending_) line_ = " ";
    lines_.push_back(std::move(line_));
    return std::move(lines_);
  }

 private:
  std::size_t room() const { return kLineWidth - line_.size(); }

  void put_leading_blank() {
    if (room() > 1) line_ += ' ';
    leading_blank_pending_ = false;
  }

  void new_line() {
    lines_.push_back(std::move(line_));
    line_.clear();
    leading_blank_pending_ = true;
    previous_was_integer_ = false;
  }

  std::vector<std::string> lines_;
  std::string line_;
  bool leading_blank_pending_ = true;
  bool previous_was_integer_ = false;
};

}  // namespace

std::vector<std::string> lay_out_free_line(std::initializer_list<FreeItem> items) {
  FreeLineBuilder builder;
  for (const FreeItem& item : items) {
    if (const auto* text = std::get_if<std::string_view>(&item)) {
      builder.put_text(*text);
    } else {
      builder.put_integer(std::get<std::int32_t>(item));
    }
  }
  return builder.finish();
}

void put_free_line(RecordSink& sink, std::initializer_list<FreeItem> items) {
  for (const std::string& line : lay_out_free_line(items)) sink.write_record(line);
}

}  // namespace quarnell
