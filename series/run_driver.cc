#include "series/run_driver.h"

#include <new>

#include "event_file/write_event.h"
#include "series/banner.h"
#include "series/calendar.h"
#include "series/dialogue.h"
#include "series/name_list.h"
#include "text_io/ending.h"
#include "text_io/free_line.h"

namespace quarnell {
namespace {

constexpr std::string_view kInformation =
    "Please see file evt_info.txt for information re: this run";

NameList obtain_name_list() {
  try {
    NameList names;
    names.FLN.assign(kNameSlots, std::string(kNameLength, ' '));
    return names;
  } catch (const std::bad_alloc&) {
    abort_run("**Allocation failed for area12 in eventsa l86**");
  }
}

void put_opening(StandardOutput& out) {
  put_banner(out, BannerKind::kOpening);
  put_free_line(out, {});
  put_free_line(out, {kInformation});
}

void put_opening_warnings(StandardOutput& out) {
  put_free_line(out, {"event selection program"});
  put_free_line(out, {"warning: no damage yet, but if you enter the name"});
  put_free_line(out, {"of an existing event, all old files by that name"});
  put_free_line(out, {"and the series of events following"});
  put_free_line(out, {"will be over written. enter ^c or ^break to stop"});
  put_free_line(out, {});
}

void show_warning_block(Console& console) {
  StandardOutput out(console);
  put_free_line(out, {"                     if names correspond"});
  put_free_line(out, {"WARNING:"});
  put_free_line(out, {"Existing evt files may be overwritten"});
  put_free_line(out, {"                     if names correspond"});
  put_free_line(out, {"Hit Ctrl C to abort"});
  pause_run(console, "Hit enter to continue");
  put_free_line(out, {});
  put_free_line(out, {"recent change(s):"});
  put_free_line(out, {"8/12/2011 - `ensimflg` has been replaced by `kenueflg`"});
  put_free_line(out, {"in the new evt file"});
  put_free_line(out, {"Pre-existing programs will not accept `kenueflg` &"});
  put_free_line(out, {"will produce an error"});
  put_free_line(out, {"Please update all executables"});
  put_free_line(out, {"New exec`s will recognize ensimflg & kenueflg"});
  put_free_line(out, {"so there is no need to edit your data files"});
  put_free_line(out, {});
  pause_run(console, "Hit enter to continue");
}

void put_closing(StandardOutput& out) {
  put_free_line(out, {"A file called event\\events_to_follow.txt"});
  put_free_line(out, {"has been written"});
  put_free_line(out, {"This list can be used in the first event file"});
  put_free_line(out, {"of a connected set of events"});
  put_free_line(out, {});
  put_banner(out, BannerKind::kClosing);
  put_free_line(out, {});
  put_free_line(out, {kInformation});
}

void run_series(Console& console, TextFiles& files) {
  NameList names = obtain_name_list();
  RunSettings settings;
  SeriesCursor cursor;
  StandardOutput out(console);

  put_opening(out);
  // Opened, never written: an existing file keeps its content.
  files.open(Channel::kEvtInfo, "evt_info.txt", OnOpenFailure::kEndRun);
  put_opening_warnings(out);

  ask_opening_questions(console, settings);
  bool first_event_done = false;
  bool warning_pending = true;
  split_start_text(settings, cursor);
  open_events_list(files);
  name_first_event(files, cursor);

  const std::int32_t event_total = settings.event_count;
  for (std::int64_t event = 1; event <= event_total; ++event) {
    if (event > 1) step_to_next_event(files, settings, cursor);
    hours_in_event(console, settings, cursor);
    record_event_date(files, event == 1, cursor);
    if (!first_event_done) ask_first_event_questions(console, settings);
    compose_event_names(files, settings.BSNME, cursor.EVTNAME, names);
    if (warning_pending) {
      show_warning_block(console);
      warning_pending = false;
    }
    slot(names, 99) = names.FLN1;
    write_event({files, console, settings, names}, cursor.YY1, cursor.MM1, cursor.DD1, cursor.HH1,
                cursor.EVTNAME, cursor.EVTHOURS);
    put_free_line(out, {std::string_view(slot(names, 99)).substr(0, 60), "... created"});
    list_event_file(files, names);
    first_event_done = true;
  }
  close_events_list(files);
  put_closing(out);
  end_run("Normal ending");
}

}  // namespace

int run_quarnell(Console& console, FileSystem& file_system) {
  TextFiles files(file_system);
  try {
    run_series(console, files);
  } catch (const RunEnded& ending) {
    console.write_err(std::string(ending.what()) + "\r\n");
    files.close_all();
    return ending.status();
  }
  return 0;  // not reached: every run ends through RunEnded
}

}  // namespace quarnell
