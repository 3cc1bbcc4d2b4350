// Keldor --screenshots DIR: renders every tab of the main window, in the
// states that enable its frames, and every other window of the program to
// PNG files, without a display.
#pragma once

#include <QString>

namespace gui {

// Writes the PNG files into `folder` (created when missing) and lists them on
// standard output. Returns the program's exit status.
int WriteScreenshots(const QString& folder);

}  // namespace gui
