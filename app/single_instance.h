// The marker that lets only one preview or switch-less saver run at a time.
#pragma once

// True when this process may go on; false when another process already holds
// the marker. The first process keeps the marker until it ends.
bool isFirstInstance();
