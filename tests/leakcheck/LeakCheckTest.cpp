// The suppressions of tests/lsan.supp name allocations of system libraries only: a leak of our
// own, made in a slot under the event loop, is still reported.
#include "tests/support/FirebirdRunner.h"

#include <gtest/gtest.h>

#include <string>

TEST(LeakCheck, ALeakPlantedInASlotIsReported) {
  const SchemaTest::ProcessResult run = SchemaTest::RunProcess(
      {PLANTED_LEAK_PATH},
      {"ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0",
       std::string("LSAN_OPTIONS=suppressions=") + LSAN_SUPPRESSIONS, "QT_QPA_PLATFORM=offscreen"});
  EXPECT_NE(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("planted x"), std::string::npos) << run.output; // the slot ran
  EXPECT_NE(run.output.find("LeakSanitizer: detected memory leaks"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("PlantLeakInSlot"), std::string::npos) << run.output;
}
