// Choosing the report file.
#include "file_names.h"

#include <gtest/gtest.h>

#include "record_fields.h"

namespace fe {
namespace {

TEST(FileTitle, IsTheNameWithoutItsFolder) {
  EXPECT_EQ(FileTitle("/home/eng/walls/w1.in"), "w1.in");
  EXPECT_EQ(FileTitle("w1.in"), "w1.in");
  EXPECT_EQ(FileTitle("walls/"), "");
}

TEST(SetOutputFile, StoresThePathAndTheFileName) {
  InputRecord r;
  std::string error;
  ASSERT_TRUE(SetOutputFile(r, "/home/eng/walls/w1.out", &error));
  EXPECT_EQ(r.OUTPATH.trimmedRight(), "/home/eng/walls/w1.out");
  EXPECT_EQ(r.OUTFILE.trimmedRight(), "w1.out");
}

// The engine takes the path in a 132-character field: a longer path would be
// cut and the report written under another name.
TEST(SetOutputFile, RefusesAPathTheEngineWouldNotWriteAsGiven) {
  const std::string folder = "/" + std::string(120, 'f') + "/";
  InputRecord r;
  std::string error;
  ASSERT_TRUE(SetOutputFile(r, folder + "abcdefghij", &error));  // exactly 132
  EXPECT_EQ(r.OUTPATH.str(), folder + "abcdefghij");
  const InputRecord before = r;
  EXPECT_FALSE(SetOutputFile(r, folder + "abcdefghijk", &error));
  EXPECT_EQ(error, "The output file path is 133 characters long; the analysis accepts at most 132. "
                   "Choose a shorter path:\n" + folder + "abcdefghijk");
  EXPECT_FALSE(SetOutputFile(r, "/tmp/w1.out ", &error));
  EXPECT_EQ(error, "The output file path must not end in a blank:\n/tmp/w1.out ");
  EXPECT_FALSE(SetOutputFile(r, "", &error));
  EXPECT_EQ(error, "No output file name was given.");
  EXPECT_FALSE(SetOutputFile(r, "/tmp/", &error));
  EXPECT_EQ(r, before);
}

}  // namespace
}  // namespace fe
