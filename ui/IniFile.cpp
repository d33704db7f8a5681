#include "ui/IniFile.h"

#include "ui/Exception.h"
#include "ui/WholeFile.h"

#include <QFile>
#include <QStringList>

namespace {

// Names compare without regard to case: the index holds them case-folded.
QString nameKey(const QString& Name) { return Name.toCaseFolded(); }

} // namespace

TIniFile::TIniFile(const QString& FileName) : fileName(FileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return;
  const QString text = QString::fromUtf8(file.readAll());
  TSection* current = nullptr;
  for (QString line : text.split(QLatin1Char('\n'))) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) continue;
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
      current = &sectionFor(trimmed.mid(1, trimmed.size() - 2).trimmed());
      continue;
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0 || current == nullptr) continue;
    const QString key = line.left(eq).trimmed();
    // The first occurrence wins, as with profile files.
    if (current->index.contains(nameKey(key))) continue;
    current->index.insert(nameKey(key), current->entries.size());
    current->entries.push_back({key, line.mid(eq + 1).trimmed()});
  }
}

const TIniFile::TSection* TIniFile::findSection(const QString& Section) const {
  const auto at = sectionIndex.constFind(nameKey(Section));
  return at == sectionIndex.cend() ? nullptr : &sections[*at];
}

TIniFile::TSection& TIniFile::sectionFor(const QString& Section) {
  const auto at = sectionIndex.constFind(nameKey(Section));
  if (at != sectionIndex.cend()) return sections[*at];
  sectionIndex.insert(nameKey(Section), sections.size());
  sections.push_back({Section, {}, {}});
  return sections.back();
}

const QString* TIniFile::findValue(const QString& Section, const QString& Key) const {
  const TSection* s = findSection(Section);
  if (s == nullptr) return nullptr;
  const auto at = s->index.constFind(nameKey(Key));
  return at == s->index.cend() ? nullptr : &s->entries[*at].value;
}

QString TIniFile::ReadString(const QString& Section, const QString& Key, const QString& Default) const {
  const QString* v = findValue(Section, Key);
  return v ? *v : Default;
}

int TIniFile::ReadInteger(const QString& Section, const QString& Key, int Default) const {
  const QString* v = findValue(Section, Key);
  if (v == nullptr) return Default;
  bool ok = false;
  const int n = v->trimmed().toInt(&ok, 10);
  return ok ? n : Default;
}

bool TIniFile::ReadBool(const QString& Section, const QString& Key, bool Default) const {
  return ReadInteger(Section, Key, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& Section, const QString& Key, const QString& Value) {
  TSection& s = sectionFor(Section);
  const auto at = s.index.constFind(nameKey(Key));
  if (at != s.index.cend()) {
    s.entries[*at].value = Value;
    return;
  }
  s.index.insert(nameKey(Key), s.entries.size());
  s.entries.push_back({Key, Value});
}

void TIniFile::WriteInteger(const QString& Section, const QString& Key, int Value) {
  WriteString(Section, Key, QString::number(Value));
}

void TIniFile::WriteBool(const QString& Section, const QString& Key, bool Value) {
  WriteString(Section, Key, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniFile::SectionExists(const QString& Section) const { return findSection(Section) != nullptr; }

void TIniFile::EraseSection(const QString& Section) {
  const auto at = sectionIndex.constFind(nameKey(Section));
  if (at == sectionIndex.cend()) return;
  const std::size_t erased = *at;
  sections.erase(sections.begin() + static_cast<std::ptrdiff_t>(erased));
  sectionIndex.erase(at);
  for (std::size_t& i : sectionIndex)
    if (i > erased) --i;
}

bool TIniFile::UpdateFile(QString* Reason) const {
  QString text;
  for (const TSection& s : sections) {
    text += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
    for (const TEntry& e : s.entries) text += e.key + QLatin1Char('=') + e.value + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n");
  }
  try {
    ui::WriteWholeFile(fileName, text.toUtf8());
  } catch (const ui::Exception& e) {
    if (Reason) *Reason = e.Message();
    return false;
  }
  return true;
}
