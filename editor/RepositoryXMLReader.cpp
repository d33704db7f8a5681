#include "editor/RepositoryXMLReader.h"

#include "editor/RepositoryValueFields.h"
#include "editor/RepositoryXMLWriter.h"
#include "editor/XMLMaker.h"
#include "ui/Windows1250.h"

#include <QBuffer>
#include <QLocale>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// Character references to characters that XML does not allow (most control characters,
// U+FFFE, U+FFFF, lone surrogates) are what the writer uses to keep such characters; the
// scanner refuses them. Before scanning, each is replaced by the private-use character Escape
// followed by a marker of the character, and a real Escape is doubled; attribute values are
// mapped back after scanning.
constexpr char16_t Escape = 0xE000;

bool IsXmlIllegal(char32_t c) {
  if (c < 0x20) return c != 0x09 && c != 0x0A && c != 0x0D;
  return c == 0xFFFE || c == 0xFFFF || (c >= 0xD800 && c <= 0xDFFF);
}

char16_t MarkerOf(char32_t c) {
  if (c < 0x20) return static_cast<char16_t>(0xE100 + c);
  if (c == 0xFFFE) return 0xE120;
  if (c == 0xFFFF) return 0xE121;
  return static_cast<char16_t>(0xF000 + (c - 0xD800));
}

std::optional<char16_t> CharOfMarker(char16_t m) {
  if (m >= 0xE100 && m < 0xE120) return static_cast<char16_t>(m - 0xE100);
  if (m == 0xE120) return char16_t(0xFFFE);
  if (m == 0xE121) return char16_t(0xFFFF);
  if (m >= 0xF000 && m < 0xF800) return static_cast<char16_t>(0xD800 + (m - 0xF000));
  return std::nullopt;
}

// Parses a character reference "&#...;" or "&#x...;" at Pos; its code point and length.
bool ParseReference(QStringView Text, qsizetype Pos, char32_t& CodePoint, qsizetype& Length) {
  qsizetype i = Pos + 2;
  int base = 10;
  if (i < Text.size() && Text[i] == QLatin1Char('x')) {
    base = 16;
    ++i;
  }
  const qsizetype digitsStart = i;
  uint64_t value = 0;
  while (i < Text.size() && i - digitsStart < 9) {
    const char16_t c = Text[i].unicode();
    int d = -1;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    if (d < 0) break;
    value = value * base + d;
    ++i;
  }
  if (i == digitsStart || i >= Text.size() || Text[i] != QLatin1Char(';')) return false;
  CodePoint = static_cast<char32_t>(value);
  Length = i + 1 - Pos;
  return true;
}

QString EscapeIllegal(QStringView Text) {
  QString out;
  out.reserve(Text.size());
  for (qsizetype i = 0; i < Text.size(); ++i) {
    const char16_t c = Text[i].unicode();
    if (c == Escape) {
      out += QChar(Escape);
      out += QChar(Escape);
      continue;
    }
    if (c == '&' && i + 1 < Text.size() && Text[i + 1] == QLatin1Char('#')) {
      char32_t codePoint = 0;
      qsizetype length = 0;
      if (ParseReference(Text, i, codePoint, length) && (IsXmlIllegal(codePoint) || codePoint == Escape)) {
        out += QChar(Escape);
        out += QChar(codePoint == Escape ? Escape : MarkerOf(codePoint));
        i += length - 1;
        continue;
      }
      out += QChar(c);
      continue;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < Text.size() && QChar::isLowSurrogate(Text[i + 1].unicode())) {
      out += Text[i];
      out += Text[++i];
      continue;
    }
    if (IsXmlIllegal(c)) {
      out += QChar(Escape);
      out += QChar(MarkerOf(c));
      continue;
    }
    out += QChar(c);
  }
  return out;
}

QString UnescapeIllegal(QStringView Value) {
  if (!Value.contains(QChar(Escape))) return Value.toString();
  QString out;
  out.reserve(Value.size());
  for (qsizetype i = 0; i < Value.size(); ++i) {
    if (Value[i].unicode() == Escape && i + 1 < Value.size()) {
      const char16_t next = Value[i + 1].unicode();
      if (next == Escape) {
        out += QChar(Escape);
        ++i;
        continue;
      }
      if (const auto c = CharOfMarker(next)) {
        out += QChar(*c);
        ++i;
        continue;
      }
    }
    out += Value[i];
  }
  return out;
}

