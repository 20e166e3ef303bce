#include "series/dialogue.h"

#include "text_io/fixed_read.h"
#include "text_io/fixed_record.h"
#include "text_io/free_answer.h"
#include "text_io/free_line.h"

namespace quarnell {
namespace {

char ask_yes_no(StandardInput& in) {
  std::string answer(1, ' ');
  get_fixed_record(in, {text_field(1)}, {TextTarget{&answer, 1}});
  return answer[0];
}

}  // namespace

void ask_opening_questions(Console& console, RunSettings& settings) {
  StandardOutput out(console);
  StandardInput in(console);
  put_free_line(out, {"Enter the no of events to create:"});
  get_free_integer(in, settings.event_count);
  put_free_line(out, {});
  put_free_line(out, {"No. of months per event file (1 or 12)"});
  put_free_line(out, {"If you are going to run long sequences - e.g. 40 years"});
  put_free_line(out, {"use 12 months per event - i.e. yearly events"});
  put_free_line(out, {"If you do not, you will have many many files."});
  put_free_line(out, {"Use 12 month events unless you actually"});
  put_free_line(out, {"need month-long events for some reason"});
  get_free_integer(in, settings.months_per_event);
  put_free_line(out, {"type in start of event - eg. yyyy mm dd hh"});
  put_free_line(out, {"please stick with this convention so radar files work"});
  get_fixed_record(in, {text_field(13)}, {TextTarget{&settings.START, 13}});
}

void ask_first_event_questions(Console& console, RunSettings& settings) {
  StandardOutput out(console);
  StandardInput in(console);
  put_free_line(out, {});
  put_free_line(out, {" will you be running the snow melt  routines? y/n"});
  put_free_line(out, {" Note: temperature data needed for this option"});
  settings.snwflg = ask_yes_no(in);
  if (settings.snwflg == 'y') {
    put_fixed_record(out, {literal(" enter the snow conversion factor")}, {});
    put_fixed_record(
        out, {literal(" e.g.  1.0 is snow wat. eq. in mm, 25. if in inches"), record_break()}, {});
    // The factor is asked for the sake of habit; no file carries it.
    float snow_factor = 0;
    get_fixed_record(in, {decimal_field(5, 0)}, {&snow_factor});
  }
  put_free_line(out, {});
  put_free_line(out, {" will you be running the evaporation routines? y/n"});
  put_free_line(out, {" Note: temperature data needed for this option"});
  settings.vapflg = ask_yes_no(in);
  put_free_line(out, {});
  put_free_line(out, {" will you be disaggregating precipitation? y/n"});
  settings.smrflg = ask_yes_no(in);
  if (settings.smrflg == 'y') {
    put_free_line(out, {"what is your disaggregation rate mm/hr ?"});
    get_free_real(in, settings.disaggregate);
  } else {
    settings.disaggregate = 0.0f;
  }
  put_free_line(out, {"What reporting time step would you like in files?"});
  put_free_line(out, {"This should not be shorted than the str file Dt"});
  get_free_integer(in, settings.deltat_report);
  put_free_line(out, {});
  put_free_line(out, {" will you be using reservoir/lake inflow files? y/n"});
  settings.resinflg = ask_yes_no(in);
  put_free_line(out, {" will you be using wetland coupling? y/n"});
  settings.wetflg = ask_yes_no(in);
  put_free_line(out, {});
  put_free_line(out, {" will you be using diversions? y/n"});
  put_free_line(out, {" Note: diversion data needed for this option"});
  settings.divertflg = ask_yes_no(in);
  put_free_line(out, {});
  put_free_line(out, {" will you be running lake evaporation? y/n"});
  put_free_line(out, {" Note: diversion data needed for this option"});
  settings.lakeflg = ask_yes_no(in);
  put_free_line(out, {});
  put_free_line(out, {" will you be using ice factors? y/n"});
  put_free_line(out, {" Note: diversion data needed for this option"});
  settings.iceflg = ask_yes_no(in);
  put_free_line(out, {});
  put_fixed_record(out,
                   {record_break(), literal(" name of shd & par files: eg. gr10k, saug 8 char max"),
                    record_break()},
                   {});
  get_fixed_record(in, {text_field(8)}, {TextTarget{&settings.BSNME, 8}});
}

}  // namespace quarnell
