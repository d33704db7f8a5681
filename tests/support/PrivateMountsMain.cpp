// Entry of the tests that mount file systems of their own (FullDisk.h): the program first
// starts itself again in a private mount namespace, where its mounts are its own and go with
// it. As root that is a mount namespace alone where the system allows it; otherwise a user
// namespace in which the user is root as well. Then GoogleTest runs inside a QApplication, as
// in QtTestMain.cpp.
#include "ui/Application.h"

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* InsideVariable = "MORVIK_PRIVATE_MOUNTS";

using TFlags = std::vector<const char*>;

// Runs unshare with Flags, then Command with the arguments after argv[0]; returns only when
// unshare could not be started.
void Exec(const TFlags& Flags, const char* Command, int argc, char** argv) {
  std::vector<char*> args;
  args.push_back(const_cast<char*>("unshare"));
  for (const char* flag : Flags) args.push_back(const_cast<char*>(flag));
  args.push_back(const_cast<char*>("--"));
  args.push_back(const_cast<char*>(Command));
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  args.push_back(nullptr);
  ::execvp("unshare", args.data());
}

// Whether unshare with Flags works here: a container may allow one way and not the other.
bool Works(const TFlags& Flags) {
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    if (null >= 0) ::dup2(null, STDERR_FILENO);
    char* none[] = {nullptr};
    Exec(Flags, "true", 0, none);
    ::_exit(127);
  }
  int status = 0;
  return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Returns only when the program could not be started again.
void StartInPrivateMounts(int argc, char** argv) {
  std::string self(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (length <= 0) return;
  self.resize(static_cast<size_t>(length));
  const TFlags asUser{"--user", "--map-root-user", "--mount"};
  const TFlags asRoot{"--mount"};
  const TFlags& flags = ::geteuid() == 0 && Works(asRoot) ? asRoot : asUser;
  ::setenv(InsideVariable, "1", 1);
  Exec(flags, self.c_str(), argc, argv);
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
