#include "event_file/record_table.h"

namespace quarnell {
namespace {

constexpr RecordRow comment(std::string_view text) { return {RecordKind::kComment, text}; }
constexpr RecordRow constant(std::string_view text) { return {RecordKind::kConstant, text}; }
constexpr RecordRow empty() { return {RecordKind::kEmpty, ""}; }
constexpr RecordRow empty_name(std::string_view keyword) {
  return {RecordKind::kEmptyName, keyword};
}
constexpr RecordRow text(std::string_view keyword, DateText date) {
  RecordRow row{RecordKind::kText, keyword};
  row.date = date;
  return row;
}
constexpr RecordRow flag(std::string_view keyword, char RunSettings::*answer) {
  RecordRow row{RecordKind::kFlag, keyword};
  row.flag = answer;
  return row;
}
constexpr RecordRow number(std::string_view keyword, NumberValue value) {
  RecordRow row{RecordKind::kNumber, keyword};
  row.number = value;
  return row;
}
constexpr RecordRow slot(std::string_view keyword, std::size_t slot_number) {
  RecordRow row{RecordKind::kSlot, keyword};
  row.slot = slot_number;
  return row;
}
constexpr RecordRow composed(std::string_view keyword, std::string_view directory,
                             std::string_view suffix) {
  RecordRow row{RecordKind::kComposedName, keyword};
  row.directory = directory;
  row.suffix = suffix;
  return row;
}

}  // namespace

// One row per record, in file order.
const std::array<RecordRow, kEventFileRecords> kEventFileTable = {{
    comment("#"),
    constant(":filetype                     .evt "),
    constant(":fileversionno                9.9  "),
    text(":year", DateText::kYY1),
    text(":month", DateText::kMM1),
    text(":day", DateText::kDD1),
    text(":hour", DateText::kHH1),
    comment("#"),
    flag(":snwflg", &RunSettings::snwflg),
    constant(":sedflg                       n    "),
    flag(":vapflg", &RunSettings::vapflg),
    flag(":smrflg", &RunSettings::smrflg),
    flag(":resinflg", &RunSettings::resinflg),
    constant(":tbcflg                       n    "),
    constant(":resumflg                     n    "),
    constant(":contflg                      n    "),
    constant(":routeflg                     n    "),
    constant(":crseflg                      n    "),
    constant(":kenueflg                     n    "),
    constant(":picflg                       n    "),
    flag(":wetflg", &RunSettings::wetflg),
    constant(":modelflg                     n    "),
    constant(":shdflg                       n    "),
    constant(":trcflg                       n    "),
    constant(":frcflg                       n    "),
    constant(":initflg                      n    "),
    constant(":hdrflg                       n    "),
    constant(":grdflg                       n    "),
    constant(":ntrlflg                      n    "),
    constant(":nudgeflg                     n    "),
    constant(":resetflg                     n    "),
    flag(":divertflg", &RunSettings::divertflg),
    constant(":pafflg                       n    "),
    constant(":fliflg                       n    "),
    flag(":lakeflg", &RunSettings::lakeflg),
    flag(":iceflg", &RunSettings::iceflg),
    comment("#"),
    constant(":intsoilmoisture              0.25 0.25 0.25 0.25 0.25"),
    constant(":rainconvfactor                1.00"),
    constant(":eventprecipscalefactor        1.00"),
    constant(":precipscalefactor             0.00"),
    constant(":eventsnowscalefactor          0.00"),
    constant(":snowscalefactor               0.00"),
    constant(":eventtempscalefactor          0.00"),
    constant(":tempscalefactor               0.00"),
    number(":disaggregate", NumberValue::kDisaggregate),
    comment("#"),
    number(":hoursraindata", NumberValue::kEvtHours),
    number(":hoursflowdata", NumberValue::kEvtHours),
    number(":deltat_report", NumberValue::kDeltatReport),
    comment("#"),
    slot(":basinfilename", 1),
    slot(":parfilename", 2),
    slot(":channelparfile", 3),
    slot(":pointdatalocations", 4),
    slot(":snowcoverdepletioncurve", 5),
    slot(":waterqualitydatafile", 6),
    comment("# station climate data"),
    composed(":pointsoilmoisture", "moist\\", "_psm.pt2"),
    composed(":pointprecip", "raing\\", "_rag.tb0"),
    composed(":pointtemps", "tempg\\", "_tag.tb0"),
    empty_name(":pointnetradiation"),
    composed(":pointhumidity", "humid\\", "_hum.tb0"),
    composed(":pointwindspd", "winds\\", "_spd.tb0"),
    composed(":pointwinddir", "winds\\", "_dir.tb0"),
    empty_name(":pointlongwave"),
    empty_name(":pointshortwave"),
    empty_name(":pointatmpressure"),
    composed(":pointsnow", "snowg\\", "_snw.tb0"),
    composed(":pointdrain", "drain\\", "_drn.tb0"),
    composed(":pointdsnow", "dsnow\\", "_dsn.tb0"),
    comment("# hydrometric station data"),
    composed(":streamflowdatafile", "strfw\\", "_str.tb0"),
    composed(":reservoirreleasefile", "resrl\\", "_rel.tb0"),
    composed(":reservoirinflowfile", "resrl\\", "_rin.tb0"),
    composed(":diversionflowfile", "diver\\", "_div.tb0"),
    composed(":snowcoursefile", "snow1\\", "_crs.pt2"),
    composed(":initlakelevel", "level\\", "_ill.pt2"),
    composed(":observedlakelevel", "level\\", "_lvl.tb0"),
    empty(),
    comment("# gridded data"),
    composed(":radarfile", "raduc\\", ".rad"),
    composed(":rawradarfile", "radar\\", ".scn"),
    composed(":clutterfile", "radar\\", ".clt"),
    composed(":griddedinitsnowweq", "snow1\\", "_swe.r2c"),
    composed(":griddedinitsoilmoisture", "moist\\", "_gsm.r2c"),
    empty_name(":griddedinitlzs"),
    composed(":griddedrainfile", "radcl\\", "_met.r2c"),
    empty_name(":griddedsnowfile"),
    composed(":griddedtemperaturefile", "tempr\\", "_tem.r2c"),
    composed(":griddeddailydifference", "tempr\\", "_dif.r2c"),
    empty_name(":griddednetradiation"),
    composed(":griddedhumidity", "humid\\", "_hum.r2c"),
    composed(":griddedwindspd", "winds\\", "_spd.r2c"),
    composed(":griddedwinddir", "winds\\", "_dir.r2c"),
    empty_name(":griddedlongwave"),
    empty_name(":griddedshortwave"),
    empty_name(":griddedatmpressure"),
    composed(":griddedsnow", "snowg\\", "_snw.r2c"),
    composed(":griddeddrain", "drain\\", "_drn.r2c"),
    composed(":griddeddsnow", "dsnow\\", "_dsn.r2c"),
    composed(":griddedrunoff", "runof\\", "_rff.r2c"),
    composed(":griddedrecharge", "rchrg\\", "_rch.r2c"),
    composed(":griddedleakage", "lkage\\", "_lkg.r2c"),
    comment("#"),
    constant(":noeventstofollow                 00"),
    comment("#"),
    constant("eof"),
}};

}  // namespace quarnell
