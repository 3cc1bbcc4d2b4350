// The results document: it parses, names the unit of every quantity in the
// run's unit system, reads back to the same results, and its summary line
// and outcome say the verdict of each kind of run.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "library_run.h"
#include "results_json.h"

namespace fe {
namespace {

using json = nlohmann::ordered_json;
const std::string kGolden = std::string(KELDOR_SOURCE_DIR) + "/tests/golden/";

// The results of a golden input run through the library.
RunResults RunGolden(const std::string& name) {
  keldor_test::TempFolder run;
  keldor_test::RunInput(kGolden + name + ".in", run);
  return ReadRunResults(keldor_test::Library());
}

// Every object with a "value" names its "unit"; returns how many it found.
int CountQuantities(const json& j, const std::string& where) {
  int n = 0;
  if (j.is_object()) {
    if (j.contains("value")) {
      EXPECT_TRUE(j.contains("unit") && j["unit"].is_string() && !j["unit"].get<std::string>().empty())
          << where << ": " << j.dump();
      EXPECT_TRUE(j["value"].is_number() || j["value"].is_null()) << where;
      return 1;
    }
    for (auto it = j.begin(); it != j.end(); ++it) n += CountQuantities(it.value(), where + "." + it.key());
  } else if (j.is_array()) {
    for (std::size_t k = 0; k < j.size(); ++k) n += CountQuantities(j[k], where + "[" + std::to_string(k) + "]");
  }
  return n;
}

// Each kind of outcome, in both unit systems (the summary line of each is
// keldor-run's to say).
TEST(ResultsDocument, NamesUnitsAndReadsBackTheSame) {
  const struct {
    const char* name;
    const char* outcome;
    const char* length;  // the unit of length named
  } cases[] = {{"design-spread-english", "fail", "in"},
               {"design-not-converged-english", "not converged", "in"},
               {"design-pile-si", "pass", "mm"},
               {"design-pile-stop-english", "stopped", "in"},
               {"review-irregular-pile-english", "fail", "in"},
               {"review-irregular-si", "fail", "mm"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RunResults r = RunGolden(c.name);
    const std::string text = ResultsJsonText(r, "/tmp/r.out");
    const json doc = json::parse(text);
    EXPECT_EQ(doc["format"], "keldor-results");
    EXPECT_EQ(doc["version"], 1);
    EXPECT_EQ(doc["outcome"], c.outcome);
    EXPECT_EQ(doc["units"]["length"], c.length);
    EXPECT_EQ(doc["summary"], SummaryLine(r));
    EXPECT_EQ(doc["checks"].size(), r.checks.size());
    EXPECT_EQ(doc["checks_ng"], r.failures());
    EXPECT_GT(CountQuantities(doc, "$"), 0);
    // Every check's demand and limit are in the unit of what it checks.
    for (const json& check : doc["checks"]) {
      const std::string kind = check["check"];
      const std::string unit = check["demand"]["unit"];
      EXPECT_EQ(unit, check["limit"]["unit"]);
      if (kind == "sliding" || kind == "overturning") {
        EXPECT_EQ(unit, "1");
      }
      if (kind == "shear") {
        EXPECT_EQ(unit, std::string(UnitName(r.units, Quantity::ForcePerLength)));
      }
      if (kind == "moment") {
        EXPECT_EQ(unit, std::string(UnitName(r.units, Quantity::MomentPerLength)));
      }
    }

    RunResults back;
    std::string error;
    ASSERT_TRUE(ReadResultsJson(text, &back, &error)) << error;
    EXPECT_EQ(ResultsJsonText(back, "/tmp/r.out"), text);
  }
}

// Floats are written as their shortest decimal text, non-finite ones as null.
TEST(ResultsDocument, NumbersAreShortestAndNeverNonFinite) {
  RunResults r;
  r.status = KELDOR_COMPLETE;
  r.mode = KELDOR_REVIEW;
  r.units = KELDOR_SI;
  r.checks.push_back({12, KELDOR_AT_PILES, 2, KELDOR_WIND_SET, KELDOR_CHECK_PILE_TENSION, 0.1f,
                      0.0f, INFINITY, false});
  const json doc = ResultsJson(r, "");
  const json& c = doc["checks"][0];
  EXPECT_EQ(c["demand"]["value"].dump(), "0.1");
  EXPECT_EQ(c["demand"]["unit"], "N");
  EXPECT_TRUE(c["ratio"].is_null());
  EXPECT_EQ(c["verdict"], "NG");
  EXPECT_EQ(c["load_set"], "wind");
  EXPECT_EQ(doc["outcome"], "fail");
  EXPECT_FALSE(doc.contains("report"));
  // A failure without a ratio governs over any ratio.
  r.checks.push_back({13, KELDOR_AT_PILES, 2, KELDOR_WIND_SET, KELDOR_CHECK_PILE_LATERAL, 5.0f,
                      1.0f, 5.0f, false});
  EXPECT_EQ(r.governing(), &r.checks[0]);
  EXPECT_EQ(fe::SummaryLine(r),
            "Review finished: 2 of 2 checks NG; governing: pile tension at piles, load "
            "combination 2, no ratio");
}

TEST(ResultsDocument, ReadingRefusesWhatIsNoResultsDocument) {
  RunResults r;
  r.status = KELDOR_COMPLETE;
  std::string error;
  for (const char* text : {"", "[]", "{\"format\": \"other\"}", "{\"format\": \"keldor-results\", \"version\": 9}",
                           "{\"format\": \"keldor-results\", \"version\": 1, \"outcome\": \"pass\"}"}) {
    EXPECT_FALSE(ReadResultsJson(text, &r, &error)) << text;
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(r.status, KELDOR_COMPLETE) << "left unchanged";
  }
}

TEST(ResultsDocument, AFailedWriteLeavesTheFileThere) {
  keldor_test::TempFolder dir;
  RunResults r;
  std::string error;
  EXPECT_FALSE(WriteResultsJson(dir / "missing/r.json", r, "", &error));
  EXPECT_EQ(error.rfind("Cannot write the results " + (dir / "missing/r.json") + ": ", 0), 0u) << error;
  ASSERT_TRUE(WriteResultsJson(dir / "r.json", r, "", &error)) << error;
  EXPECT_EQ(json::parse(keldor_test::ReadFile(dir / "r.json"))["outcome"], "no results");
}

}  // namespace
}  // namespace fe