// The encoding named by the XML declaration at the start of Bytes, lower-cased; empty when
// there is none. Bytes that begin with a UTF-8 byte-order mark give "utf-8" and lose it.
QByteArray DeclaredEncoding(QByteArrayView& Bytes) {
  if (Bytes.startsWith("\xEF\xBB\xBF")) {
    Bytes = Bytes.sliced(3);
    return "utf-8";
  }
  if (!Bytes.startsWith("<?xml")) return {};
  const qsizetype end = Bytes.indexOf("?>");
  const QByteArrayView declaration = Bytes.first(end < 0 ? Bytes.size() : end);
  const qsizetype at = declaration.indexOf("encoding");
  if (at < 0) return {};
  qsizetype i = at + 8;
  while (i < declaration.size() && (declaration[i] == ' ' || declaration[i] == '=')) ++i;
  if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\'')) return {};
  const char quote = declaration[i];
  const qsizetype close = declaration.indexOf(quote, i + 1);
  if (close <= i) return {};
  return declaration.sliced(i + 1, close - i - 1).toByteArray().toLower();
}

// True when the scanner can take the bytes as they are: a file that declares Windows-1250 or
// UTF-8 at its start, with no character that the scanner refuses (a control character, or a
// reference to one, or U+FFFE and U+FFFF), so that nothing needs rewriting first.
bool ScannableAsIs(const QByteArray& Bytes) {
  if (!Bytes.startsWith("<?xml")) return false;
  QByteArrayView view(Bytes);
  const QByteArray encoding = DeclaredEncoding(view);
  const bool utf8 = encoding == "utf-8";
  if (!utf8 && encoding != "windows-1250") return false;
  const char* p = Bytes.constData();
  const qsizetype n = Bytes.size();
  for (qsizetype i = 0; i < n; ++i) {
    const auto b = static_cast<unsigned char>(p[i]);
    if (b < 0x20) {
      if (b != 0x09 && b != 0x0A && b != 0x0D) return false;
    } else if (b == '&') {
      if (i + 1 < n && p[i + 1] == '#') {
        char32_t codePoint = 0;
        qsizetype length = 0;
        const QString reference = QString::fromLatin1(p + i, std::min<qsizetype>(n - i, 16));
        if (ParseReference(reference, 0, codePoint, length) &&
            (IsXmlIllegal(codePoint) || codePoint == Escape))
          return false;
      }
    } else if (utf8 && b == 0xEF && i + 2 < n && static_cast<unsigned char>(p[i + 1]) == 0xBF &&
               (static_cast<unsigned char>(p[i + 2]) & 0xFE) == 0xBE) {
      return false;
    }
  }
  return true;
}

} // namespace

int TRepositoryXMLReader::ElementType(QStringView Name) {
  // Element names are short and ASCII: lower-case them into a small buffer and compare.
  constexpr qsizetype Longest = 11; // "paramobject"
  if (Name.isEmpty() || Name.size() > Longest) return ekUnknown;
  char lower[Longest + 1];
  for (qsizetype i = 0; i < Name.size(); ++i) {
    const char16_t c = Name[i].unicode();
    if (c >= 'A' && c <= 'Z')
      lower[i] = static_cast<char>(c - 'A' + 'a');
    else if (c >= 'a' && c <= 'z')
      lower[i] = static_cast<char>(c);
    else
      return ekUnknown;
  }
  const QLatin1StringView name(lower, Name.size());
  if (name == QLatin1StringView("repository")) return ekRoot;
  for (int t = 0; t < RepositoryTypeCount; ++t)
    if (name == TRepositoryItem::ElementLatin1(t)) return t;
  return ekUnknown;
}

TRepositoryXMLReader::TRepositoryXMLReader(TRepository& Store) : FStore(Store) {}

bool TRepositoryXMLReader::Read(QStringView Text, QString* Error) {
  FEscaped = true;
  QXmlStreamReader xml(EscapeIllegal(Text));
  return Scan(xml, Error);
}

bool TRepositoryXMLReader::ReadBytes(const QByteArray& Bytes, QString* Error) {
  if (ScannableAsIs(Bytes)) {
    FEscaped = false;
    // Through a device the scanner takes the bytes block by block; given the bytes whole it
    // copies what is left of them again and again.
    QBuffer buffer;
    buffer.setData(Bytes);
    buffer.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&buffer);
    return Scan(xml, Error);
  }
  QString text;
  QString error;
  if (!DecodeFile(Bytes, text, error)) {
    if (Error != nullptr) *Error = error;
    return false;
  }
  return Read(text, Error);
}

