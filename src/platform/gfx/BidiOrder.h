#pragma once

// The order in which the characters of one line of text are drawn, left
// to right. The classic text functions apply the Unicode bidirectional
// algorithm to a left-to-right paragraph, so that a Hebrew or Arabic name
// reads from right to left inside left-to-right text, numbers and Latin
// words inside it keep their own direction, and brackets in right-to-left
// runs are drawn mirrored.

#include <cstddef>
#include <string>
#include <vector>

namespace gfx {

struct VisualLine {
  // For each position from the left, the index of the character drawn
  // there in the logical text.
  std::vector<std::size_t> order;
  // The characters in that order, mirrored where they stand in a
  // right-to-left run.
  std::u32string chars;
};

// Whether the text holds a character written from right to left; text
// that does not is drawn in its logical order.
bool HasRightToLeft(const std::u32string& text);

// The visual order of a line that HasRightToLeft; the logical order when
// the algorithm cannot run.
VisualLine VisualOrder(const std::u32string& text);

}  // namespace gfx
