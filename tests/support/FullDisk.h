// A file system that is really full, for the tests of what the program does when a write
// fails: a small tmpfs mounted on a fresh folder. Mounting needs the private mount namespace
// that a test program enters through PrivateMountsMain.cpp; there the tmpfs is gone with the
// program, whatever becomes of it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace test_support {

class TFullDisk {
public:
  // Mounts an empty tmpfs of Size bytes; Mounted() tells whether it worked, and a failure is
  // a failure of the running test.
  explicit TFullDisk(qint64 Size = 256 * 1024);
  ~TFullDisk();
  TFullDisk(const TFullDisk&) = delete;
  TFullDisk& operator=(const TFullDisk&) = delete;

  bool Mounted() const { return FMounted; }
  QString Path() const { return FDir.path(); }
  QString FilePath(const QString& Name) const { return FDir.filePath(Name); }

  // The files of the top folder besides the filling: a temporary file that a failed write
  // left behind shows here.
  QStringList Files() const;
  // Fills the file system with a file of its own until Free bytes (whole pages) are left.
  void Fill(qint64 Free = 0);
  // Takes the filling file away again.
  void Empty();
  qint64 FreeBytes() const;

private:
  QString FillerPath() const { return FDir.filePath(QStringLiteral(".filler")); }

  QTemporaryDir FDir;
  bool FMounted = false;
};

// The cases every writer is tried with: nothing free, and 8 KB free for a text that needs more.
inline constexpr qint64 FreeCases[] = {0, 8 * 1024};

// The bytes of the file Path; empty when it cannot be read.
QByteArray FileBytes(const QString& Path);

// The system's Czech text for a full disk, which every failed write here reports.
QString NoSpaceText();

} // namespace test_support
