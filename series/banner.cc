#include "series/banner.h"

#include "text_io/free_line.h"

namespace quarnell {

void put_banner(RecordSink& out, BannerKind kind) {
  constexpr std::string_view kEdge = "********************************************************";
  constexpr std::string_view kSide = "*                                                      *";
  const std::string_view program = kind == BannerKind::kOpening
                                       ? "*         Program quarnell    Jun. 23 2015             *"
                                       : "*         Program quarnell   Jun. 23, 2015             *";
  for (const std::string_view line :
       {kEdge, kSide, std::string_view("*                  KESTRAVO (TM)                       *"),
        kSide, program, kSide,
        std::string_view("*                   Version 9.9a                       *"), kSide,
        std::string_view("*       Event series for hydrological model runs       *"), kSide,
        kEdge}) {
    put_free_line(out, {line});
  }
}

}  // namespace quarnell
