// The least work that produces quarnell's files for one series: every file is composed in
// memory and reaches the operating system with a single write. The answers are those that
// bench/run types to the tool; only the series itself comes from the command line.
//
//   baseline EVENTS MONTHS_PER_EVENT "yyyy mm dd hh"
//
// Run in a working directory with an `event` folder.

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The benchmark's answers: snow melt, evaporation and disaggregation at 2.5 mm/hr, a
// reporting step of 1, no other option, basin gr10k.
constexpr char kSnow = 'y';
constexpr char kEvaporation = 'y';
constexpr char kDisaggregating = 'y';
constexpr double kRate = 2.5;
constexpr int kReportStep = 1;
constexpr char kReservoirInflow = 'n';
constexpr char kWetland = 'n';
constexpr char kDiversions = 'n';
constexpr char kLakeEvaporation = 'n';
constexpr char kIce = 'n';
const std::string kBasin = "gr10k";

void write_file(const std::string& path, const std::string& content) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0 ||
      ::write(fd, content.data(), content.size()) != static_cast<ssize_t>(content.size())) {
    std::perror(path.c_str());
    std::exit(1);
  }
  ::close(fd);
}

std::string padded(const std::string& text, std::size_t width) {
  std::string result = text;
  result.resize(width, ' ');
  return result;
}

std::string number_field(const char* format, double value) {
  char field[32];
  std::snprintf(field, sizeof field, format, value);
  return field;
}

std::string integer_field(int value, int width) {
  char field[32];
  std::snprintf(field, sizeof field, "%*d", width, value);
  return field;
}

