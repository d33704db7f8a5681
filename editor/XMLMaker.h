#pragma once
// A writer of indented XML text: one element per line, TAB indentation, CRLF line ends, kept
// in chunks that are joined once when the file or text is produced.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>
#include <vector>

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
  // Header immediately followed by the body.
  QString GenerateXMLString();
  void GenerateXMLStringList(QStringList& Strings, bool Clear);

  void SetXMLVersion(const QString& Version) { FVersion = Version; }
  void SetXMLEncoding(const QString& Encoding) { FEncoding = Encoding; }
  void SetXMLStandAlone(bool StandAlone) { FStandAlone = StandAlone; }
  int Depth() const { return FDepth; }

private:
  void Indent();
  // An indented start tag with its attributes, ended by Close (">" or "/>") and CRLF.
  void StartTag(QStringView Name, const TAttributes& Attributes, QLatin1String Close);
  // An end tag and CRLF, at the current position of the line.
  void EndTag(QStringView Name);
  void Flush();
  void MoveBufferToChunks();
  // Everything written so far goes to the chunks, ready to be joined.
  void FinishBuffer();
  QString Header() const;
  QString Body() const;

  QString FVersion;
  QString FEncoding;
  bool FStandAlone = true;
  int FDepth = 0;
  QString FBuffer;
  QStringList FChunks;
};
