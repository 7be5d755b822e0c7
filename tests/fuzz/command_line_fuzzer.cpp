// Fuzzes the command-line parser with arbitrary zero-terminated texts; the
// sanitizers catch any read past the terminating zero.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so that reading one byte past the zero is caught.
  std::unique_ptr<char[]> text(new char[size + 1]);
  std::memcpy(text.get(), data, size);
  text[size] = '\0';

  const ScreensaverArgs args = parseCommandLine(text.get());
  if (args.mode != Preview && args.mode != Saver && args.mode != Configure && args.mode != Unset) {
    std::abort();
  }
  // No recognised switch, no handle.
  if (args.mode == Unset && args.hostWindow != 0) std::abort();
  return 0;
}
