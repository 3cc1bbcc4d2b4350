// The verification manual's test: runs every case and checks the tables of
// docs/verification.md, or with --update writes them there.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "document.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  bool update = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--update") {
      update = true;
    } else {
      std::fprintf(stderr, "usage: verification_test [--update] [gtest options]\n");
      return 2;
    }
  }
  verification::OpenDocument(KELDOR_VERIFICATION_DOC, update);
  const int status = RUN_ALL_TESTS();
  if (!verification::FinishDocument()) {
    std::fprintf(stderr, "cannot write %s\n", KELDOR_VERIFICATION_DOC);
    return 1;
  }
  return status;
}
