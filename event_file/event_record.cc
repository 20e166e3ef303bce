#include "event_file/event_record.h"

#include "text_io/ending.h"
#include "text_io/fixed_record.h"
#include "text_io/fixed_text.h"

namespace quarnell {
namespace {

constexpr std::size_t kValueColumn = 30;
constexpr std::size_t kEmptyNameColumn = 36;
constexpr int kNumberWidth = 5;
constexpr std::size_t kSlotColumns = 30;

std::string_view declared(std::string_view name, std::string_view text, std::size_t length) {
  check_text_length(name, length, text.size());
  return text.substr(0, length);
}

std::string_view date_text(DateText date, const EventValues& values) {
  switch (date) {
    case DateText::kYY1:
      return declared("YY1", values.YY1, 4);
    case DateText::kMM1:
      return declared("MM1", values.MM1, 2);
    case DateText::kDD1:
      return declared("DD1", values.DD1, 2);
    case DateText::kHH1:
      return declared("HH1", values.HH1, 2);
  }
  return {};
}

std::string number_text(NumberValue number, const EventValues& values) {
  switch (number) {
    case NumberValue::kDisaggregate:
      return format_decimal_field(values.settings.disaggregate, kNumberWidth, 2);
    case NumberValue::kEvtHours:
      return format_integer_field(values.EVTHOURS, kNumberWidth);
    case NumberValue::kDeltatReport:
      return format_integer_field(values.settings.deltat_report, kNumberWidth);
  }
  return {};
}

}  // namespace

std::string build_event_record(const RecordRow& row, const EventValues& values) {
  switch (row.kind) {
    case RecordKind::kComment:
    case RecordKind::kConstant:
    case RecordKind::kEmpty:
      return std::string(row.keyword);
    case RecordKind::kEmptyName:
      return assign_text(row.keyword, kEmptyNameColumn);
    default:
      break;
  }
  std::string record = assign_text(row.keyword, kValueColumn);
  switch (row.kind) {
    case RecordKind::kText:
      record += date_text(row.date, values);
      break;
    case RecordKind::kFlag:
      record += values.settings.*row.flag;
      break;
    case RecordKind::kNumber:
      record += number_text(row.number, values);
      break;
    case RecordKind::kSlot:
      record += std::string_view(slot(values.names, row.slot)).substr(0, kSlotColumns);
      break;
    default:
      record += row.directory;
      record += declared("EVTNAME", values.EVTNAME, 8);
      record += row.suffix;
  }
  return record;
}

}  // namespace quarnell
