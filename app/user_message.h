// The one path for messages the user must see. The product shows message
// boxes without an owner window; native tests link a version that records
// the text instead.
#pragma once

// Caption "Debug", information icon: the saver's own failures.
void showDebugMessage(const char* text);

// Caption "Error", information icon: GLFW's error reports.
void showErrorMessage(const char* text);

// Shows a "Debug" message, terminates GLFW and ends the process with exit code 0.
[[noreturn]] void exitWithDebugMessage(const char* text);
