// Checks around a run: whether the engine can write its files, and whether it
// did write the report.
#pragma once

#include <ctime>
#include <string>

namespace fe {

// The side file the engine writes into the current directory at every run.
inline constexpr const char* kSideFileName = "KELDOR.DAT";

// Whether a file can be created or replaced at `path`; `why` says otherwise
// (the path is a folder, the file or its folder is not writable, the folder
// does not exist).
bool CanWriteFile(const std::string& path, std::string* why);

// Whether the two paths name the same file (the same path when either does
// not exist).
bool SameFile(const std::string& a, const std::string& b);

// The moment a run starts, on the clock that file times come from.
timespec RunStart();

// Whether the file at `path` was (re)written since `start`: its status change
// time, which no program can set back, is not older than the start, and it is
// not empty.
bool WrittenSince(const std::string& path, const timespec& start);

}  // namespace fe
