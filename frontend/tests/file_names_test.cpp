// Choosing the report file.
#include "file_names.h"

#include <gtest/gtest.h>

#include "record_fields.h"

namespace fe {
namespace {

// The engine takes the path in a 132-character field: a longer path would be
// cut and the report written under another name; a trailing blank would be
// dropped.
TEST(SetOutputFile, StoresOnlyAPathTheEngineWritesAsGiven) {
  const std::string folder = "/" + std::string(120, 'f') + "/";
  InputRecord r;
  std::string error;
  ASSERT_TRUE(SetOutputFile(r, folder + "abcdefghij", &error));  // exactly 132
  EXPECT_EQ(r.OUTPATH.str(), folder + "abcdefghij");
  EXPECT_EQ(r.OUTFILE.trimmedRight(), "abcdefghij");
  const InputRecord before = r;
  const std::pair<std::string, std::string> refused[] = {
      {folder + "abcdefghijk", "The output file path is 133 characters long; the analysis accepts "
                               "at most 132. Choose a shorter path:\n" + folder + "abcdefghijk"},
      {"/tmp/w1.out ", "The output file path must not end in a blank:\n/tmp/w1.out "},
      {"", "No output file name was given."},
      {"/tmp/", "No output file name was given."}};
  for (const auto& [path, why] : refused) {
    EXPECT_FALSE(SetOutputFile(r, path, &error));
    EXPECT_EQ(error, why);
  }
  EXPECT_EQ(r, before);
}

}  // namespace
}  // namespace fe