bool is_leap_year(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int event_hours(int year, int month, int months) {
  static const int kMonthHours[12] = {744, 672, 744, 720, 744, 720, 744, 744, 720, 744, 720, 744};
  int hours = 0;
  for (int step = 0; step < months; ++step) {
    const int month_index = (month - 1 + step) % 12;
    const int month_year = year + (month - 1 + step) / 12;
    hours += kMonthHours[month_index];
    if (month_index == 1 && is_leap_year(month_year)) hours += 24;
  }
  return hours;
}

struct Event {
  std::string year, month, day, hour, name;
  int hours;
};

void line(std::string& out, const std::string& record) {
  out += record;
  out += "\r\n";
}

void keyword(std::string& out, const std::string& key, const std::string& value) {
  line(out, padded(key, 30) + value);
}

void composed(std::string& out, const std::string& key, const std::string& directory,
              const std::string& name, const std::string& suffix) {
  keyword(out, key, directory + "\\" + name + suffix);
}

void empty_name(std::string& out, const std::string& key) { line(out, padded(key, 36)); }

void flag_off(std::string& out, const std::string& key) { keyword(out, key, "n    "); }

std::string event_file(const Event& e) {
  const std::string& n = e.name;
  std::string out;
  out.reserve(4400);
  line(out, "#");
  keyword(out, ":filetype", ".evt ");
  keyword(out, ":fileversionno", "9.9  ");
  keyword(out, ":year", e.year);
  keyword(out, ":month", e.month);
  keyword(out, ":day", e.day);
  keyword(out, ":hour", e.hour);
  line(out, "#");
  keyword(out, ":snwflg", std::string(1, kSnow));
  flag_off(out, ":sedflg");
  keyword(out, ":vapflg", std::string(1, kEvaporation));
  keyword(out, ":smrflg", std::string(1, kDisaggregating));
  keyword(out, ":resinflg", std::string(1, kReservoirInflow));
  for (const char* key :
       {":tbcflg", ":resumflg", ":contflg", ":routeflg", ":crseflg", ":kenueflg", ":picflg"}) {
    flag_off(out, key);
  }
  keyword(out, ":wetflg", std::string(1, kWetland));
  for (const char* key : {":modelflg", ":shdflg", ":trcflg", ":frcflg", ":initflg", ":hdrflg",
                          ":grdflg", ":ntrlflg", ":nudgeflg", ":resetflg"}) {
    flag_off(out, key);
  }
  keyword(out, ":divertflg", std::string(1, kDiversions));
  flag_off(out, ":pafflg");
  flag_off(out, ":fliflg");
  keyword(out, ":lakeflg", std::string(1, kLakeEvaporation));
  keyword(out, ":iceflg", std::string(1, kIce));
  line(out, "#");
  keyword(out, ":intsoilmoisture", "0.25 0.25 0.25 0.25 0.25");
  keyword(out, ":rainconvfactor", " 1.00");
  keyword(out, ":eventprecipscalefactor", " 1.00");
  for (const char* key : {":precipscalefactor", ":eventsnowscalefactor", ":snowscalefactor",
                          ":eventtempscalefactor", ":tempscalefactor"}) {
    keyword(out, key, " 0.00");
  }
  keyword(out, ":disaggregate", number_field("%5.2f", kDisaggregating == 'y' ? kRate : 0.0));
  line(out, "#");
  keyword(out, ":hoursraindata", integer_field(e.hours, 5));
  keyword(out, ":hoursflowdata", integer_field(e.hours, 5));
  keyword(out, ":deltat_report", integer_field(kReportStep, 5));
  line(out, "#");
  keyword(out, ":basinfilename", padded("basin\\" + kBasin + "_shd.r2c", 30));
  keyword(out, ":parfilename", padded("basin\\" + kBasin + "_par.csv", 30));
  keyword(out, ":channelparfile", padded("basin\\" + kBasin + "_ch_par.r2c", 30));
  keyword(out, ":pointdatalocations", padded("basin\\" + kBasin + ".pdl", 30));
  keyword(out, ":snowcoverdepletioncurve", padded("basin\\" + kBasin + ".sdc", 30));
  keyword(out, ":waterqualitydatafile", padded("basin\\" + kBasin + ".wqd", 30));
  line(out, "# station climate data");
  composed(out, ":pointsoilmoisture", "moist", n, "_psm.pt2");
  composed(out, ":pointprecip", "raing", n, "_rag.tb0");
  composed(out, ":pointtemps", "tempg", n, "_tag.tb0");
  empty_name(out, ":pointnetradiation");
  composed(out, ":pointhumidity", "humid", n, "_hum.tb0");
  composed(out, ":pointwindspd", "winds", n, "_spd.tb0");
  composed(out, ":pointwinddir", "winds", n, "_dir.tb0");
  empty_name(out, ":pointlongwave");
  empty_name(out, ":pointshortwave");
  empty_name(out, ":pointatmpressure");
  composed(out, ":pointsnow", "snowg", n, "_snw.tb0");
  composed(out, ":pointdrain", "drain", n, "_drn.tb0");
  composed(out, ":pointdsnow", "dsnow", n, "_dsn.tb0");
  line(out, "# hydrometric station data");
  composed(out, ":streamflowdatafile", "strfw", n, "_str.tb0");
  composed(out, ":reservoirreleasefile", "resrl", n, "_rel.tb0");
  composed(out, ":reservoirinflowfile", "resrl", n, "_rin.tb0");
  composed(out, ":diversionflowfile", "diver", n, "_div.tb0");
  composed(out, ":snowcoursefile", "snow1", n, "_crs.pt2");
  composed(out, ":initlakelevel", "level", n, "_ill.pt2");
  composed(out, ":observedlakelevel", "level", n, "_lvl.tb0");
  line(out, "");
  line(out, "# gridded data");
  composed(out, ":radarfile", "raduc", n, ".rad");
  composed(out, ":rawradarfile", "radar", n, ".scn");
  composed(out, ":clutterfile", "radar", n, ".clt");
  composed(out, ":griddedinitsnowweq", "snow1", n, "_swe.r2c");
  composed(out, ":griddedinitsoilmoisture", "moist", n, "_gsm.r2c");
  empty_name(out, ":griddedinitlzs");
  composed(out, ":griddedrainfile", "radcl", n, "_met.r2c");
  empty_name(out, ":griddedsnowfile");
  composed(out, ":griddedtemperaturefile", "tempr", n, "_tem.r2c");
  composed(out, ":griddeddailydifference", "tempr", n, "_dif.r2c");
  empty_name(out, ":griddednetradiation");
  composed(out, ":griddedhumidity", "humid", n, "_hum.r2c");
  composed(out, ":griddedwindspd", "winds", n, "_spd.r2c");
  composed(out, ":griddedwinddir", "winds", n, "_dir.r2c");
  empty_name(out, ":griddedlongwave");
  empty_name(out, ":griddedshortwave");
  empty_name(out, ":griddedatmpressure");
  composed(out, ":griddedsnow", "snowg", n, "_snw.r2c");
  composed(out, ":griddeddrain", "drain", n, "_drn.r2c");
  composed(out, ":griddeddsnow", "dsnow", n, "_dsn.r2c");
  composed(out, ":griddedrunoff", "runof", n, "_rff.r2c");
  composed(out, ":griddedrecharge", "rchrg", n, "_rch.r2c");
  composed(out, ":griddedleakage", "lkage", n, "_lkg.r2c");
  line(out, "#");
  keyword(out, ":noeventstofollow", "    00");
  line(out, "#");
  line(out, "eof");
  return out;
}

// The 24 composed names of the last event, as the tool leaves them in temp3.fls.
std::string name_records(const std::string& name) {
  std::string out;
  for (const char* suffix :
       {"_shd.r2c", "_par.csv", "_ch_par.r2c", ".pdl", ".sdc", ".wqd", "_diff.r2c"}) {
    line(out, "basin\\" + kBasin + padded(suffix, 11));
  }
  for (const char* record :
       {"raing\\#.rag", "strfw\\#.str", "resrl\\#.rel", "snow1\\#_crs.pt2", "raduc\\#.rad",
        "radcl\\#_met.r2c", "radar\\#.scn", "raduc\\#.clt", "", "tempr\\#.tag", "tempr\\#_tem.r2c",
        "strfw\\#.gwt", "tempr\\#.tmx", "snowg\\#.dsn"}) {
    std::string text = record;
    if (text.empty()) {
      text = "basin\\" + kBasin + std::string(11, ' ');
    } else {
      text.replace(text.find('#'), 1, name);
    }
    line(out, text);
  }
  line(out, std::string(16, ' '));
  line(out, "event\\event.evt");
  line(out, "event\\" + name + ".evt");
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || std::string(argv[3]).size() != 13) {
    std::fprintf(stderr, "usage: baseline EVENTS MONTHS_PER_EVENT \"yyyy mm dd hh\"\n");
    return 2;
  }
  const long events = std::atol(argv[1]);
  const int months = std::atoi(argv[2]);
  const std::string start = argv[3];

  Event e{start.substr(0, 4), start.substr(5, 2), start.substr(8, 2), start.substr(11, 2), "", 0};
  e.name = e.year + e.month + e.day;
  int year = std::atoi(e.year.c_str());
  int month = std::atoi(e.month.c_str());

  ::close(::open("evt_info.txt", O_WRONLY | O_CREAT, 0666));  // kept as it is when present
  write_file("temp0.fls", e.name + e.hour + "\r\n");
  write_file("temp2.fls", e.name + "\r\n");

  std::string list;
  list.reserve(static_cast<std::size_t>(events) * 75);
  for (long event = 1; event <= events; ++event) {
    if (event > 1) {
      if (months == 1) {
        month = month % 12 + 1;
        if (month == 1) ++year;
      } else {
        ++year;
      }
      char name[16];
      std::snprintf(name, sizeof name, "%4d%02d01", year, month);
      e.name = name;
      e.year = e.name.substr(0, 4);
      e.month = e.name.substr(4, 2);
      e.day = "01";
    }
    e.hours = event_hours(year, month, months);
    const std::string path = "event\\" + e.name + ".evt";
    write_file("event/" + e.name + ".evt", event_file(e));
    line(list, " " + padded(path, 72));
  }
  write_file("event/events_to_follow.txt", list);
  if (events >= 1) {
    write_file("temp1.fls", e.year + " " + e.month + " " + e.day + " " + e.hour + "\r\n");
    write_file("temp3.fls", name_records(e.name));
  }
  if (events >= 2) write_file("temp5.fls", e.name + "\r\n");
  return 0;
}
