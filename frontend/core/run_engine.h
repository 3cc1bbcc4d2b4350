// Hands the record to the engine and runs it.
#pragma once

#include <string>

#include "engine_library.h"
#include "input_record.h"
#include "keldor_version.h"

namespace fe {

// The program's version: major, minor and revision, from the project's version
// (1.4.2, as the package names it). The program itself shows it as the report
// does, major "." minor revision: 1.42.
inline constexpr int kVersionMajor = KELDOR_VERSION_MAJOR;
inline constexpr int kVersionMinor = KELDOR_VERSION_MINOR;
inline constexpr int kVersionRevision = KELDOR_VERSION_PATCH;

// The version text the engine prints: major "." minor revision, read back as a
// number and written with a blank for its sign (1, 4, 2 gives " 1.42").
std::string VersionText(int major, int minor, int revision);

// Passes every value of the record to `engine` in the engine's calling order,
// then runs the analysis. Fills VERSION from the program's version first.
void RunEngine(const EngineLibrary& engine, InputRecord& record);

}  // namespace fe