bool TRepositoryXMLReader::Scan(QXmlStreamReader& Xml, QString* Error) {
  FTree = TRepositoryList();
  FInRoot = false;
  FLists.assign(1, &FTree);
  FError.clear();

  Xml.setNamespaceProcessing(false);
  int depth = 0;
  while (!Xml.atEnd() && FError.isEmpty()) {
    switch (Xml.readNext()) {
      case QXmlStreamReader::StartElement:
        if (++depth > MaxDepth) {
          FError = QStringLiteral("prvky vnořené hlouběji než do %1 úrovní").arg(MaxDepth);
          break;
        }
        StartElement(Xml);
        break;
      case QXmlStreamReader::EndElement:
        --depth;
        EndElement(Xml);
        break;
      default: break;
    }
  }
  if (FError.isEmpty() && Xml.hasError()) FError = Xml.errorString();
  FLists.clear();
  if (!FError.isEmpty()) {
    if (Error != nullptr)
      *Error = QStringLiteral("%1 (řádek %2, sloupec %3)")
                   .arg(FError)
                   .arg(Xml.lineNumber())
                   .arg(Xml.columnNumber());
    FTree = TRepositoryList();
    return false;
  }
  FStore.AddTree(std::move(FTree));
  FTree = TRepositoryList();
  return true;
}

QString TRepositoryXMLReader::Value(const QXmlStreamAttributes& Attributes, const char* Name) const {
  const QStringView value = Attributes.value(QLatin1StringView(Name));
  return FEscaped ? UnescapeIllegal(value) : value.toString();
}

void TRepositoryXMLReader::StartElement(const QXmlStreamReader& Xml) {
  const int type = ElementType(Xml.name());
  if (type == ekRoot) {
    FInRoot = true;
    return;
  }
  if (type == ekUnknown || !FInRoot) return;
  if (IsBranchType(type))
    StartBranch(static_cast<TRepositoryType>(type), Xml.attributes());
  else
    AddLeaf(static_cast<TRepositoryType>(type), Xml.attributes());
}

void TRepositoryXMLReader::EndElement(const QXmlStreamReader& Xml) {
  const int type = ElementType(Xml.name());
  if (type == ekRoot) {
    FInRoot = false;
    return;
  }
  // The root list at the bottom of the stack stays.
  if (type != ekUnknown && FInRoot && IsBranchType(type) && FLists.size() > 1) FLists.pop_back();
}

void TRepositoryXMLReader::StartBranch(TRepositoryType Type, const QXmlStreamAttributes& Attrs) {
  // A branch is named by the attribute whose name sorts first (the writer writes only
  // "name"), or has an empty name.
  QString name;
  if (!Attrs.isEmpty()) {
    qsizetype first = 0;
    for (qsizetype i = 1; i < Attrs.size(); ++i)
      if (Attrs[i].qualifiedName() < Attrs[first].qualifiedName()) first = i;
    name = FEscaped ? UnescapeIllegal(Attrs[first].value()) : Attrs[first].value().toString();
  }
  TRepositoryList* list = FLists.back();
  if (list == nullptr || name.contains(QLatin1Char('.'))) {
    // A name holding '.' would be read back as a path through other branches: such a branch
    // is dropped with everything under it.
    FLists.push_back(nullptr);
    return;
  }
  if (list == &FTree && name.isEmpty()) {
    // A nameless branch at the top has no path of its own: it is not kept, and what it holds
    // goes to the top.
    FLists.push_back(list);
    return;
  }
  // A second branch of a name that is taken fills the first item of that name, when that is
  // a branch; under a leaf nothing can be stored.
  TRepositoryItem* item = list->Find(name);
  if (item == nullptr)
    item = &list->Append(std::make_unique<TRepositoryItem>(name, Type, TRepositoryValue{}));
  FLists.push_back(item->Children());
}

int TRepositoryXMLReader::Number(const QXmlStreamAttributes& Xml, const char* Attribute) {
  const QStringView text = Xml.value(QLatin1StringView(Attribute));
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (!ok && FError.isEmpty())
    FError = QStringLiteral("\"%1\" není celé číslo (%2 \"%3\")")
                 .arg(Value(Xml, Attribute), QString::fromLatin1(Attribute), Value(Xml, "name"));
  return value;
}

