// The one reset of all show state, for the tests, the fuzz targets and the
// benchmarks: every module of the show back as a new process has it.
#pragma once

// Releases the stored pictures (emptying the actor table) and the frame
// buffer, then empties every module's state struct, the fake host's and the
// fake profile's included.
void ResetShowState();
