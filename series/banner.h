#pragma once

#include "text_io/records.h"

namespace quarnell {

enum class BannerKind { kOpening, kClosing };

// The framed box of eleven lines that opens and closes a run.
void put_banner(RecordSink& out, BannerKind kind);

}  // namespace quarnell
