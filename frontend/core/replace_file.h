// Writing a file so that a failure never destroys the file it replaces.
#pragma once

#include <string>
#include <string_view>

namespace fe {

// Writes `content` to a temporary file beside `path` and renames it over
// `path` only once it is complete and on disk. A file that exists keeps its
// permissions; a symbolic link is followed, so the file it names is replaced.
// On failure nothing at `path` changes, the temporary file is removed, and
// `error` names the file and the system's reason.
bool WriteFileReplacing(const std::string& path, std::string_view content, std::string* error);

}  // namespace fe
