// The record's file names: the name of a file without its folder, and the
// choice of the report file.
#pragma once

#include <string>

#include "input_record.h"

namespace fe {

// The file's name without its folder ("walls/w1.in" gives "w1.in").
std::string FileTitle(const std::string& path);

// The folder of a file: "." for a bare name, "/" for a file in the root.
std::string FolderOf(const std::string& path);

// Chooses the report file: OUTPATH takes the path, OUTFILE its file name.
// Refuses, leaving the record as it was and saying why in `error`, a path that
// the engine would not write as given: an empty one, one longer than the
// engine's 132-character field (it would be cut, and the report written
// somewhere else), or one ending in a blank (the engine drops trailing
// blanks).
bool SetOutputFile(InputRecord& r, const std::string& path, std::string* error);

// The path with `extension` (".in", ".out") added when its file name has
// none ("walls/w1" gives "walls/w1.in"; "w1.txt" and ".hidden" stay).
std::string WithExtension(const std::string& path, const char* extension);

// The report beside an input file: its name with the extension ".out" in the
// input's folder ("walls/w1.in" gives "walls/w1.out").
std::string ReportBeside(const std::string& input);

// After the input file changed from `previous`: when the record's report was
// chosen for that other input, the report becomes the one beside the new
// input. Returns whether it did. A record with no report yet, or none before
// the first input, keeps what it has.
bool ProposeReport(InputRecord& r, const std::string& previous);

}  // namespace fe
