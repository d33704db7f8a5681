#include "editor/XMLMaker.h"

#include "ui/Windows1250.h"
#include "ui/Exception.h"

#include <QSaveFile>

const QString _XMLDefaultVersion = QStringLiteral("1.0");
const QString _XMLDefaultEncoding = QStringLiteral("windows-1250");

const TAttribute EmptyAttr{};

TAttribute Attribute(const QString& Name, const QVariant& Value) { return TAttribute{Name, Value}; }

namespace {

constexpr qsizetype FlushLimit = 32000;
const QString CRLF = QStringLiteral("\r\n");

// The control characters a memo keeps as text codes, in the order they are converted.
constexpr char16_t MemoControls[] = {0x07, 0x08, 0x0C, 0x0A, 0x0D, 0x09, 0x0B};

bool IsMemoControl(char16_t c) {
  for (char16_t m : MemoControls)
    if (m == c) return true;
  return false;
}

// Value of the last digit of a memo code ("#x07" ... "#x0D", capitals only), or -1.
int MemoCodeDigit(QChar c) {
  switch (c.unicode()) {
    case '7': return 0x07;
    case '8': return 0x08;
    case '9': return 0x09;
    case 'A': return 0x0A;
    case 'B': return 0x0B;
    case 'C': return 0x0C;
    case 'D': return 0x0D;
    default: return -1;
  }
}

void AppendCode(QString& Out, char16_t c) {
  static const char Hex[] = "0123456789ABCDEF";
  Out += QLatin1String("#x");
  Out += QChar(Hex[(c >> 4) & 0xF]);
  Out += QChar(Hex[c & 0xF]);
}

void AppendReference(QString& Out, char32_t CodePoint) {
  Out += QLatin1String("&#x");
  QString hex = QString::number(static_cast<uint>(CodePoint), 16).toUpper();
  if (hex.size() < 2) hex.prepend(QLatin1Char('0'));
  Out += hex;
  Out += QLatin1Char(';');
}

QString Escape(QStringView Text, bool Memo) {
  QString out;
  out.reserve(Text.size() + Text.size() / 8);
  for (qsizetype i = 0; i < Text.size(); ++i) {
    const char16_t c = Text[i].unicode();
    switch (c) {
      case '"': out += QLatin1String("&quot;"); continue;
      case '&': out += QLatin1String("&amp;"); continue;
      case '\'': out += QLatin1String("&apos;"); continue;
      case '<': out += QLatin1String("&lt;"); continue;
      case '>': out += QLatin1String("&gt;"); continue;
      default: break;
    }
    if (c < 0x20) {
      if (Memo && IsMemoControl(c))
        AppendCode(out, c);
      else
        AppendReference(out, c);
      continue;
    }
    if (c < 0x80) {
      out += QChar(c);
      continue;
    }
    char32_t codePoint = c;
    if (QChar::isHighSurrogate(c) && i + 1 < Text.size() && QChar::isLowSurrogate(Text[i + 1].unicode())) {
      codePoint = QChar::surrogateToUcs4(c, Text[i + 1].unicode());
      ++i;
    }
    if (Windows1250::IsEncodable(codePoint))
      out += QChar(c);
    else
      AppendReference(out, codePoint);
  }
  return out;
}

} // namespace

QString ConvertControlChars(QStringView Text, bool Decode) {
  QString out;
  out.reserve(Text.size());
  if (!Decode) {
    for (QChar ch : Text) {
      if (IsMemoControl(ch.unicode()))
        AppendCode(out, ch.unicode());
      else
        out += ch;
    }
    return out;
  }
  // Codes cannot overlap ('#' is no hex digit), so one left-to-right pass finds exactly
  // what a pass per code would.
  for (qsizetype i = 0; i < Text.size(); ++i) {
    if (Text[i] == QLatin1Char('#') && i + 3 < Text.size() && Text[i + 1] == QLatin1Char('x') &&
        Text[i + 2] == QLatin1Char('0')) {
      const int low = MemoCodeDigit(Text[i + 3]);
      if (low >= 0) {
        out += QChar(static_cast<char16_t>(low));
        i += 3;
        continue;
      }
    }
    out += Text[i];
  }
  return out;
}

TXMLMaker::TXMLMaker() : TXMLMaker(_XMLDefaultVersion, _XMLDefaultEncoding, true) {}

