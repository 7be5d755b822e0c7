// Reading text resources: up to the end marker into a fixed buffer, or whole.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "render/text_resource.h"
#include "tests/support/memory_resources.h"

namespace {

constexpr std::uint16_t textId = 500;
constexpr char untouched = 'x';

struct MarkerCase {
  const char* what;
  std::string text;
  std::size_t capacity;
  std::string copied;
  bool markerFound;
};

TEST(TextResource, CopyToMarker) {
  const MarkerCase cases[] = {
      {"stops before the marker", "void main() {}\r\n//~\r\n", 64, "void main() {}\r\n//", true},
      {"nothing after the first marker", "a~b~c", 64, "a", true},
      {"marker first", "~rest", 64, "", true},
      {"zero bytes before the marker are copied", std::string("a\0b~", 4), 64,
       std::string("a\0b", 3), true},
      {"no marker: stops at the end", "no marker here", 64, "no marker here", false},
      {"marker beyond the capacity", "0123456789~", 4, "0123", false},
      {"marker right after a full buffer", "0123~", 4, "0123", true},
      {"empty resource", "", 64, "", false},
  };
  for (const MarkerCase& c : cases) {
    setTextResource(textId, c.text);
    std::vector<char> buffer(c.capacity + TextResource::terminatorSize + 8, untouched);
    EXPECT_EQ(TextResource::copyToMarker(textId, buffer.data(), c.capacity), c.markerFound)
        << c.what;
    const std::size_t n = c.copied.size();
    EXPECT_EQ(std::string(buffer.data(), n), c.copied) << c.what;
    EXPECT_EQ(std::string(buffer.data() + n, 4), std::string(4, '\0')) << c.what;
    EXPECT_EQ(buffer[n + 4], untouched) << c.what << ": wrote past the four zero bytes";
  }
}

TEST(TextResource, CopyOfMissingResourceIsEmptyAndReported) {
  removeTextResource(textId);
  std::vector<char> buffer(16, untouched);
  EXPECT_FALSE(TextResource::copyToMarker(textId, buffer.data(), 12));
  EXPECT_EQ(std::string(buffer.data(), 4), std::string(4, '\0'));
  EXPECT_EQ(buffer[4], untouched);
}

TEST(TextResource, ReadAllKeepsEveryByte) {
  const std::string text("v 1 2 3\r\n\0~# tail\r\n", 19);
  setTextResource(textId, text);
  EXPECT_EQ(TextResource::readAll(textId), text);
  setTextResource(textId, "");
  EXPECT_EQ(TextResource::readAll(textId), "");
  removeTextResource(textId);
  EXPECT_EQ(TextResource::readAll(textId), "");
}

}  // namespace
