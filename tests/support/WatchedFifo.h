// A named pipe given to a reader as if it were a file, watched so that a reader that opens it
// can never hang the test: while the watch runs it opens the pipe's writing end whenever a
// reader holds the other, which lets that reader go on to the end of the pipe, and notes that
// a reader had it open.
#pragma once

#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace test_support {

class TWatchedFifo {
public:
  explicit TWatchedFifo(const QString& Path) : FPath(QFile::encodeName(Path)) {
    FMade = ::mkfifo(FPath.constData(), 0600) == 0;
    FWatch = std::thread([this] { Watch(); });
  }
  ~TWatchedFifo() {
    FStop = true;
    FWatch.join();
  }
  TWatchedFifo(const TWatchedFifo&) = delete;
  TWatchedFifo& operator=(const TWatchedFifo&) = delete;

  bool Made() const { return FMade; }
  // A reader opened the pipe.
  bool Opened() const { return FOpened; }

private:
  void Watch() {
    while (!FStop) {
      // Opening the writing end without waiting works only while a reader has the pipe open.
      const int handle = ::open(FPath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (handle >= 0) {
        FOpened = true;
        ::close(handle);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  QByteArray FPath;
  bool FMade = false;
  std::atomic<bool> FStop{false};
  std::atomic<bool> FOpened{false};
  std::thread FWatch;
};

} // namespace test_support
