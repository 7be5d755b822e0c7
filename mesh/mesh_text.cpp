// Text functions shared by the OBJ and MTL readers.
#include "mesh/mesh_text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace wavefront {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t skipBlanks(const std::string& text, std::size_t from) {
  while (from < text.size() && isBlank(text[from])) ++from;
  return from;
}

std::size_t skipToken(const std::string& text, std::size_t from) {
  while (from < text.size() && !isBlank(text[from])) ++from;
  return from;
}

}  // namespace

std::string leadingToken(const std::string& text) {
  const std::size_t start = skipBlanks(text, 0);
  return text.substr(start, skipToken(text, start) - start);
}

std::string afterLeadingToken(const std::string& text) {
  const std::size_t tokenEnd = skipToken(text, skipBlanks(text, 0));
  const std::size_t start = skipBlanks(text, tokenEnd);
  if (start >= text.size()) return std::string();
  std::size_t end = text.size();
  while (end > start && isBlank(text[end - 1])) --end;
  return text.substr(start, end - start);
}

std::vector<std::string> splitOn(const std::string& text, const std::string& delimiter) {
  std::vector<std::string> pieces;
  if (delimiter.empty()) {
    if (!text.empty()) pieces.push_back(text);
    return pieces;
  }
  const std::size_t length = delimiter.size();
  std::string piece;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, length, delimiter) == 0) {
      if (!piece.empty()) {
        pieces.push_back(piece);
        piece.clear();
        i += length - 1;
      } else {
        pieces.push_back(std::string());
      }
    } else if (i + length >= text.size()) {
      piece += text.substr(i, length);
      pieces.push_back(piece);
      break;
    } else {
      piece += text[i];
    }
  }
  return pieces;
}

std::string trimLineBreaks(const std::string& text) {
  const std::size_t last = text.find_last_not_of("\r\n");
  if (last == std::string::npos) return text;
  return text.substr(0, last + 1);
}

bool readFloat(const std::string& text, float& value) {
  const char* start = text.c_str();
  char* end = nullptr;
  errno = 0;
  const float parsed = std::strtof(start, &end);
  if (end == start) return false;
  // Overflow is out of range; underflow keeps the nearest float (possibly 0).
  if (errno == ERANGE && std::isinf(parsed)) return false;
  value = parsed;
  return true;
}

bool readInteger(const std::string& text, std::int32_t& value) {
  const char* start = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long long parsed = std::strtoll(start, &end, 10);
  if (end == start) return false;
  if (errno == ERANGE || parsed < INT32_MIN || parsed > INT32_MAX) return false;
  value = static_cast<std::int32_t>(parsed);
  return true;
}

}  // namespace wavefront
