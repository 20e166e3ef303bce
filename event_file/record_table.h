#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "series/run_settings.h"

namespace quarnell {

// The kinds of record of an event file.
enum class RecordKind {
  kComment,       // the text, from column 1
  kConstant,      // the text, trailing blanks included
  kText,          // keyword to column 30, then a date text
  kFlag,          // keyword to column 30, then one answer character
  kNumber,        // keyword to column 30, then a number in columns 31 to 35
  kSlot,          // keyword to column 30, then 30 characters of an FLN slot
  kComposedName,  // keyword to column 30, then directory, EVTNAME and suffix
  kEmptyName,     // keyword to column 36, nothing after it
  kEmpty,         // no characters at all
};

enum class DateText { kYY1, kMM1, kDD1, kHH1 };
enum class NumberValue { kDisaggregate, kEvtHours, kDeltatReport };

struct RecordRow {
  RecordKind kind;
  std::string_view keyword;  // the whole record for comments and constants
  DateText date = DateText::kYY1;
  char RunSettings::*flag = nullptr;
  NumberValue number = NumberValue::kEvtHours;
  std::size_t slot = 0;  // FLN slot, from 1
  std::string_view directory = {};
  std::string_view suffix = {};
};

constexpr std::size_t kEventFileRecords = 108;

// The records of every event file, in their order.
extern const std::array<RecordRow, kEventFileRecords> kEventFileTable;

}  // namespace quarnell
