#include "series/name_list.h"

#include <array>
#include <string_view>

#include "text_io/fixed_read.h"
#include "text_io/fixed_record.h"
#include "text_io/free_line.h"

namespace quarnell {
namespace {

constexpr std::string_view kBasinPrefix = "basin\\";
constexpr int kSuffixWidth = 11;
constexpr int kReadColumns = 30;
constexpr std::size_t kComposedSlots = 23;

// Suffixes of the basin files, records 1 to 7, each filled with blanks to 11 characters.
constexpr std::array<std::string_view, 7> EXT = {"_shd.r2c   ", "_par.csv   ", "_ch_par.r2c",
                                                 ".pdl       ", ".sdc       ", ".wqd       ",
                                                 "_diff.r2c  "};
// Record 16 is a basin record whose suffix was never filled in.
constexpr std::string_view kNoSuffix = "           ";

struct EventFileName {
  std::string_view directory;
  std::string_view suffix;
};

// Records 8 to 15 and 17 to 21; record 16 is a basin record with no suffix.
constexpr std::array<EventFileName, 8> kBeforeRecord16 = {{{"raing\\", ".rag"},
                                                           {"strfw\\", ".str"},
                                                           {"resrl\\", ".rel"},
                                                           {"snow1\\", "_crs.pt2"},
                                                           {"raduc\\", ".rad"},
                                                           {"radcl\\", "_met.r2c"},
                                                           {"radar\\", ".scn"},
                                                           {"raduc\\", ".clt"}}};
constexpr std::array<EventFileName, 5> kAfterRecord16 = {{{"tempr\\", ".tag"},
                                                          {"tempr\\", "_tem.r2c"},
                                                          {"strfw\\", ".gwt"},
                                                          {"tempr\\", ".tmx"},
                                                          {"snowg\\", ".dsn"}}};

// The columns of the basin name before its first blank, but at least one.
std::string_view name_field(const std::string& BSNME) {
  const std::size_t used = BSNME.find(' ');
  const std::size_t length = used == std::string::npos ? BSNME.size() : used;
  return std::string_view(BSNME).substr(0, length == 0 ? 1 : length);
}

void put_basin_record(TextFile& temp3, std::string_view name, std::string_view suffix) {
  const int width = static_cast<int>(name.size());
  put_fixed_record(temp3, {literal(kBasinPrefix), text_field(width), text_field(kSuffixWidth)},
                   {name, suffix});
}

void put_event_records(TextFile& temp3, const std::string& EVTNAME, const EventFileName* first,
                       const EventFileName* last) {
  for (const EventFileName* file = first; file != last; ++file) {
    put_fixed_record(temp3, {literal(file->directory), text_field(8), literal(file->suffix)},
                     {EVTNAME});
  }
}

}  // namespace

void compose_event_names(TextFiles& files, const std::string& BSNME, const std::string& EVTNAME,
                         NameList& names) {
  files.open(Channel::kScratch, "temp3.fls", OnOpenFailure::kEndRun);
  TextFile& temp3 = files.on(Channel::kScratch);
  const std::string_view name = name_field(BSNME);
  for (const std::string_view suffix : EXT) put_basin_record(temp3, name, suffix);
  put_event_records(temp3, EVTNAME, kBeforeRecord16.begin(), kBeforeRecord16.end());
  put_basin_record(temp3, name, kNoSuffix);
  put_event_records(temp3, EVTNAME, kAfterRecord16.begin(), kAfterRecord16.end());
  put_fixed_record(temp3, {literal("                ")}, {});
  put_fixed_record(temp3, {literal("event\\event.evt")}, {});
  put_fixed_record(temp3, {literal("event\\"), text_field(8), literal(".evt")}, {EVTNAME});

  temp3.rewind();
  std::vector<FixedTarget> targets;
  for (std::size_t number = 1; number <= kComposedSlots; ++number) {
    targets.push_back(TextTarget{&slot(names, number), kNameLength});
  }
  get_fixed_record(temp3, {text_field(kReadColumns)}, targets);
  get_fixed_record(temp3, {text_field(kReadColumns)}, {TextTarget{&names.FLN1, kNameLength}});
  files.close(Channel::kScratch);
}

void open_events_list(TextFiles& files) {
  // The opening is not examined here: a failed one is reported at the first line written.
  files.open(Channel::kEventsList, "event\\events_to_follow.txt", OnOpenFailure::kReturnStatus);
}

void list_event_file(TextFiles& files, const NameList& names) {
  put_free_line(files.on(Channel::kEventsList), {std::string_view(names.FLN1).substr(0, 72)});
}

void close_events_list(TextFiles& files) { files.close(Channel::kEventsList); }

}  // namespace quarnell
