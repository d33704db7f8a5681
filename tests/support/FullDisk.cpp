#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace test_support {

namespace {

constexpr qint64 PageSize = 4096;

} // namespace

TFullDisk::TFullDisk(qint64 Size) {
  if (!FDir.isValid()) {
    ADD_FAILURE() << "no temporary folder for the tmpfs";
    return;
  }
  const QByteArray target = QFile::encodeName(FDir.path());
  const QByteArray options = "size=" + QByteArray::number(Size) + ",mode=0700";
  if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) != 0) {
    ADD_FAILURE() << "cannot mount a tmpfs on " << target.constData() << ": " << std::strerror(errno)
                  << " (the test program enters a private mount namespace first)";
    return;
  }
  FMounted = true;
}

TFullDisk::~TFullDisk() {
  if (FMounted) ::umount2(QFile::encodeName(FDir.path()).constData(), MNT_DETACH);
}

void TFullDisk::Fill(qint64 Free) {
  ASSERT_TRUE(FMounted);
  const int handle = ::open(QFile::encodeName(FillerPath()).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  ASSERT_GE(handle, 0) << std::strerror(errno);
  char block[PageSize] = {};
  ssize_t written = 0;
  do {
    written = ::write(handle, block, sizeof block);
  } while (written > 0);
  const int error = errno;
  // The last pages go back, so that exactly Free bytes are left.
  const qint64 pages = (Free + PageSize - 1) / PageSize;
  struct stat status {};
  ::fstat(handle, &status);
  const int truncated = ::ftruncate(handle, status.st_size - pages * PageSize);
  ::close(handle);
  ASSERT_EQ(error, ENOSPC);
  ASSERT_EQ(truncated, 0);
  ASSERT_EQ(FreeBytes(), pages * PageSize);
}

QStringList TFullDisk::Files() const {
  return QDir(FDir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
}

void TFullDisk::Empty() { QFile::remove(FillerPath()); }

qint64 TFullDisk::FreeBytes() const {
  struct statvfs status {};
  if (::statvfs(QFile::encodeName(FDir.path()).constData(), &status) != 0) return -1;
  return static_cast<qint64>(status.f_bavail) * static_cast<qint64>(status.f_frsize);
}

QByteArray FileBytes(const QString& Path) {
  QFile file(Path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString NoSpaceText() { return QString::fromUtf8("Na zařízení není volné místo"); }

} // namespace test_support
