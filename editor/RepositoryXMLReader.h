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

// What an element name stands for: the root element, a name the reader ignores, or else the
// type code of an item (0 and up).
enum TElementKind : int {
  ekRoot = -1,
  ekUnknown = -2,
};

class TRepositoryXMLReader {
public:
  // Elements may nest this deep, the root element included.
  static constexpr int MaxDepth = 64;

  explicit TRepositoryXMLReader(TRepository& Store);

  // Reads an XML text and adds its items to the store. On failure nothing is added and
  // Error (when given) receives the reason with its line and column.
  bool Read(QStringView Text, QString* Error = nullptr);
  // The same for the bytes of a file, in the encoding its XML declaration names (see
  // DecodeFile). A file as the writer writes it is scanned straight from its bytes.
  bool ReadBytes(const QByteArray& Bytes, QString* Error = nullptr);

  // Turns the bytes of a file into text after the encoding that its XML declaration names
  // (Windows-1250 or UTF-8; UTF-8 when none is named). False with a reason when the
  // encoding is unknown or the bytes are not valid in it.
  static bool DecodeFile(const QByteArray& Bytes, QString& Text, QString& Error);

  // A date-time value in the written form "d.M.yyyy H:mm:ss", in ISO 8601 or in the
  // machine's locale form; nothing when it is none of them.
  static std::optional<QDateTime> ParseDateTime(const QString& Text);

  // Type code of an element name, compared without regard to case, or a TElementKind.
  static int ElementType(QStringView Name);

private:
  // Scans the whole document into FTree; true when it was read to its end without an error.
  bool Scan(QXmlStreamReader& Xml, QString* Error);
  void StartElement(const QXmlStreamReader& Xml);
  void EndElement(const QXmlStreamReader& Xml);
  void StartBranch(TRepositoryType Type, const QXmlStreamAttributes& Attributes);
  void AddLeaf(TRepositoryType Type, const QXmlStreamAttributes& Attributes);
  QString Value(const QXmlStreamAttributes& Attributes, const char* Name) const;
  int Number(const QXmlStreamAttributes& Attributes, const char* Attribute);

  TRepository& FStore;
  // The tree read so far; handed to the store only when the whole text was read.
  TRepositoryList FTree;
  bool FInRoot = false; // inside the root element
  // The child list each open branch fills: the list of the branch of that name (the first
  // one, when a name comes twice), the root list for a branch whose path stays empty, or
  // null inside a branch whose items cannot be stored.
  std::vector<TRepositoryList*> FLists;
  // The text was rewritten before scanning, so that values must be mapped back.
  bool FEscaped = false;
  QString FError; // first unreadable value
};
