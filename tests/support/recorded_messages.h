// Test version of the user messages: each message is written to stderr as
// "<caption>: <text>" and recorded; exitWithDebugMessage then exits with 0,
// so death tests can check both the text and the exit code.
#pragma once

#include <string>
#include <vector>

struct RecordedMessage {
  std::string caption;
  std::string text;
};

std::vector<RecordedMessage>& recordedMessages();
