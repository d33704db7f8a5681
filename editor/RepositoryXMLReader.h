#pragma once
// Reads the XML form of a store: the start, empty and end tags of the root element
// "repository" rebuild the tree through TRepository::AddItem. A text is read whole before
// anything is added, so a text that cannot be read adds nothing.

#include "editor/Repository.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

class QXmlStreamReader;
class QXmlStreamAttributes;

class TRepositoryXMLReader {
public:
  // Elements may nest this deep, the root element included.
  static constexpr int MaxDepth = 64;

  explicit TRepositoryXMLReader(TRepository& Store);

  // Reads an XML text and adds its items to the store. On failure nothing is added and
  // Error (when given) receives the reason with its line and column.
  bool Read(QStringView Text, QString* Error = nullptr);

  // Turns the bytes of a file into text after the encoding that its XML declaration names
  // (Windows-1250 or UTF-8; UTF-8 when none is named). False with a reason when the
  // encoding is unknown or the bytes are not valid in it.
  static bool DecodeFile(const QByteArray& Bytes, QString& Text, QString& Error);

  // A date-time value in the written form "d.M.yyyy H:mm:ss", in ISO 8601 or in the
  // machine's locale form; nothing when it is none of them.
  static std::optional<QDateTime> ParseDateTime(const QString& Text);

private:
  struct TPendingItem {
    QString Path;
    TRepositoryType Type;
    TRepositoryValue Value;
  };

  void StartElement(const QXmlStreamReader& Xml);
  void EndElement(const QXmlStreamReader& Xml);
  void AddLeaf(TRepositoryType Type, const QXmlStreamAttributes& Attributes);
  void PushSegment(const QString& Name);
  void PopSegment();
  bool Skipping() const { return !FSegments.empty() && FSegments.back().Skip; }
  QString ChildPath(const QString& Name) const;
  int Number(const QXmlStreamAttributes& Attributes, const char* Attribute);

  TRepository& FStore;
  std::vector<TPendingItem> FPending;
  bool FInRoot = false; // inside the root element
  QString FPath;        // path of the branch being filled
  struct TSegment {
    qsizetype PreviousLength; // FPath's length before the segment was appended
    bool Skip;                // inside a branch whose name cannot be stored
  };
  std::vector<TSegment> FSegments;
  QString FError; // first unreadable value
};
