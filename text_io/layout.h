#pragma once

#include <string_view>
#include <vector>

namespace quarnell {

// One element of a fixed layout, as used for writing records and for reading them.
struct LayoutElement {
  enum class Kind { kLiteral, kText, kInteger, kDecimal, kSkip, kBreak };
  Kind kind;
  int width = 0;     // columns of a field, or of a skip
  int decimals = 0;  // of a decimal field
  std::string_view literal = {};

  bool takes_item() const {
    return kind == Kind::kText || kind == Kind::kInteger || kind == Kind::kDecimal;
  }
};

using Layout = std::vector<LayoutElement>;

inline LayoutElement literal(std::string_view text) {
  return {LayoutElement::Kind::kLiteral, 0, 0, text};
}
inline LayoutElement text_field(int width) { return {LayoutElement::Kind::kText, width}; }
inline LayoutElement integer_field(int width) { return {LayoutElement::Kind::kInteger, width}; }
inline LayoutElement decimal_field(int width, int decimals) {
  return {LayoutElement::Kind::kDecimal, width, decimals};
}
inline LayoutElement skip(int columns) { return {LayoutElement::Kind::kSkip, columns}; }
inline LayoutElement record_break() { return {LayoutElement::Kind::kBreak}; }

}  // namespace quarnell
