#include "text_io/text_files.h"

#include <stdexcept>
#include <utility>

#include "text_io/ending.h"

namespace quarnell {
namespace {

// Scratch files are read back whole in one go; records are far shorter.
constexpr std::size_t kReadChunk = 4096;

}  // namespace

TextFile::TextFile(std::string name, OpenedFile opened)
    : name_(std::move(name)),
      file_(std::move(opened.file)),
      read_only_(opened.read_only),
      open_failure_(opened.failure) {}

void TextFile::fail_open() const { report_failure(open_failure_, name_); }

void TextFile::write_record(std::string_view record) {
  if (!file_) fail_open();
  if (read_only_) report_failure(failure::kReadOnly, name_);
  buffer_.clear();
  std::string line(record);
  line += "\r\n";
  const bool written =
      cut_pending_ ? file_->write_and_cut(position_, line) : file_->write_at(position_, line);
  cut_pending_ = false;
  if (!written) {
    file_->truncate(position_);  // no half record stays behind
    report_failure(failure::kWriteFailed, name_);
  }
  position_ += line.size();
}

std::optional<std::string> TextFile::read_record() {
  if (!file_) fail_open();
  std::string line;
  for (;;) {
    if (position_ < buffer_start_ || position_ >= buffer_start_ + buffer_.size()) {
      buffer_.resize(kReadChunk);
      std::size_t got = 0;
      if (!file_->read_at(position_, buffer_.data(), kReadChunk, &got)) {
        buffer_.clear();
        report_failure(failure::kReadFailed, name_);
      }
      buffer_.resize(got);
      buffer_start_ = position_;
      if (got == 0) {
        if (line.empty()) return std::nullopt;
        break;  // a last record without a line end
      }
    }
    const std::string_view chunk = std::string_view(buffer_).substr(position_ - buffer_start_);
    const std::size_t end = chunk.find('\n');
    if (end != std::string_view::npos) {
      line.append(chunk.substr(0, end));
      position_ += end + 1;
      break;
    }
    line.append(chunk);
    position_ += chunk.size();
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void TextFile::rewind() {
  position_ = 0;
  cut_pending_ = true;
}

int TextFiles::open(Channel channel, std::string_view name, OnOpenFailure on_failure) {
  close(channel);
  OpenedFile opened = file_system_.open(std::string(name));
  const int status = opened.file ? 0 : opened.failure;
  if (status != 0 && on_failure == OnOpenFailure::kEndRun) report_failure(status, name);
  open_[static_cast<std::size_t>(channel)].emplace(std::string(name), std::move(opened));
  return status;
}

TextFile& TextFiles::on(Channel channel) {
  std::optional<TextFile>& file = open_[static_cast<std::size_t>(channel)];
  if (!file) throw std::logic_error("no file is open on the channel");
  return *file;
}

void TextFiles::close(Channel channel) { open_[static_cast<std::size_t>(channel)].reset(); }

void TextFiles::close_all() {
  for (std::optional<TextFile>& file : open_) file.reset();
}

}  // namespace quarnell
