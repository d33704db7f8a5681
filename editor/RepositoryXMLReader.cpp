#include "editor/RepositoryXMLReader.h"

#include "editor/RepositoryValueFields.h"
#include "editor/RepositoryXMLWriter.h"
#include "editor/XMLMaker.h"
#include "ui/Windows1250.h"

#include <QLocale>
#include <QStringDecoder>
#include <QXmlStreamReader>

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

QString AttributeValue(const QXmlStreamAttributes& Attributes, const char* Name) {
  return UnescapeIllegal(Attributes.value(QLatin1String(Name)));
}

// Type code of an element name, compared without regard to case; -1 for the root, -2 for a
// name the reader ignores.
int ElementType(QStringView Name) {
  static const std::vector<std::pair<QString, int>> known = [] {
    std::vector<std::pair<QString, int>> names{{QStringLiteral("repository"), -1}};
    for (int t = 0; t < RepositoryTypeCount; ++t) names.emplace_back(TRepositoryItem::ElementName(t), t);
    return names;
  }();
  for (const auto& [name, type] : known)
    if (name.size() == Name.size() && Name.compare(name, Qt::CaseInsensitive) == 0) return type;
  return -2;
}

} // namespace

TRepositoryXMLReader::TRepositoryXMLReader(TRepository& Store) : FStore(Store) {}

bool TRepositoryXMLReader::Read(QStringView Text, QString* Error) {
  FPending.clear();
  FInRoot = false;
  FPath.clear();
  FSegments.clear();
  FError.clear();

  QXmlStreamReader xml(EscapeIllegal(Text));
  xml.setNamespaceProcessing(false);
  int depth = 0;
  while (!xml.atEnd() && FError.isEmpty()) {
    switch (xml.readNext()) {
      case QXmlStreamReader::StartElement:
        if (++depth > MaxDepth) {
          FError = QStringLiteral("elements nested deeper than %1 levels").arg(MaxDepth);
          break;
        }
        StartElement(xml);
        break;
      case QXmlStreamReader::EndElement:
        --depth;
        EndElement(xml);
        break;
      default: break;
    }
  }
  if (FError.isEmpty() && xml.hasError()) FError = xml.errorString();
  if (!FError.isEmpty()) {
    if (Error != nullptr)
      *Error =
          QStringLiteral("%1 (line %2, column %3)").arg(FError).arg(xml.lineNumber()).arg(xml.columnNumber());
    FPending.clear();
    return false;
  }
  for (TPendingItem& item : FPending) FStore.AddItem(item.Path, item.Type, std::move(item.Value));
  FPending.clear();
  return true;
}

void TRepositoryXMLReader::StartElement(const QXmlStreamReader& Xml) {
  const int type = ElementType(Xml.name());
  if (type == -1) {
    FInRoot = true;
    return;
  }
  if (type == -2 || !FInRoot) return;
  if (!IsBranchType(type)) {
    AddLeaf(static_cast<TRepositoryType>(type), Xml.attributes());
    return;
  }
  // A branch is named by the attribute whose name sorts first (the writer writes only
  // "name"), or has an empty name.
  const QXmlStreamAttributes attrs = Xml.attributes();
  QString name;
  if (!attrs.isEmpty()) {
    qsizetype first = 0;
    for (qsizetype i = 1; i < attrs.size(); ++i)
      if (attrs[i].qualifiedName() < attrs[first].qualifiedName()) first = i;
    name = UnescapeIllegal(attrs[first].value());
  }
  PushSegment(name);
  if (!Skipping()) FPending.push_back({FPath, static_cast<TRepositoryType>(type), {}});
}

void TRepositoryXMLReader::EndElement(const QXmlStreamReader& Xml) {
  const int type = ElementType(Xml.name());
  if (type == -1) {
    FInRoot = false;
    return;
  }
  if (type >= 0 && FInRoot && IsBranchType(type)) PopSegment();
}

