#pragma once
// A writer of indented XML text: one element per line, TAB indentation, CRLF line ends. The text
// is kept as the Windows-1250 bytes of the file from the start, in one buffer; a chunk of more
// than 32000 characters is closed by a line end of its own, as the file format has it.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QUtf8StringView>
#include <QVariant>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class TWholeFile;
}

// Header values the writer uses unless told otherwise.
extern const QString _XMLDefaultVersion;  // "1.0"
extern const QString _XMLDefaultEncoding; // "windows-1250"

// One attribute to write; its value is written as its text, unescaped (callers escape values
// with TXMLMaker::StandardizeString).
struct TAttribute {
  QString Name;
  QVariant Value;
};
using TAttributes = std::vector<TAttribute>;

TAttribute Attribute(const QString& Name, const QVariant& Value);
extern const TAttribute EmptyAttr;

// Replaces the seven control characters that a memo keeps as text codes (BEL, BS, FF, LF, CR,
// TAB, VT) by their codes "#x07" ... when encoding, and the codes by the characters when
// decoding.
QString ConvertControlChars(QStringView Text, bool Decode);

class TXMLMaker {
public:
  TXMLMaker();
  TXMLMaker(const QString& Version, const QString& Encoding, bool StandAlone);
  ~TXMLMaker();
  TXMLMaker(const TXMLMaker&) = delete;
  TXMLMaker& operator=(const TXMLMaker&) = delete;

  void OpenElement(QStringView Name);
  void OpenElement(QStringView Name, const TAttributes& Attributes);
  void CloseElement(QStringView Name);
  void EmptyElement(QStringView Name);
  void EmptyElement(QStringView Name, const TAttributes& Attributes);
  void WholeElement(QStringView Name);
  void WholeElement(QStringView Name, const TAttributes& Attributes);
  void WholeElement(QStringView Name, const QString& Content);
  void WholeElement(QStringView Name, const TAttributes& Attributes, const QString& Content);
  void PCDATA(QStringView Text);

  static QString GetAttributesString(const TAttributes& Attributes);

  // The same element forms, built attribute by attribute with no text in between: BeginTag
  // starts an indented tag, the attribute calls add ' name="value"' (Text escaped as
  // StandardizeString or StandardizeMemo does), and EndOpenTag or EndEmptyTag finishes it as
  // OpenElement or EmptyElement would.
  void BeginTag(QLatin1StringView Name);
  // The forms of the store's items, each in one step, Key written as it is: a start line
  // with the one attribute ' name="Key"' (as BeginTag, AddAttribute and EndOpenTag), and a
  // leaf line with a value attribute besides (escaped as AddAttribute or AddMemoAttribute
  // escapes a UTF-8 text, or written as it is).
  void OpenNamedElement(QLatin1StringView Element, QLatin1StringView Key);
  void NamedLeaf(QLatin1StringView Element, QLatin1StringView Key, QUtf8StringView Value, bool Memo);
  void NamedLeaf(QLatin1StringView Element, QLatin1StringView Key, QLatin1StringView Value);
  // The same leaf lines with a UTF-16 key, escaped as AddAttribute escapes it, and a UTF-16
  // value escaped as AddAttribute or AddMemoAttribute escapes it, or one written as it is.
  void NamedLeaf(QLatin1StringView Element, QStringView Key, QStringView Value, bool Memo);
  void NamedLeaf(QLatin1StringView Element, QStringView Key, QLatin1StringView Value);
  void AddAttribute(QLatin1StringView Name, QStringView Text);
  void AddMemoAttribute(QLatin1StringView Name, QStringView Text);
  void AddAttribute(QLatin1StringView Name, int Value);
  void AddAttribute(QLatin1StringView Name, QLatin1StringView Value);
  void EndOpenTag();
  void EndEmptyTag();
  void CloseElement(QLatin1StringView Name);

