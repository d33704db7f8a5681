#include "ui/WholeFile.h"

#include "ui/Exception.h"
#include "ui/SystemError.h"

#include <QDir>
#include <QSaveFile>
#include <cerrno>

namespace ui {

// Opened unbuffered: a buffered file can report its commit as done after the last write of
// its buffer failed.
TWholeFile::TWholeFile(const QString& FileName) : FFile(std::make_unique<QSaveFile>(FileName)) {
  errno = 0;
  if (!FFile->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) Fail(errno);
}

TWholeFile::~TWholeFile() = default;

QString TWholeFile::FileName() const { return FFile->fileName(); }

void TWholeFile::Write(QByteArrayView Bytes) {
  if (Bytes.isEmpty()) return;
  errno = 0;
  if (FFile->write(Bytes.data(), Bytes.size()) != Bytes.size()) Fail(errno);
}

void TWholeFile::Commit() {
  errno = 0;
  if (!FFile->commit()) Fail(errno);
}

void TWholeFile::Fail(int Code) const {
  // The system's reason where it gave one; the file's own report where the failure was
  // found without a system call (a name that is a folder, for one).
  const QString reason = Code != 0 ? SystemErrorText(Code) : FFile->errorString();
  throw Exception(QStringLiteral("Soubor „%1“ se nepodařilo zapsat: %2.")
                      .arg(QDir::toNativeSeparators(FFile->fileName()), reason));
}

void WriteWholeFile(const QString& FileName, QByteArrayView Bytes) {
  TWholeFile file(FileName);
  file.Write(Bytes);
  file.Commit();
}

} // namespace ui
