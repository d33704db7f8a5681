// Entry of the tests that mount file systems of their own (FullDisk.h): the program first
// starts itself again in a private mount namespace, where its mounts are its own and go with
// it. As root that is a mount namespace alone; otherwise a user namespace in which the user is
// root as well. Then GoogleTest runs inside a QApplication, as in QtTestMain.cpp.
#include "ui/Application.h"

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* InsideVariable = "MORVIK_PRIVATE_MOUNTS";

// Returns only when the program could not be started again.
void StartInPrivateMounts(int argc, char** argv) {
  std::string self(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (length <= 0) return;
  self.resize(static_cast<size_t>(length));
  std::vector<char*> args;
  args.push_back(const_cast<char*>("unshare"));
  if (::geteuid() != 0) {
    args.push_back(const_cast<char*>("--user"));
    args.push_back(const_cast<char*>("--map-root-user"));
  }
  args.push_back(const_cast<char*>("--mount"));
  args.push_back(const_cast<char*>("--"));
  args.push_back(self.data());
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  args.push_back(nullptr);
  ::setenv(InsideVariable, "1", 1);
  ::execvp("unshare", args.data());
  std::fprintf(stderr, "cannot start unshare: %s\n", std::strerror(errno));
}

} // namespace

int main(int argc, char** argv) {
  if (!std::getenv(InsideVariable)) {
    StartInPrivateMounts(argc, argv);
    return 1;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::SetUpApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
