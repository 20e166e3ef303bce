#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quarnell::testing {

// Names each case of a parameterized test after the `name` field of its parameter.
struct CaseName {
  template <typename Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

}  // namespace quarnell::testing
