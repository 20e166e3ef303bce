#include "event_file/write_event.h"

#include "event_file/event_record.h"
#include "text_io/ending.h"
#include "text_io/free_line.h"

namespace quarnell {
namespace {

constexpr std::size_t kEventFileSlot = 99;

}  // namespace

void write_event(const EventWriterContext& context, std::string_view YY1, std::string_view MM1,
                 std::string_view DD1, std::string_view HH1, std::string_view EVTNAME,
                 std::int32_t EVTHOURS) {
  check_subscript("FLN", 1, kEventFileSlot, 1, static_cast<std::int64_t>(context.names.FLN.size()));
  const std::string& path_slot = slot(context.names, kEventFileSlot);
  const std::string path = path_slot.substr(0, path_slot.find_last_not_of(' ') + 1);

  const int status = context.files.open(Channel::kScratch, path, OnOpenFailure::kReturnStatus);
  if (status != 0) {
    StandardOutput out(context.console);
    put_free_line(out, {"problem opening", path_slot, "in write_event @ line 15"});
    put_free_line(out, {"ios=", status, " possible problem: lile is locked"});
    abort_run("program aborted in write_event");
  }
  TextFile& event_file = context.files.on(Channel::kScratch);
  const EventValues values{YY1, MM1, DD1, HH1, EVTNAME, EVTHOURS, context.settings, context.names};
  for (const RecordRow& row : kEventFileTable) {
    event_file.write_record(build_event_record(row, values));
  }
  context.files.close(Channel::kScratch);
}

}  // namespace quarnell
