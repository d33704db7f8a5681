// A small ini file of sections and "key=value" lines. Values are kept exactly as they stand
// (no escaping, no quoting, commas untouched); section and key names compare without regard
// to case, as the platform's profile files do. Reads come from memory; writes change memory
// and reach the disk with UpdateFile. Sections and keys are found through an index, so that
// reading a file of any length costs time in proportion to it.
#pragma once

#include <QHash>
#include <QString>
#include <vector>

class TIniFile {
public:
  // Loads the file when it exists; a missing or unreadable file is an empty ini.
  explicit TIniFile(const QString& FileName);

  const QString& FileName() const { return fileName; }

  QString ReadString(const QString& Section, const QString& Key, const QString& Default) const;
  // A value that is not a decimal integer (optional sign, surrounding blanks allowed)
  // gives Default.
  int ReadInteger(const QString& Section, const QString& Key, int Default) const;
  // True for any non-zero integer; a value that is not a number gives Default.
  bool ReadBool(const QString& Section, const QString& Key, bool Default) const;

  void WriteString(const QString& Section, const QString& Key, const QString& Value);
  void WriteInteger(const QString& Section, const QString& Key, int Value);
  void WriteBool(const QString& Section, const QString& Key, bool Value);

  bool SectionExists(const QString& Section) const;
  void EraseSection(const QString& Section);

  // Writes the whole file (UTF-8, CRLF) through a temporary file; the old file is replaced
  // only when everything was written. Returns false on failure, with the reason in Reason
  // when it is given.
  bool UpdateFile(QString* Reason = nullptr) const;

private:
  struct TEntry {
    QString key;
    QString value;
  };
  // The entries in file order, and where each key stands among them.
  struct TSection {
    QString name;
    std::vector<TEntry> entries;
    QHash<QString, std::size_t> index;
  };

  const TSection* findSection(const QString& Section) const;
  TSection& sectionFor(const QString& Section);
  const QString* findValue(const QString& Section, const QString& Key) const;

  QString fileName;
  std::vector<TSection> sections;
  QHash<QString, std::size_t> sectionIndex; // where each section stands in sections
};
