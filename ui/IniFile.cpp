#include "ui/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

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
    const QString value = line.mid(eq + 1).trimmed();
    bool replaced = false;
    for (TEntry& e : current->entries) {
      if (sameName(e.key, key)) {
        // The first occurrence wins, as with profile files.
        replaced = true;
        break;
      }
    }
    if (!replaced) current->entries.push_back({key, value});
  }
}

const TIniFile::TSection* TIniFile::findSection(const QString& Section) const {
  for (const TSection& s : sections)
    if (sameName(s.name, Section)) return &s;
  return nullptr;
}

TIniFile::TSection& TIniFile::sectionFor(const QString& Section) {
  for (TSection& s : sections)
    if (sameName(s.name, Section)) return s;
  sections.push_back({Section, {}});
  return sections.back();
}

const QString* TIniFile::findValue(const QString& Section, const QString& Key) const {
  const TSection* s = findSection(Section);
  if (s == nullptr) return nullptr;
  for (const TEntry& e : s->entries)
    if (sameName(e.key, Key)) return &e.value;
  return nullptr;
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
  for (TEntry& e : s.entries) {
    if (sameName(e.key, Key)) {
      e.value = Value;
      return;
    }
  }
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
  for (auto it = sections.begin(); it != sections.end(); ++it) {
    if (sameName(it->name, Section)) {
      sections.erase(it);
      return;
    }
  }
}

bool TIniFile::UpdateFile() const {
  QString text;
  for (const TSection& s : sections) {
    text += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
    for (const TEntry& e : s.entries) text += e.key + QLatin1Char('=') + e.value + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n");
  }
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = text.toUtf8();
  if (file.write(bytes) != bytes.size()) return false;
  return file.commit();
}
