// The first part of every report: title, banner, run line and the echo of all
// inputs, ending with the banner that opens the output data.
#pragma once

namespace keldor {

void InputEcho();

}  // namespace keldor