TXMLMaker::TXMLMaker(const QString& Version, const QString& Encoding, bool StandAlone)
    : FVersion(Version), FEncoding(Encoding), FStandAlone(StandAlone) {}

void TXMLMaker::Indent() { FBuffer.append(QString(FDepth, QLatin1Char('\t'))); }

void TXMLMaker::StartTag(QStringView Name, const TAttributes& Attributes, QLatin1String Close) {
  Indent();
  FBuffer += QLatin1Char('<');
  FBuffer += Name;
  FBuffer += GetAttributesString(Attributes);
  FBuffer += Close;
  FBuffer += CRLF;
}

void TXMLMaker::EndTag(QStringView Name) {
  FBuffer += QLatin1String("</");
  FBuffer += Name;
  FBuffer += QLatin1Char('>');
  FBuffer += CRLF;
}

void TXMLMaker::Flush() {
  if (FBuffer.size() > FlushLimit) MoveBufferToChunks();
}

void TXMLMaker::MoveBufferToChunks() {
  FChunks.append(FBuffer);
  FBuffer.clear();
}

void TXMLMaker::OpenElement(QStringView Name) { OpenElement(Name, TAttributes{}); }

void TXMLMaker::OpenElement(QStringView Name, const TAttributes& Attributes) {
  StartTag(Name, Attributes, QLatin1String(">"));
  ++FDepth;
  Flush();
}

void TXMLMaker::CloseElement(QStringView Name) {
  --FDepth;
  Indent();
  EndTag(Name);
  Flush();
}

void TXMLMaker::EmptyElement(QStringView Name) { EmptyElement(Name, TAttributes{}); }

void TXMLMaker::EmptyElement(QStringView Name, const TAttributes& Attributes) {
  StartTag(Name, Attributes, QLatin1String("/>"));
  Flush();
}

void TXMLMaker::WholeElement(QStringView Name) { EmptyElement(Name); }

void TXMLMaker::WholeElement(QStringView Name, const TAttributes& Attributes) {
  EmptyElement(Name, Attributes);
}

void TXMLMaker::WholeElement(QStringView Name, const QString& Content) {
  WholeElement(Name, TAttributes{}, Content);
}

void TXMLMaker::WholeElement(QStringView Name, const TAttributes& Attributes, const QString& Content) {
  StartTag(Name, Attributes, QLatin1String(">"));
  FBuffer += QLatin1Char('\t');
  FBuffer += Content;
  EndTag(Name);
  Flush();
}

void TXMLMaker::PCDATA(QStringView Text) {
  Indent();
  FBuffer += Text;
  Flush();
}

QString TXMLMaker::GetAttributesString(const TAttributes& Attributes) {
  QString text;
  for (const TAttribute& a : Attributes) {
    text += QLatin1Char(' ');
    text += a.Name;
    text += QLatin1String("=\"");
    text += a.Value.toString();
    text += QLatin1Char('"');
  }
  return text;
}

QString TXMLMaker::StandardizeString(QStringView Text) { return Escape(Text, false); }

QString TXMLMaker::StandardizeMemo(QStringView Text) { return Escape(Text, true); }

QString TXMLMaker::Header() const {
  return QStringLiteral("<?xml version=\"%1\" encoding=\"%2\" standalone=\"%3\"?>")
      .arg(FVersion, FEncoding, FStandAlone ? QStringLiteral("yes") : QStringLiteral("no"));
}

QString TXMLMaker::Body() const {
  QString body;
  qsizetype size = 0;
  for (const QString& chunk : FChunks) size += chunk.size() + 2;
  body.reserve(size);
  for (const QString& chunk : FChunks) {
    body += chunk;
    body += CRLF;
  }
  return body;
}

void TXMLMaker::FinishBuffer() {
  if (!FBuffer.isEmpty()) MoveBufferToChunks();
}

void TXMLMaker::GenerateXMLFile(const QString& FileName) {
  FinishBuffer();
  const QByteArray bytes = Windows1250::Encode(Header() + CRLF + Body() + CRLF);
  QSaveFile file(FileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw ui::Exception(QStringLiteral("Cannot write file \"%1\": %2").arg(FileName, file.errorString()));
}

QString TXMLMaker::GenerateXMLString() {
  FinishBuffer();
  return Header() + Body();
}

void TXMLMaker::GenerateXMLStringList(QStringList& Strings, bool Clear) {
  FinishBuffer();
  if (Clear) Strings.clear();
  Strings.append(Header());
  Strings.append(Body());
}
