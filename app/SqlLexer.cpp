#include "app/SqlLexer.h"

#include <Qsci/qscilexersql.h>
#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QStringList>

namespace {

// The character that begins at Text[I]: its code point and its length in bytes (1 for a byte
// that begins no valid UTF-8 sequence, whose code point is then 0xFFFD).
struct TChar {
  char32_t Code;
  int Length;
};

TChar CharAt(const QByteArray& Text, qsizetype I) {
  const auto lead = static_cast<unsigned char>(Text[I]);
  if (lead < 0x80) return {lead, 1};
  int length = 0;
  char32_t code = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    code = lead & 0x07;
  } else {
    return {0xFFFD, 1};
  }
  if (I + length > Text.size()) return {0xFFFD, 1};
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(Text[I + k]);
    if ((next & 0xC0) != 0x80) return {0xFFFD, 1};
    code = (code << 6) | (next & 0x3F);
  }
  return {code, length};
}

bool IsAsciiLetter(char32_t C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }
bool IsDigit(char32_t C) { return C >= '0' && C <= '9'; }

bool IsWordStart(char32_t C) {
  if (C < 0x80) return IsAsciiLetter(C) || C == '_';
  return C != 0xFFFD && QChar::isLetter(C);
}

bool IsWordChar(char32_t C) {
  if (C < 0x80) return IsAsciiLetter(C) || IsDigit(C) || C == '_';
  return C != 0xFFFD && (QChar::isLetterOrNumber(C) || QChar::isMark(C));
}

bool IsOperator(char C) {
  switch (C) {
    case '%':
    case '^':
    case '&':
    case '*':
    case '(':
    case ')':
    case '-':
    case '+':
    case '=':
    case '|':
    case '{':
    case '}':
    case '[':
    case ']':
    case ':':
    case ';':
    case '<':
    case '>':
    case ',':
    case '/':
    case '?':
    case '!':
    case '.':
    case '~': return true;
    default: return false;
  }
}

struct TStyleLook {
  const char* Description;
  QColor Color;
  bool Bold, Italic, Underline;
};

const TStyleLook& Look(int Style) {
  static const TStyleLook looks[TSqlLexer::stCount] = {
      {"Default", Qt::black, false, false, false},        {"Comment", QColor(0x80, 0, 0), true, true, false},
      {"Keyword", Qt::black, true, false, true},          {"Number", QColor(0xff, 0, 0), true, false, false},
      {"String", QColor(0, 0x80, 0), true, false, false}, {"Operator", Qt::black, true, false, false},
      {"Name", Qt::black, false, false, false},
  };
  return looks[Style];
}

} // namespace

TSqlLexer::TSqlLexer(const QFont& Font, QObject* Parent) : QsciLexerCustom(Parent) {
  // The keywords of the platform's SQL highlighter.
  const QsciLexerSQL sql;
  for (const QString& word : QString::fromLatin1(sql.keywords(1)).split(QLatin1Char(' '), Qt::SkipEmptyParts))
    FKeywords.insert(word.toLower().toLatin1());

  setDefaultFont(Font);
  setDefaultColor(Qt::black);
  setDefaultPaper(Qt::white);
  setPaper(Qt::white, -1);
  for (int style = 0; style < stCount; ++style) {
    const TStyleLook& look = Look(style);
    QFont f = Font;
    f.setBold(look.Bold);
    f.setItalic(look.Italic);
    f.setUnderline(look.Underline);
    setFont(f, style);
    setColor(look.Color, style);
  }
}

QString TSqlLexer::description(int Style) const {
  return Style >= 0 && Style < stCount ? QString::fromLatin1(Look(Style).Description) : QString();
}

TSqlLexer::TLexed TSqlLexer::Lex(const QByteArray& Text, TState State) const {
  TLexed out;
  out.Styles = QByteArray(Text.size(), char(stDefault));
  const qsizetype n = Text.size();
  auto style = [&](qsizetype From, qsizetype To, int Style) {
    for (qsizetype k = From; k < To; ++k) out.Styles[k] = static_cast<char>(Style);
  };
  auto at = [&](qsizetype K) { return K < n ? Text[K] : '\0'; };
  qsizetype i = 0;
  while (i < n) {
    const char c = Text[i];
    if (c == '\n') {
      out.LineStates.push_back(State);
      if (State != lsNone) style(i, i + 1, State == lsBlockComment ? stComment : stString);
      ++i;
      continue;
    }
    if (State == lsBlockComment) {
      if (c == '*' && at(i + 1) == '/') {
        style(i, i + 2, stComment);
        i += 2;
        State = lsNone;
      } else {
        style(i, i + 1, stComment);
        ++i;
      }
      continue;
    }
    if (State == lsSingleQuoted || State == lsDoubleQuoted) {
      const char quote = State == lsSingleQuoted ? '\'' : '"';
      if (c == quote && at(i + 1) == quote) {
        style(i, i + 2, stString);
        i += 2;
        continue;
      }
      style(i, i + 1, stString);
      ++i;
      if (c == quote) State = lsNone;
      continue;
    }

    const qsizetype start = i;
    if (c == '/' && at(i + 1) == '*') {
      State = lsBlockComment;
      style(i, i + 2, stComment);
      i += 2;
    } else if (c == '-' && at(i + 1) == '-') {
      while (i < n && Text[i] != '\n') ++i;
      style(start, i, stComment);
    } else if (c == '\'' || c == '"') {
      State = c == '\'' ? lsSingleQuoted : lsDoubleQuoted;
      style(i, i + 1, stString);
      ++i;
    } else if (IsDigit(static_cast<unsigned char>(c)) ||
               (c == '.' && IsDigit(static_cast<unsigned char>(at(i + 1))))) {
      ++i;
      while (i < n &&
             (IsDigit(static_cast<unsigned char>(Text[i])) ||
              IsAsciiLetter(static_cast<unsigned char>(Text[i])) || Text[i] == '.' || Text[i] == '_'))
        ++i;
      style(start, i, stNumber);
    } else if (const TChar first = CharAt(Text, i); IsWordStart(first.Code)) {
      bool ascii = first.Code < 0x80;
      i += first.Length;
      while (i < n) {
        const TChar next = CharAt(Text, i);
        if (!IsWordChar(next.Code)) break;
        ascii = ascii && next.Code < 0x80;
        i += next.Length;
      }
      // A keyword is a whole word of the keyword list, never part of a longer name.
      const bool keyword = ascii && FKeywords.contains(Text.mid(start, i - start).toLower());
      style(start, i, keyword ? stKeyword : stName);
    } else {
      if (IsOperator(c)) style(i, i + 1, stOperator);
      i += first.Length;
    }
  }
  out.State = State;
  return out;
}

void TSqlLexer::styleText(int Start, int End) {
  QsciScintilla* e = editor();
  if (!e || End <= Start) return;
  const long firstLine = e->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, Start);
  const auto state = static_cast<TState>(
      firstLine > 0 ? e->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, firstLine - 1) : 0);
  QByteArray text(End - Start + 1, '\0');
  e->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, static_cast<long>(Start), static_cast<long>(End),
                   text.data());
  text.resize(End - Start);
  const TLexed lexed = Lex(text, state);
  // Each line remembers how it ended, so that styling can start at the next line.
  for (size_t k = 0; k < lexed.LineStates.size(); ++k)
    e->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE,
                     static_cast<unsigned long>(firstLine + static_cast<long>(k)),
                     static_cast<long>(lexed.LineStates[k]));
  startStyling(Start);
  e->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(lexed.Styles.size()),
                   lexed.Styles.constData());
}
