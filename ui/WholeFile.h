#pragma once
// A file that the program writes is written whole or not at all: the text goes to a new file
// beside the old one, which takes the old one's place only when every byte of it was written.
// A write that fails is reported with the system's reason for it.

#include <QByteArrayView>
#include <QString>
#include <memory>

class QSaveFile;

namespace ui {

class TWholeFile {
public:
  // Starts the new text of FileName. Throws ui::Exception when the file cannot be made.
  explicit TWholeFile(const QString& FileName);
  // Without Commit the new text is dropped and any old file stays as it was.
  ~TWholeFile();
  TWholeFile(const TWholeFile&) = delete;
  TWholeFile& operator=(const TWholeFile&) = delete;

  QString FileName() const;
  // Each write reaches the file at once, so that a full disk is noticed where it happens.
  // Throws ui::Exception when not all of Bytes was written.
  void Write(QByteArrayView Bytes);
  // Puts the new file in place of the old one. Throws ui::Exception when it cannot.
  void Commit();

private:
  [[noreturn]] void Fail(int Code) const;

  std::unique_ptr<QSaveFile> FFile;
};

// Writes Bytes as the whole file FileName, or throws ui::Exception and leaves any old file as
// it was.
void WriteWholeFile(const QString& FileName, QByteArrayView Bytes);

} // namespace ui
