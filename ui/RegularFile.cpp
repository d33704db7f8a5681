#include "ui/RegularFile.h"

#include "ui/Exception.h"
#include "ui/SystemError.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

namespace {

constexpr qint64 ChunkSize = 64 * 1024;

QString Shown(const QString& FileName) { return QDir::toNativeSeparators(FileName); }

[[noreturn]] void Refuse(const QString& Text) { throw Exception(Text); }

[[noreturn]] void RefuseNotRegular(const QString& FileName) {
  Refuse(QStringLiteral("„%1“ není obyčejný soubor; číst lze jen obyčejný soubor.").arg(Shown(FileName)));
}

[[noreturn]] void RefuseTooLarge(const QString& FileName, qint64 MaxSize) {
  Refuse(QStringLiteral("Soubor „%1“ je větší než %2 MB; tak velký soubor program nečte.")
             .arg(Shown(FileName))
             .arg(MaxSize / (1024 * 1024)));
}

[[noreturn]] void RefuseWithReason(const char* What, const QString& FileName, int Code) {
  Refuse(QStringLiteral("Soubor „%1“ nelze %2: %3.")
             .arg(Shown(FileName), QString::fromUtf8(What), SystemErrorText(Code)));
}

// Closes the descriptor when the read ends, however it ends.
class TDescriptor {
public:
  explicit TDescriptor(int Handle) : FHandle(Handle) {}
  ~TDescriptor() { ::close(FHandle); }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Handle() const { return FHandle; }

private:
  int FHandle;
};

void CheckKind(const QString& FileName, const struct stat& Status, qint64 MaxSize) {
  if (!S_ISREG(Status.st_mode)) RefuseNotRegular(FileName);
  if (Status.st_size > MaxSize) RefuseTooLarge(FileName, MaxSize);
}

} // namespace

QByteArray ReadRegularFile(const QString& FileName, qint64 MaxSize) {
  const QByteArray path = QFile::encodeName(FileName);
  // Looked at before it is opened: opening a pipe waits for its writer.
  struct stat status {};
  if (::stat(path.constData(), &status) != 0) RefuseWithReason("otevřít", FileName, errno);
  CheckKind(FileName, status, MaxSize);
  // Opened without waiting, and looked at again, in case the name was given to something
  // else meanwhile.
  const int handle = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (handle < 0) RefuseWithReason("otevřít", FileName, errno);
  const TDescriptor file(handle);
  if (::fstat(file.Handle(), &status) != 0) RefuseWithReason("přečíst", FileName, errno);
  CheckKind(FileName, status, MaxSize);

  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(status.st_size));
  char chunk[ChunkSize];
  for (;;) {
    const ssize_t got = ::read(file.Handle(), chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      RefuseWithReason("přečíst", FileName, errno);
    }
    if (got == 0) return bytes;
    // A file that grows while it is read is held to the same size.
    if (bytes.size() + got > MaxSize) RefuseTooLarge(FileName, MaxSize);
    bytes.append(chunk, static_cast<qsizetype>(got));
  }
}

} // namespace ui
