#include "editor/XMLMaker.h"

#include "ui/Windows1250.h"
#include "ui/Exception.h"
#include "ui/WholeFile.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

const QString _XMLDefaultVersion = QStringLiteral("1.0");
const QString _XMLDefaultEncoding = QStringLiteral("windows-1250");

const TAttribute EmptyAttr{};

TAttribute Attribute(const QString& Name, const QVariant& Value) { return TAttribute{Name, Value}; }

namespace {

constexpr qsizetype FlushLimit = 32000;

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

// The bytes of a literal at Out; the end.
template <std::size_t N>
char* Put(char* Out, const char (&Text)[N]) {
  std::memcpy(Out, Text, N - 1);
  return Out + N - 1;
}

// Text at Out; the end. Names, keys and numbers are short: up to 16 bytes are copied in two
// overlapping words that stay within the text, without a call.
char* PutText(char* Out, QLatin1StringView Text) {
  const char* in = Text.data();
  const auto n = static_cast<std::size_t>(Text.size());
  if (n >= 8 && n <= 16) {
    std::uint64_t head, tail;
    std::memcpy(&head, in, 8);
    std::memcpy(&tail, in + n - 8, 8);
    std::memcpy(Out, &head, 8);
    std::memcpy(Out + n - 8, &tail, 8);
  } else if (n >= 4 && n < 8) {
    std::uint32_t head, tail;
    std::memcpy(&head, in, 4);
    std::memcpy(&tail, in + n - 4, 4);
    std::memcpy(Out, &head, 4);
    std::memcpy(Out + n - 4, &tail, 4);
  } else if (n < 4) {
    for (std::size_t i = 0; i < n; ++i) Out[i] = in[i];
  } else {
    std::memcpy(Out, in, n);
  }
  return Out + n;
}

// The room PutTabs needs for Depth tabs.
std::size_t TabRoom(int Depth) { return std::max<std::size_t>(static_cast<std::size_t>(Depth), 16); }

// Depth tabs at Out, which has TabRoom(Depth) bytes of room; the end. The usual depths take
// one fixed-size copy.
char* PutTabs(char* Out, int Depth) {
  static constexpr char Tabs[16] = {'\t', '\t', '\t', '\t', '\t', '\t', '\t', '\t',
                                    '\t', '\t', '\t', '\t', '\t', '\t', '\t', '\t'};
  const auto n = static_cast<std::size_t>(Depth);
  if (n <= sizeof Tabs)
    std::memcpy(Out, Tabs, sizeof Tabs);
  else
    std::memset(Out, '\t', n);
  return Out + n;
}

// ' Name="' at Out; the end.
char* PutAttributeStart(char* Out, QLatin1StringView Name) {
  *Out++ = ' ';
  return Put(PutText(Out, Name), "=\"");
}

// "&#x" and at least two upper-case hex digits of the code point, and ";", at Out; the end.
char* PutReference(char* Out, char32_t CodePoint) {
  char digits[8];
  int n = 0;
  do {
    digits[n++] = "0123456789ABCDEF"[CodePoint & 0xF];
    CodePoint >>= 4;
  } while (CodePoint != 0);
  if (n < 2) digits[n++] = '0';
  Out = Put(Out, "&#x");
  while (n > 0) *Out++ = digits[--n];
  *Out++ = ';';
  return Out;
}

// True for the characters that an attribute value holds as they are.
constexpr bool IsPlainAsciiChar(char16_t c) {
  return c >= 0x20 && c < 0x80 && c != '"' && c != '&' && c != '\'' && c != '<' && c != '>';
}

constexpr auto PlainAscii = [] {
  std::array<bool, 128> plain{};
  for (char16_t c = 0; c < 128; ++c) plain[c] = IsPlainAsciiChar(c);
  return plain;
}();

bool IsPlainAscii(char16_t c) { return c < 128 && PlainAscii[c]; }

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

namespace {

// The most bytes one character of a text escapes to: "&#xFFFF;" for a character of the basic
// plane without a byte (a pair of surrogates gives at most ten bytes for two).
constexpr std::size_t MaxEscapedBytes = 8;
// The most bytes an ASCII character escapes to: "&quot;" or a reference "&#x1F;".
constexpr std::size_t MaxEscapedAsciiBytes = 6;

// Escapes Text for an attribute value into Windows-1250 bytes at Out, which has room for
// MaxEscapedBytes per character, in one pass: the five markup characters become their
// entities, control characters and characters without a byte become numeric character
// references; in a memo the seven layout controls become their text codes. Returns the end.
// One character below 0x80 escaped at Out, as EscapeInto escapes it; the end.
char* EscapeAscii(char* Out, char16_t c, bool Memo) {
  if (IsPlainAscii(c)) {
    *Out++ = static_cast<char>(c);
    return Out;
  }
  switch (c) {
    case '"': return Put(Out, "&quot;");
    case '&': return Put(Out, "&amp;");
    case '\'': return Put(Out, "&apos;");
    case '<': return Put(Out, "&lt;");
    case '>': return Put(Out, "&gt;");
    default: break;
  }
  if (Memo && IsMemoControl(c)) {
    static const char Hex[] = "0123456789ABCDEF";
    *Out++ = '#';
    *Out++ = 'x';
    *Out++ = Hex[(c >> 4) & 0xF];
    *Out++ = Hex[c & 0xF];
    return Out;
  }
  return PutReference(Out, c);
}

char* EscapeInto(char* Out, QStringView Text, bool Memo) {
  const char16_t* p = Text.utf16();
  const char16_t* const end = p + Text.size();
  while (p != end) {
    const char16_t c = *p++;
    if (c < 0x80) {
      Out = EscapeAscii(Out, c, Memo);
      continue;
    }
    char32_t codePoint = c;
    if (QChar::isHighSurrogate(c) && p != end && QChar::isLowSurrogate(*p))
      codePoint = QChar::surrogateToUcs4(c, *p++);
    const unsigned char b = Windows1250::ByteOf(codePoint);
    if (b != 0)
      *Out++ = static_cast<char>(b);
    else
      Out = PutReference(Out, codePoint);
  }
  return Out;
}

QString Escape(QStringView Text, bool Memo) {
  std::string bytes(static_cast<std::size_t>(Text.size()) * MaxEscapedBytes, '\0');
  const char* end = EscapeInto(bytes.data(), Text, Memo);
  return Windows1250::Decode(QByteArrayView(bytes.data(), end));
}

} // namespace

TXMLMaker::TXMLMaker() : TXMLMaker(_XMLDefaultVersion, _XMLDefaultEncoding, true) {}

TXMLMaker::TXMLMaker(const QString& Version, const QString& Encoding, bool StandAlone)
    : FVersion(Version), FEncoding(Encoding), FStandAlone(StandAlone) {}

TXMLMaker::~TXMLMaker() = default;

namespace {
// Bytes held before they go to the file begun.
constexpr std::size_t BlockSize = 1 << 20;
} // namespace

void TXMLMaker::BeginXMLFile(const QString& FileName) {
  FFile = std::make_unique<ui::TWholeFile>(FileName);
  FFile->Write(Header());
  FFile->Write("\r\n");
  Room(BlockSize + BlockSize / 4);
}

QByteArrayView TXMLMaker::Body() const { return QByteArrayView(FBody.data(), static_cast<qsizetype>(FSize)); }

void TXMLMaker::Grow(std::size_t Bytes) { FBody.resize(std::max(FSize + Bytes, FBody.size() * 2)); }

void TXMLMaker::WriteOut(std::size_t Least) {
  if (!FFile || FSize < Least) return;
  FFile->Write(Body());
  FChunkStart -= static_cast<qsizetype>(FSize);
  FSize = 0;
}

void TXMLMaker::Append(QStringView Text) {
  const QByteArray bytes = Windows1250::Encode(Text);
  Append(QLatin1StringView(bytes));
  // A character outside the basic plane is one byte of two characters.
  FChunkExtra += Text.size() - bytes.size();
}

void TXMLMaker::Indent() {
  PutTabs(Room(TabRoom(FDepth)), FDepth);
  FSize += static_cast<std::size_t>(FDepth);
}

void TXMLMaker::StartTag(QStringView Name, const TAttributes& Attributes, QLatin1StringView Close) {
  Indent();
  Append('<');
  Append(Name);
  Append(QStringView(GetAttributesString(Attributes)));
  Append(Close);
  Append(QLatin1StringView("\r\n"));
}

void TXMLMaker::EndTag(QStringView Name) {
  Append(QLatin1StringView("</"));
  Append(Name);
  Append(QLatin1StringView(">\r\n"));
}

inline void TXMLMaker::Flush() {
  if (ChunkLength() > FlushLimit) FinishBuffer();
  if (FSize >= BlockSize) WriteOut(BlockSize);
}

void TXMLMaker::FinishBuffer() {
  if (ChunkLength() == 0) return;
  Append(QLatin1StringView("\r\n"));
  FChunkStart = static_cast<qsizetype>(FSize);
  FChunkExtra = 0;
}

void TXMLMaker::OpenElement(QStringView Name) { OpenElement(Name, TAttributes{}); }

void TXMLMaker::OpenElement(QStringView Name, const TAttributes& Attributes) {
  StartTag(Name, Attributes, QLatin1StringView(">"));
  ++FDepth;
  Flush();
}

void TXMLMaker::CloseElement(QStringView Name) {
  --FDepth;
  Indent();
  EndTag(Name);
  Flush();
}

void TXMLMaker::CloseElement(QLatin1StringView Name) {
  --FDepth;
  char* const at = Room(TabRoom(FDepth) + 5 + static_cast<std::size_t>(Name.size()));
  char* out = PutText(Put(PutTabs(at, FDepth), "</"), Name);
  FSize += static_cast<std::size_t>(Put(out, ">\r\n") - at);
  Flush();
}

void TXMLMaker::EmptyElement(QStringView Name) { EmptyElement(Name, TAttributes{}); }

void TXMLMaker::EmptyElement(QStringView Name, const TAttributes& Attributes) {
  StartTag(Name, Attributes, QLatin1StringView("/>"));
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
  StartTag(Name, Attributes, QLatin1StringView(">"));
  Append('\t');
  Append(QStringView(Content));
  EndTag(Name);
  Flush();
}

void TXMLMaker::PCDATA(QStringView Text) {
  Indent();
  Append(Text);
  Flush();
}

void TXMLMaker::BeginTag(QLatin1StringView Name) {
  char* const at = Room(TabRoom(FDepth) + 1 + static_cast<std::size_t>(Name.size()));
  char* out = PutTabs(at, FDepth);
  *out++ = '<';
  FSize += static_cast<std::size_t>(PutText(out, Name) - at);
}

char* TXMLMaker::PutNamedStart(QLatin1StringView Element, QLatin1StringView Key, std::size_t Extra) {
  char* out = PutTabs(
      Room(TabRoom(FDepth) + 9 + static_cast<std::size_t>(Element.size() + Key.size()) + Extra), FDepth);
  *out++ = '<';
  out = Put(PutText(out, Element), " name=\"");
  out = PutText(out, Key);
  *out++ = '"';
  return out;
}

void TXMLMaker::OpenNamedElement(QLatin1StringView Element, QLatin1StringView Key) {
  char* const out = Put(PutNamedStart(Element, Key, 3), ">\r\n");
  FSize = static_cast<std::size_t>(out - FBody.data());
  ++FDepth;
  Flush();
}

void TXMLMaker::NamedLeaf(QLatin1StringView Element, QLatin1StringView Key, QUtf8StringView Value,
                          bool Memo) {
  char* out =
      Put(PutNamedStart(Element, Key, 13 + static_cast<std::size_t>(Value.size()) * MaxEscapedAsciiBytes),
          " value=\"");
  for (const char b : Value) {
    const auto c = static_cast<unsigned char>(b);
    if (IsPlainAscii(c)) {
      *out++ = b;
    } else if (c < 0x80) {
      out = EscapeAscii(out, c, Memo);
    } else {
      // Written from its UTF-16 form, over what was put so far.
      BeginTag(Element);
      AddAttribute(QLatin1StringView("name"), Key);
      AddEscapedAttribute(QLatin1StringView("value"), QString::fromUtf8(Value), Memo);
      EndEmptyTag();
      return;
    }
  }
  FSize = static_cast<std::size_t>(Put(out, "\"/>\r\n") - FBody.data());
  Flush();
}

void TXMLMaker::NamedLeaf(QLatin1StringView Element, QLatin1StringView Key, QLatin1StringView Value) {
  char* const out =
      Put(PutText(Put(PutNamedStart(Element, Key, 13 + static_cast<std::size_t>(Value.size())), " value=\""),
                  Value),
          "\"/>\r\n");
  FSize = static_cast<std::size_t>(out - FBody.data());
  Flush();
}

namespace {

// The longest key taken as it is; a longer one is escaped.
constexpr qsizetype MaxPlainKey = 64;

// Key's bytes at Bytes, when it is no longer than MaxPlainKey and each of its characters stands
// in an attribute as it is.
bool PlainKey(QStringView Key, char* Bytes) {
  if (Key.size() > MaxPlainKey) return false;
  for (const QChar c : Key) {
    if (!IsPlainAscii(c.unicode())) return false;
    *Bytes++ = static_cast<char>(c.unicode());
  }
  return true;
}

} // namespace

void TXMLMaker::NamedLeaf(QLatin1StringView Element, QStringView Key, QStringView Value, bool Memo) {
  char key[MaxPlainKey];
  if (!PlainKey(Key, key)) {
    BeginTag(Element);
    AddAttribute(QLatin1StringView("name"), Key);
    AddEscapedAttribute(QLatin1StringView("value"), Value, Memo);
    EndEmptyTag();
    return;
  }
  char* out = Put(PutNamedStart(Element, QLatin1StringView(key, Key.size()),
                                13 + static_cast<std::size_t>(Value.size()) * MaxEscapedBytes),
                  " value=\"");
  FSize = static_cast<std::size_t>(Put(EscapeInto(out, Value, Memo), "\"/>\r\n") - FBody.data());
  Flush();
}

void TXMLMaker::NamedLeaf(QLatin1StringView Element, QStringView Key, QLatin1StringView Value) {
  char key[MaxPlainKey];
  if (!PlainKey(Key, key)) {
    BeginTag(Element);
    AddAttribute(QLatin1StringView("name"), Key);
    AddAttribute(QLatin1StringView("value"), Value);
    EndEmptyTag();
    return;
  }
  NamedLeaf(Element, QLatin1StringView(key, Key.size()), Value);
}

void TXMLMaker::AddAttribute(QLatin1StringView Name, QStringView Text) {
  AddEscapedAttribute(Name, Text, false);
}

void TXMLMaker::AddMemoAttribute(QLatin1StringView Name, QStringView Text) {
  AddEscapedAttribute(Name, Text, true);
}

void TXMLMaker::AddEscapedAttribute(QLatin1StringView Name, QStringView Text, bool Memo) {
  char* const at = Room(static_cast<std::size_t>(Name.size()) + 4 +
                        static_cast<std::size_t>(Text.size()) * MaxEscapedBytes);
  char* out = EscapeInto(PutAttributeStart(at, Name), Text, Memo);
  *out++ = '"';
  FSize += static_cast<std::size_t>(out - at);
}

void TXMLMaker::AddAttribute(QLatin1StringView Name, int Value) {
  char digits[16];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, Value);
  AddAttribute(Name, QLatin1StringView(digits, end - digits));
}

