// The entry of the tests that start the program: GoogleTest inside the program's own
// application object, on the offscreen platform unless another one is asked for.
#include "app/MorvikApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TMorvikApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
