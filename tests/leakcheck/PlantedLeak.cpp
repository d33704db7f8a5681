// Leaks one allocation in a slot that the event loop runs, then quits: the leak's stack passes
// through QtCore, as every allocation made under the event loop does.
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

// Allocates and forgets; kept out of line so that its name stands in the leak's stack.
[[gnu::noinline]] void PlantLeakInSlot() {
  char* block = new char[48];
  std::memset(block, 'x', 48);
  std::printf("planted %c\n", block[47]);
  std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTimer::singleShot(0, &app, [&app] {
    PlantLeakInSlot();
    app.quit();
  });
  return app.exec();
}
