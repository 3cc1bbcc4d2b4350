// The input file (*.in): one input record as comma-separated text lines whose
// layout follows the options stored at its start.
#pragma once

#include <string>

#include "input_record.h"

namespace fe {

// The messages the window shows when a file command fails.
inline constexpr const char* kErrorLoadingInputFile = "Error loading input file";
inline constexpr const char* kErrorSavingInputFile = "Error saving input file";

// The file's text for the record: the title in double quotes, then the option
// line and the sections the options make relevant, every line ended by CR LF.
// Fails (saying why in `error`) on a value the file could not give back: a
// number that is not finite, or a written count outside 0..32767.
bool InputFileText(const InputRecord& r, std::string* text, std::string* error);

// Saves the record at `path`, replacing any file there only once the new one
// is complete (a failed save leaves the old file as it was). On success
// INPATH becomes `path` and INFILE its file name; on failure the record is
// unchanged and `error` names the file and the reason.
bool SaveInputFile(InputRecord& r, const std::string& path, std::string* error);

// Loads the file at `path`. The sections are first reset with the units in
// force, then every field the file holds is read; files without the title
// line, and older files without the footing optimisation and the minimum toe
// width, are read as well. On success the record takes over the values read,
// INPATH becomes `path` and INFILE its file name. On any failure (a missing,
// unreadable, truncated or malformed file, a number too large to store, a
// count that cannot size its arrays) the record, file names included, is
// left exactly as it was and `error` names the file, the line and the reason.
bool LoadInputFile(InputRecord& r, const std::string& path, std::string* error);

}  // namespace fe
