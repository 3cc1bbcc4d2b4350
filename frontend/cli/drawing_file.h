// keldor-run's drawing files: the wall drawn as SVG or PNG without a window.
#pragma once

#include <string>

#include "input_record.h"
#include "wall_drawing.h"

namespace cli {

// Whether this keldor-run was built with the drawing (it needs Qt's Gui and
// SVG libraries).
bool CanDraw();

// Writes the drawing of `record` just run, with the results of the run the
// analysis library holds, to `path`, SVG or PNG by its suffix, `width` by
// `height` pixels; false with `error` naming the file and the reason.
// Without a display, Qt's offscreen platform is used.
bool WriteDrawingFile(const fe::InputRecord& record, const std::string& path, int width,
                      int height, std::string* error);

}  // namespace cli