  // Escapes a text for an attribute value, in one pass: the five markup characters become
  // their entities; control characters and characters that Windows-1250 cannot hold become
  // numeric character references, so that every text reads back unchanged.
  static QString StandardizeString(QStringView Text);
  // The same for a memo, whose seven line-layout control characters are kept as the text
  // codes of ConvertControlChars instead.
  static QString StandardizeMemo(QStringView Text);

  // Header, CRLF, body, CRLF, in Windows-1250, written to a temporary file that replaces
  // FileName only when all of it was written. Throws ui::Exception when it cannot.
  void GenerateXMLFile(const QString& FileName);
  // Starts the file FileName before anything is written: the header goes to it at once, and
  // the text goes to it in blocks as it is made, so that it is never held whole.
  // GenerateXMLFile(FileName) then ends the file and puts it in place; a maker destroyed
  // before that leaves any old file as it was. Throws ui::Exception when it cannot.
  void BeginXMLFile(const QString& FileName);
  // The bytes GenerateXMLFile writes.
  QByteArray GenerateXMLBytes();
  // Header immediately followed by the body.
  QString GenerateXMLString();
  void GenerateXMLStringList(QStringList& Strings, bool Clear);

  void SetXMLVersion(const QString& Version) { FVersion = Version; }
  void SetXMLEncoding(const QString& Encoding) { FEncoding = Encoding; }
  void SetXMLStandAlone(bool StandAlone) { FStandAlone = StandAlone; }
  int Depth() const { return FDepth; }

private:
  void Indent();
  // Plain text: Windows-1250, a character without a byte of its own as '?'.
  void Append(QStringView Text);
  void Append(QLatin1StringView Text) {
    const auto n = static_cast<std::size_t>(Text.size());
    std::memcpy(Room(n), Text.data(), n);
    FSize += n;
  }
  void Append(char C) {
    *Room(1) = C;
    ++FSize;
  }
  // ' Name="Text"' with Text escaped, as a memo when Memo.
  void AddEscapedAttribute(QLatin1StringView Name, QStringView Text, bool Memo);
  // Tabs, '<', Element and ' name="Key"' into room for them and Extra bytes more; the end.
  char* PutNamedStart(QLatin1StringView Element, QLatin1StringView Key, std::size_t Extra);
  // An indented start tag with its attributes, ended by Close (">" or "/>") and CRLF.
  void StartTag(QStringView Name, const TAttributes& Attributes, QLatin1StringView Close);
  // An end tag and CRLF, at the current position of the line.
  void EndTag(QStringView Name);
  // Closes the current chunk once it holds more than the flush limit.
  void Flush();
  // Closes a non-empty current chunk.
  void FinishBuffer();
  QByteArray Header() const;
  // Writes the body made so far to the file begun, when it holds at least Least bytes.
  void WriteOut(std::size_t Least);

  QString FVersion;
  QString FEncoding;
  bool FStandAlone = true;
  int FDepth = 0;
  // Room for Bytes more bytes after the body; where they go.
  char* Room(std::size_t Bytes) {
    if (FBody.size() - FSize < Bytes) Grow(Bytes);
    return FBody.data() + FSize;
  }
  void Grow(std::size_t Bytes);
  QByteArrayView Body() const;

  // The body written so far, its first FSize bytes: closed chunks, each followed by CRLF, then
  // the current chunk. The rest is room for what follows.
  std::string FBody;
  std::size_t FSize = 0;
  // Characters in the current chunk: its bytes in FBody from FChunkStart on (a start below 0
  // when bytes of it went to the file already) and FChunkExtra characters more than bytes.
  qsizetype ChunkLength() const { return static_cast<qsizetype>(FSize) - FChunkStart + FChunkExtra; }
  qsizetype FChunkStart = 0;
  qsizetype FChunkExtra = 0;
  // The file begun by BeginXMLFile, which FBody goes to.
  std::unique_ptr<ui::TWholeFile> FFile;
};
