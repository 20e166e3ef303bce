#pragma once

#include <functional>
#include <optional>

#include "text_io/ending.h"

namespace quarnell::testing {

// How the action ended the run, or nothing when it returned.
inline std::optional<RunEnded> ending_of(const std::function<void()>& action) {
  try {
    action();
  } catch (const RunEnded& ending) {
    return ending;
  }
  return std::nullopt;
}

}  // namespace quarnell::testing
