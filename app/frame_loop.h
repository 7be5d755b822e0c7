// The saver's frame loop: draw, swap, poll, until the user or the host ends it.
#pragma once

void runFrameLoop();

// True when the loop must end after this pass; read after the events of the
// pass have been polled.
bool frameLoopShouldStop();
