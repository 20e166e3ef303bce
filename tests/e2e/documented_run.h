#pragma once

#include <map>
#include <string>
#include <vector>

namespace quarnell::e2e {

// The answers of one run, one line each. The defaults are those of the documented example
// event file: one one-month event from 2015 01 01 00, snow melt and evaporation yes, every
// other question no, a reporting step of 1, basin gr10k, Enter at both pauses.
struct Answers {
  std::string events = "1";
  std::string months = "1";
  std::string start = "2015 01 01 00";
  std::string snow = "y";
  std::string snow_factor = "1.0";  // typed only when the snow answer is yes
  std::string evaporation = "y";
  std::string disaggregation = "n";
  std::string rate = "2.5";  // typed only when the disaggregation answer is yes
  std::string reporting_step = "1";
  std::string reservoir = "n";
  std::string wetland = "n";
  std::string diversions = "n";
  std::string lake = "n";
  std::string ice = "n";
  std::string basin = "gr10k";
  std::vector<std::string> pauses = {"", ""};

  // Standard input: every answer followed by `line_end`.
  std::string text(const std::string& line_end = "\n") const;
};

// Lines `first` to `last` (as numbered there) of the documented console session's standard
// output, without the lines of the questions that these answers do not lead to: the snow
// conversion factor, the disaggregation rate.
std::string documented_out(int first, int last, const Answers& answers = Answers());

// The standard output of a whole run: the documented session with one "... created" line
// for each event file, in order.
std::string documented_run_out(const Answers& answers, const std::vector<std::string>& paths);

// The line that tells an event file has been written.
std::string created_line(const std::string& path);

// A keyword padded with blanks to column 30, then the value: an event-file record.
std::string keyed(const std::string& keyword, const std::string& value);

// The documented example event file with some records replaced (numbered from 1) and its
// event name 20150101 replaced by `EVTNAME` in every composed name.
std::string example_event_file(const std::map<int, std::string>& records = {},
                               const std::string& EVTNAME = "20150101");

// The slot records 52 to 57 of an event file for a basin name field.
std::map<int, std::string> basin_file_records(const std::string& name_field);

// The 24 records of temp3.fls for a basin name field and an event name.
std::string temp3_records(const std::string& name_field, const std::string& EVTNAME);

// The line of an event file's path in the events list.
std::string list_line(const std::string& path);

// Every file that the example answers leave, by path, with the given event file.
std::map<std::string, std::string> example_run_files(
    const std::string& event_file = example_event_file());

}  // namespace quarnell::e2e
