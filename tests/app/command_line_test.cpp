// parseCommandLine: the switches Windows passes to a screensaver, and text
// that ends early. Each command line is copied into a buffer of exactly its
// own size, so AddressSanitizer catches any read past the terminating NUL.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "app/command_line.h"

namespace {

struct Case {
  const char* commandLine;
  ScreensaverMode mode;
  std::int32_t hostWindow;
};

ScreensaverArgs parseExactCopy(const char* text) {
  const std::size_t size = std::strlen(text) + 1;
  std::unique_ptr<char[]> exact(new char[size]);
  std::memcpy(exact.get(), text, size);
  return parseCommandLine(exact.get());
}

class ParseCommandLine : public testing::TestWithParam<Case> {};

TEST_P(ParseCommandLine, GivesModeAndHostWindow) {
  const Case& c = GetParam();
  const ScreensaverArgs args = parseExactCopy(c.commandLine);
  EXPECT_EQ(args.mode, c.mode) << "command line: [" << c.commandLine << "]";
  EXPECT_EQ(args.hostWindow, c.hostWindow) << "command line: [" << c.commandLine << "]";
}

const Case cases[] = {
    {"", Unset, 0},
    {"/s", Saver, 0},
    {"/c", Configure, 0},
    {"/c:1234", Configure, 1234},
    {"/p 1234", Preview, 1234},
    {"/p1234", Preview, 234},          // the number always starts 3 characters after the slash
    {"/p  42", Preview, 42},           // leading white space is skipped
    {"/p -7", Preview, -7},            // an optional sign
    {"/p 12ab", Preview, 12},          // digits up to the first non-digit
    {"/p x", Preview, 0},              // no digits
    {"/S", Unset, 0},                  // only lower-case letters count
    {"/P 1234", Unset, 0},
    {"/C", Unset, 0},
    {"-s", Unset, 0},
    {"/x 55", Unset, 0},               // no switch recognised yet: nothing is read
    {"/s /p 99", Preview, 99},         // the last switch decides
    {"/p 99 /s", Saver, 0},
    {"/p 99 /x", Preview, 0},          // re-read at every later slash
    {"/p 99 /", Preview, 0},           // a last slash reads no digits
    {"/p 99 /S 5", Preview, 5},
    {"/", Unset, 0},                   // the text ends right after a slash
    {"/p", Preview, 0},                // ... right after the letter
    {"/p ", Preview, 0},               // ... right after the separator
    {"x/c", Configure, 0},             // a slash inside a word counts too
    {"/p 4294967295", Preview, -1},    // a handle printed unsigned keeps its 32 bits
    {"/p 99999999999999999999", Preview, -1},  // saturates instead of overflowing
};

INSTANTIATE_TEST_SUITE_P(Table, ParseCommandLine, testing::ValuesIn(cases));

TEST(ParseCommandLineNull, NullTextIsUnset) {
  const ScreensaverArgs args = parseCommandLine(nullptr);
  EXPECT_EQ(args.mode, Unset);
  EXPECT_EQ(args.hostWindow, 0);
}

}  // namespace
