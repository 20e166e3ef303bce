#include "tests/e2e/documented_run.h"

#include <regex>
#include <sstream>

#include "tests/e2e/harness.h"
#include "tests/e2e/transcript.h"
#include "tests/support/documented_names.h"

namespace quarnell::e2e {
namespace {

// Line numbers of the documented session.
constexpr int kSnowFactorFirst = 33;
constexpr int kSnowFactorLast = 35;
constexpr int kRate = 41;
constexpr int kLastBeforeCreated = 76;
constexpr int kFirstAfterCreated = 79;
constexpr int kLast = 96;

bool is_yes(const std::string& answer) { return !answer.empty() && answer[0] == 'y'; }

// The documented session's standard output by line number, each line with its line end.
const std::map<int, std::string>& session_lines() {
  static const std::map<int, std::string> lines = [] {
    std::map<int, std::string> numbered;
    std::istringstream text(read_file(data_path("console_transcript.txt")));
    const std::regex shown(R"(^\s*(\d+)\|(.*)\|$)");
    std::smatch match;
    for (std::string line; std::getline(text, line);) {
      if (!std::regex_match(line, match, shown)) continue;
      std::string bytes = match[2];
      if (bytes.find("*....") != std::string::npos) bytes = std::string(" ") + kOwnershipLine;
      // The pause message alone ends with a line feed.
      bytes += bytes == "Hit enter to continue" ? "\n" : "\r\n";
      numbered[std::stoi(match[1])] = bytes;
    }
    return numbered;
  }();
  return lines;
}

std::vector<std::string> split_records(const std::string& bytes) {
  std::vector<std::string> records;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    records.push_back(bytes.substr(start, end - start));
  }
  return records;
}

std::string replace_all(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::string padded(const std::string& text, std::size_t width) {
  return text + std::string(width - text.size(), ' ');
}

}  // namespace

std::string Answers::text(const std::string& line_end) const {
  std::vector<std::string> lines = {events, months, start, snow};
  if (is_yes(snow)) lines.push_back(snow_factor);
  lines.insert(lines.end(), {evaporation, disaggregation});
  if (is_yes(disaggregation)) lines.push_back(rate);
  lines.insert(lines.end(), {reporting_step, reservoir, wetland, diversions, lake, ice, basin});
  lines.insert(lines.end(), pauses.begin(), pauses.end());
  std::string input;
  for (const std::string& line : lines) input += line + line_end;
  return input;
}

std::string documented_out(int first, int last, const Answers& answers) {
  std::string out;
  for (int number = first; number <= last; ++number) {
    if (number >= kSnowFactorFirst && number <= kSnowFactorLast && !is_yes(answers.snow)) continue;
    if (number == kRate && !is_yes(answers.disaggregation)) continue;
    out += session_lines().at(number);
  }
  return out;
}

std::string documented_run_out(const Answers& answers, const std::vector<std::string>& paths) {
  std::string out = documented_out(1, kLastBeforeCreated, answers);
  for (const std::string& path : paths) out += created_line(path);
  return out + documented_out(kFirstAfterCreated, kLast, answers);
}

std::string created_line(const std::string& path) {
  return " " + padded(path, 60) + "... created\r\n";
}

std::string keyed(const std::string& keyword, const std::string& value) {
  return padded(keyword, 30) + value;
}

std::string example_event_file(const std::map<int, std::string>& records,
                               const std::string& EVTNAME) {
  static const std::string example =
      read_numbered_records(read_file(data_path("event_file_20150101.txt")));
  std::vector<std::string> lines = split_records(replace_all(example, "20150101", EVTNAME));
  for (const auto& [number, record] : records)
    lines.at(static_cast<std::size_t>(number - 1)) = record;
  return crlf(lines);
}

std::map<int, std::string> basin_file_records(const std::string& name_field) {
  const std::string basin = "basin\\" + name_field;
  return {{52, keyed(":basinfilename", padded(basin + "_shd.r2c", 30))},
          {53, keyed(":parfilename", padded(basin + "_par.csv", 30))},
          {54, keyed(":channelparfile", padded(basin + "_ch_par.r2c", 30))},
          {55, keyed(":pointdatalocations", padded(basin + ".pdl", 30))},
          {56, keyed(":snowcoverdepletioncurve", padded(basin + ".sdc", 30))},
          {57, keyed(":waterqualitydatafile", padded(basin + ".wqd", 30))}};
}

std::string temp3_records(const std::string& name_field, const std::string& EVTNAME) {
  const std::string documented = crlf(testing::documented_temp3_records());
  return replace_all(replace_all(documented, "gr10k", name_field), "20150101", EVTNAME);
}

std::string list_line(const std::string& path) { return " " + padded(path, 72) + "\r\n"; }

std::map<std::string, std::string> example_run_files(const std::string& event_file) {
  return {{"event/20150101.evt", event_file},
          {"event/events_to_follow.txt", list_line("event\\20150101.evt")},
          {"evt_info.txt", ""},
          {"temp0.fls", "2015010100\r\n"},
          {"temp1.fls", "2015 01 01 00\r\n"},
          {"temp2.fls", "20150101\r\n"},
          {"temp3.fls", temp3_records("gr10k", "20150101")}};
}

}  // namespace quarnell::e2e
