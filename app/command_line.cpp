// Parsing of the screensaver switches; platform-free so it is tested natively.
#include "app/command_line.h"

#include <cstdlib>
#include <cstring>

ScreensaverArgs* screensaverArgs = nullptr;

namespace {

ScreensaverMode modeForLetter(char letter, ScreensaverMode current) {
  switch (letter) {
    case 'p': return Preview;
    case 's': return Saver;
    case 'c': return Configure;
    default: return current;
  }
}

// Reads a decimal number: leading white space, an optional sign, digits up to
// the first non-digit. strtoll saturates instead of overflowing, and is
// 64-bit on every platform, so the result is the same natively and on Windows.
std::int32_t readDecimal(const char* text) {
  long long value = std::strtoll(text, nullptr, 10);
  // Window handles carry 32 significant bits (Windows sign-extends them), so
  // the low 32 bits are the handle whether it was printed signed or unsigned.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<unsigned long long>(value)));
}

}  // namespace

ScreensaverArgs parseCommandLine(const char* commandLine) {
  ScreensaverArgs args;
  if (commandLine == nullptr) return args;

  ScreensaverMode mode = Unset;
  const std::size_t length = std::strlen(commandLine);
  for (std::size_t i = 0; i < length; ++i) {
    if (commandLine[i] != '/') continue;
    // The slash may be the last character: its "next" is the terminating NUL.
    mode = modeForLetter(commandLine[i + 1], mode);
    if (mode == Unset) continue;
    // The number starts three characters after the slash: "/p 1234", "/c:1234".
    args.hostWindow = (i + 3 <= length) ? readDecimal(commandLine + i + 3) : 0;
  }
  args.mode = mode;
  return args;
}
