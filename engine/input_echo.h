// The first part of every report: title, banner, run line and the echo of all
// inputs, ending with the banner that opens the output data.
#pragma once

namespace keldor {

// Writes the report's title, banner, run line and the echo of every input the
// set operations left, then the banner of the output data. Reads the run
// strings StartRun stored; changes nothing in the model.
void InputEcho();

}  // namespace keldor
