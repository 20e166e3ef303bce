#pragma once

#include <string>
#include <vector>

namespace quarnell::testing {

// The 24 records of temp3.fls for the basin gr10k and the event 20150101.
inline const std::vector<std::string>& documented_temp3_records() {
  static const std::vector<std::string> records = {
      "basin\\gr10k_shd.r2c   ", "basin\\gr10k_par.csv   ", "basin\\gr10k_ch_par.r2c",
      "basin\\gr10k.pdl       ", "basin\\gr10k.sdc       ", "basin\\gr10k.wqd       ",
      "basin\\gr10k_diff.r2c  ", "raing\\20150101.rag",     "strfw\\20150101.str",
      "resrl\\20150101.rel",     "snow1\\20150101_crs.pt2", "raduc\\20150101.rad",
      "radcl\\20150101_met.r2c", "radar\\20150101.scn",     "raduc\\20150101.clt",
      "basin\\gr10k           ", "tempr\\20150101.tag",     "tempr\\20150101_tem.r2c",
      "strfw\\20150101.gwt",     "tempr\\20150101.tmx",     "snowg\\20150101.dsn",
      "                ",        "event\\event.evt",        "event\\20150101.evt"};
  return records;
}

}  // namespace quarnell::testing