void TRepositoryXMLReader::AddLeaf(TRepositoryType Type, const QXmlStreamAttributes& Xml) {
  auto readFields = [&](auto Value, const auto& Fields) {
    for (const auto& field : Fields) Value.*field.Member = Number(Xml, field.Attribute);
    return Value;
  };
  TRepositoryValue value;
  switch (Type) {
    case rtString: value = Value(Xml, "value"); break;
    case rtMemo: value = ConvertControlChars(Value(Xml, "value"), true); break;
    case rtInteger: value = Number(Xml, "value"); break;
    case rtBoolean:
      value =
          Xml.value(QLatin1StringView("value")).compare(QLatin1StringView("true"), Qt::CaseInsensitive) == 0;
      break;
    case rtDateTime: {
      const auto parsed = ParseDateTime(Value(Xml, "value"));
      if (!parsed) return; // the reader's default stands
      value = *parsed;
      break;
    }
    case rtFont: {
      TFontValue font;
      font.Name = Value(Xml, "fontname");
      value = readFields(font, FontFields);
      break;
    }
    case rtBrush: value = readFields(TBrushValue{}, BrushFields); break;
    case rtPen: value = readFields(TPenValue{}, PenFields); break;
    default: return;
  }
  TRepositoryList* list = FLists.back();
  if (list == nullptr) return;
  const QString name = Value(Xml, "name");
  // A leaf needs a name at the top, and a name without '.' anywhere.
  if ((list == &FTree && name.isEmpty()) || name.contains(QLatin1Char('.'))) return;
  if (list->Find(name) != nullptr) return; // the first value stays
  list->Append(std::make_unique<TRepositoryItem>(name, Type, std::move(value)));
}

bool TRepositoryXMLReader::DecodeFile(const QByteArray& Bytes, QString& Text, QString& Error) {
  QByteArrayView bytes(Bytes);
  const QByteArray encoding = DeclaredEncoding(bytes);
  if (encoding == "windows-1250" || encoding == "cp1250" || encoding == "x-cp1250") {
    Text = Windows1250::Decode(bytes);
    return true;
  }
  if (encoding.isEmpty() || encoding == "utf-8" || encoding == "utf8" || encoding == "us-ascii") {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    Text = decoder.decode(bytes);
    if (decoder.hasError()) {
      Error = QStringLiteral("text není platné UTF-8");
      return false;
    }
    return true;
  }
  Error = QStringLiteral("nepodporované kódování \"%1\"").arg(QString::fromLatin1(encoding));
  return false;
}

std::optional<QDateTime> TRepositoryXMLReader::ParseDateTime(const QString& Text) {
  const QString text = Text.trimmed();
  if (text.isEmpty()) return std::nullopt;
  const QLocale c = QLocale::c();
  QDateTime value = c.toDateTime(text, TRepositoryXMLWriter::DateTimeFormat);
  if (value.isValid()) return value;
  value = c.toDateTime(text, QStringLiteral("d.M.yyyy H:mm"));
  if (value.isValid()) return value;
  if (const QDate date = c.toDate(text, QStringLiteral("d.M.yyyy")); date.isValid())
    return QDateTime(date, QTime(0, 0));
  for (const char* format : {"H:mm:ss", "H:mm"}) {
    // A time alone is a time of day on the day the date-time count starts from.
    if (const QTime time = c.toTime(text, QString::fromLatin1(format)); time.isValid())
      return QDateTime(QDate(1899, 12, 30), time);
  }
  for (Qt::DateFormat format : {Qt::ISODateWithMs, Qt::ISODate}) {
    value = QDateTime::fromString(text, format);
    if (value.isValid()) return value.timeSpec() == Qt::LocalTime ? value : value.toLocalTime();
  }
  const QLocale system = QLocale::system();
  for (QLocale::FormatType format : {QLocale::ShortFormat, QLocale::LongFormat}) {
    value = system.toDateTime(text, format);
    if (value.isValid()) return value;
  }
  for (QLocale::FormatType format : {QLocale::ShortFormat, QLocale::LongFormat}) {
    if (const QDate date = system.toDate(text, format); date.isValid()) return QDateTime(date, QTime(0, 0));
  }
  return std::nullopt;
}
