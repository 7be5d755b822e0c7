// user_message.h for tests: stderr and a record instead of message boxes.
#include "tests/support/recorded_messages.h"

#include <cstdio>
#include <cstdlib>

#include "app/user_message.h"

namespace {

void record(const char* caption, const char* text) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  std::fflush(stderr);
  recordedMessages().push_back({caption, text});
}

}  // namespace

std::vector<RecordedMessage>& recordedMessages() {
  static std::vector<RecordedMessage> messages;
  return messages;
}

void showDebugMessage(const char* text) { record("Debug", text); }

void showErrorMessage(const char* text) { record("Error", text); }

void exitWithDebugMessage(const char* text) {
  record("Debug", text);
  std::exit(0);
}
