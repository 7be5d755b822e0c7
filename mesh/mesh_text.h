// Text functions of the OBJ and MTL readers: tokens, splitting, list lookups
// by OBJ index, and number conversions that report a malformed value instead
// of throwing. A blank is a space or a tab.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace wavefront {

// The first blank-delimited token; empty for an empty or all-blank text.
std::string leadingToken(const std::string& text);

// The rest after the first token, without leading and trailing blanks.
// Carriage returns are not blanks and stay.
std::string afterLeadingToken(const std::string& text);

// The pieces between occurrences of delimiter. A delimiter at the start or
// two in a row give an empty piece; one at the end gives no empty last piece.
std::vector<std::string> splitOn(const std::string& text, const std::string& delimiter);

// Cuts trailing carriage returns and line feeds, unless the text has nothing else.
std::string trimLineBreaks(const std::string& text);

// Longest leading float of text (leading white space skipped). False when no
// number starts there or the value is beyond float's range; a value too small
// for float reads as its nearest float.
bool readFloat(const std::string& text, float& value);

// Longest leading base-10 integer of text (leading white space skipped).
// False when no digits start there or the value does not fit 32 bits.
bool readInteger(const std::string& text, std::int32_t& value);

// The element an OBJ index text selects: n >= 1 is element n - 1, a negative n
// counts from the end (-1 is the last). False for 0, an index outside the
// list or a malformed number.
template <typename T>
bool objListElement(const std::vector<T>& list, const std::string& indexText, T& element) {
  std::int32_t index = 0;
  if (!readInteger(indexText, index) || index == 0) return false;
  const std::int64_t size = static_cast<std::int64_t>(list.size());
  const std::int64_t position = index > 0 ? std::int64_t{index} - 1 : size + index;
  if (position < 0 || position >= size) return false;
  element = list[static_cast<std::size_t>(position)];
  return true;
}

}  // namespace wavefront
