#pragma once

#include <cstdint>
#include <string>

#include "event_file/event_record.h"
#include "series/name_list.h"
#include "series/run_settings.h"
#include "text_io/fixed_text.h"

namespace quarnell::testing {

// The state of the documented example event: 2015 01 01 00, one month, snow melt and
// evaporation yes, a reporting step of 1, basin gr10k, the event file event\20150101.evt.
struct ExampleEvent {
  ExampleEvent() {
    settings.snwflg = 'y';
    settings.vapflg = 'y';
    for (char RunSettings::*flag :
         {&RunSettings::smrflg, &RunSettings::resinflg, &RunSettings::wetflg,
          &RunSettings::divertflg, &RunSettings::lakeflg, &RunSettings::iceflg}) {
      settings.*flag = 'n';
    }
    settings.deltat_report = 1;
    names.FLN.assign(kNameSlots, std::string(kNameLength, ' '));
    const char* basin_files[] = {"basin\\gr10k_shd.r2c",    "basin\\gr10k_par.csv",
                                 "basin\\gr10k_ch_par.r2c", "basin\\gr10k.pdl",
                                 "basin\\gr10k.sdc",        "basin\\gr10k.wqd"};
    for (std::size_t number = 1; number <= 6; ++number) {
      slot(names, number) = assign_text(basin_files[number - 1], kNameLength);
    }
    slot(names, 99) = assign_text("event\\20150101.evt", kNameLength);
  }

  EventValues values() const { return {YY1, MM1, DD1, HH1, EVTNAME, EVTHOURS, settings, names}; }
  // Record `number` (from 1) of the event file.
  std::string record(std::size_t number) const {
    return build_event_record(kEventFileTable[number - 1], values());
  }

  std::string YY1 = "2015";
  std::string MM1 = "01";
  std::string DD1 = "01";
  std::string HH1 = "00";
  std::string EVTNAME = "20150101";
  std::int32_t EVTHOURS = 744;
  RunSettings settings;
  NameList names;
};

}  // namespace quarnell::testing