void TRepositoryXMLReader::PushSegment(const QString& Name) {
  // A name holding '.' would be read back as a path through other branches: such a branch
  // is dropped with everything under it.
  const bool skip = Skipping() || Name.contains(QLatin1Char('.'));
  FSegments.push_back({FPath.size(), skip});
  if (!FPath.isEmpty()) FPath += QLatin1Char('.');
  FPath += Name;
}

void TRepositoryXMLReader::PopSegment() {
  if (FSegments.empty()) return;
  FPath.truncate(FSegments.back().PreviousLength);
  FSegments.pop_back();
}

QString TRepositoryXMLReader::ChildPath(const QString& Name) const {
  return FPath.isEmpty() ? Name : FPath + QLatin1Char('.') + Name;
}

int TRepositoryXMLReader::Number(const QXmlStreamAttributes& Xml, const char* Attribute) {
  const QString text = AttributeValue(Xml, Attribute);
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (!ok && FError.isEmpty())
    FError = QStringLiteral("\"%1\" is not a whole number (%2 \"%3\")")
                 .arg(text, QString::fromLatin1(Attribute), AttributeValue(Xml, "name"));
  return value;
}

void TRepositoryXMLReader::AddLeaf(TRepositoryType Type, const QXmlStreamAttributes& Xml) {
  const QString name = AttributeValue(Xml, "name");
  auto readFields = [&](auto Value, const auto& Fields) {
    for (const auto& field : Fields) Value.*field.Member = Number(Xml, field.Attribute);
    return Value;
  };
  TRepositoryValue value;
  switch (Type) {
    case rtString: value = AttributeValue(Xml, "value"); break;
    case rtMemo: value = ConvertControlChars(AttributeValue(Xml, "value"), true); break;
    case rtInteger: value = Number(Xml, "value"); break;
    case rtBoolean: value = AttributeValue(Xml, "value").toLower() == QLatin1String("true"); break;
    case rtDateTime: {
      const auto parsed = ParseDateTime(AttributeValue(Xml, "value"));
      if (!parsed) return; // the reader's default stands
      value = *parsed;
      break;
    }
    case rtFont: {
      TFontValue font;
      font.Name = AttributeValue(Xml, "fontname");
      value = readFields(font, FontFields);
      break;
    }
    case rtBrush: value = readFields(TBrushValue{}, BrushFields); break;
    case rtPen: value = readFields(TPenValue{}, PenFields); break;
    default: return;
  }
  if (Skipping() || name.contains(QLatin1Char('.'))) return;
  FPending.push_back({ChildPath(name), Type, std::move(value)});
}

bool TRepositoryXMLReader::DecodeFile(const QByteArray& Bytes, QString& Text, QString& Error) {
  QByteArrayView bytes(Bytes);
  QByteArray encoding;
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    bytes = bytes.sliced(3);
    encoding = "utf-8";
  } else if (bytes.startsWith("<?xml")) {
    const qsizetype end = bytes.indexOf("?>");
    const QByteArrayView declaration = bytes.first(end < 0 ? bytes.size() : end);
    const qsizetype at = declaration.indexOf("encoding");
    if (at >= 0) {
      qsizetype i = at + 8;
      while (i < declaration.size() && (declaration[i] == ' ' || declaration[i] == '=')) ++i;
      if (i < declaration.size() && (declaration[i] == '"' || declaration[i] == '\'')) {
        const char quote = declaration[i];
        const qsizetype close = declaration.indexOf(quote, i + 1);
        if (close > i) encoding = declaration.sliced(i + 1, close - i - 1).toByteArray().toLower();
      }
    }
  }
  if (encoding == "windows-1250" || encoding == "cp1250" || encoding == "x-cp1250") {
    Text = Windows1250::Decode(bytes);
    return true;
  }
  if (encoding.isEmpty() || encoding == "utf-8" || encoding == "utf8" || encoding == "us-ascii") {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    Text = decoder.decode(bytes);
    if (decoder.hasError()) {
      Error = QStringLiteral("the text is not valid UTF-8");
      return false;
    }
    return true;
  }
  Error = QStringLiteral("unsupported encoding \"%1\"").arg(QString::fromLatin1(encoding));
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
