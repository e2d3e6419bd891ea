// The game's data files for tests that start the whole program.
#pragma once

namespace kt {

// The program reads its pictures, sounds and music beside itself; a test program lives in another
// folder than the data generator's output. This makes IMAGE, SOUND, MIDI and the two ship-select
// pictures visible beside the test program through symbolic links into the build's program folder.
// Links that exist already are kept, so concurrent test processes may all call it.
void LinkGameData();

}  // namespace kt