void TXMLMaker::AddAttribute(QLatin1StringView Name, QLatin1StringView Value) {
  char* const at = Room(static_cast<std::size_t>(Name.size() + Value.size()) + 4);
  char* out = PutText(PutAttributeStart(at, Name), Value);
  *out++ = '"';
  FSize += static_cast<std::size_t>(out - at);
}

void TXMLMaker::EndOpenTag() {
  Append(QLatin1StringView(">\r\n"));
  ++FDepth;
  Flush();
}

void TXMLMaker::EndEmptyTag() {
  Append(QLatin1StringView("/>\r\n"));
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

QByteArray TXMLMaker::Header() const {
  return Windows1250::Encode(
      QStringLiteral("<?xml version=\"%1\" encoding=\"%2\" standalone=\"%3\"?>")
          .arg(FVersion, FEncoding, FStandAlone ? QStringLiteral("yes") : QStringLiteral("no")));
}

QByteArray TXMLMaker::GenerateXMLBytes() {
  FinishBuffer();
  const QByteArray header = Header();
  QByteArray bytes;
  bytes.reserve(header.size() + static_cast<qsizetype>(FSize) + 4);
  bytes += header;
  bytes.append("\r\n", 2);
  bytes += Body();
  bytes.append("\r\n", 2);
  return bytes;
}

void TXMLMaker::GenerateXMLFile(const QString& FileName) {
  FinishBuffer();
  if (FFile) {
    if (QFileInfo(FFile->FileName()).absoluteFilePath() != QFileInfo(FileName).absoluteFilePath())
      throw ui::Exception(
          QStringLiteral("Soubor \"%1\" nelze zapsat: zapisuje se jiný soubor").arg(FileName));
    WriteOut(0);
    FFile->Write("\r\n");
    FFile->Commit();
    FFile.reset();
    return;
  }
  ui::TWholeFile file(FileName);
  file.Write(Header());
  file.Write("\r\n");
  file.Write(Body());
  file.Write("\r\n");
  file.Commit();
}

QString TXMLMaker::GenerateXMLString() {
  FinishBuffer();
  return Windows1250::Decode(Header()) + Windows1250::Decode(Body());
}

void TXMLMaker::GenerateXMLStringList(QStringList& Strings, bool Clear) {
  FinishBuffer();
  if (Clear) Strings.clear();
  Strings.append(Windows1250::Decode(Header()));
  Strings.append(Windows1250::Decode(Body()));
}
