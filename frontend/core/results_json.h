// The results of a run as a JSON document (described in docs/results-json.md):
// every quantity with the name of its unit, every check with its verdict and
// report line, every message, and the summary line. Read back, a document
// gives the same results.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "run_results.h"

namespace fe {

inline constexpr int kResultsFormatVersion = 1;

// The document of `r`; `report` is the report's path (left out when empty).
nlohmann::ordered_json ResultsJson(const RunResults& r, const std::string& report);
// The document as text: two-space indents, ending in a newline.
std::string ResultsJsonText(const RunResults& r, const std::string& report);

// Reads a document back. Returns false (and says why in `error`) for a text
// that is not such a document; `r` is then unchanged.
bool ReadResultsJson(const std::string& text, RunResults* r, std::string* error);

// Writes the document at `path`, replacing any file there only once complete.
// On failure nothing at `path` changes and `error` names the file and the
// system's reason.
bool WriteResultsJson(const std::string& path, const RunResults& r, const std::string& report,
                      std::string* error);

}  // namespace fe
