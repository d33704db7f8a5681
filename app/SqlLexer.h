#pragma once
// The script viewer's SQL highlighter: comments maroon bold italic, keywords black bold
// underlined, numbers red bold, strings green bold, operators black bold, everything else in
// the text colour.
//
// Names are words of letters, digits and "_", letters of any alphabet included, so a name
// with Czech letters is one name and never ends in a keyword. The generated dialect has no
// client commands: a word is a keyword or a name, whatever it begins with.

#include <Qsci/qscilexercustom.h>

#include <QByteArray>
#include <QFont>
#include <QSet>
#include <vector>

class TSqlLexer : public QsciLexerCustom {
  Q_OBJECT
public:
  enum TStyle {
    stDefault,
    stComment,
    stKeyword,
    stNumber,
    stString,
    stOperator,
    stName,
    stCount
  };

  // Every style in Font (bold, italic and underline as above), on white.
  explicit TSqlLexer(const QFont& Font, QObject* Parent = nullptr);

  const char* language() const override { return "SQL"; }
  QString description(int Style) const override;
  void styleText(int Start, int End) override;

  // The style of each byte of Text (UTF-8) when it follows a line that ended in State, and the
  // state at the end of every line ("\n") and of the text.
  enum TState {
    lsNone,
    lsBlockComment,
    lsSingleQuoted,
    lsDoubleQuoted
  };
  struct TLexed {
    QByteArray Styles;
    std::vector<int> LineStates;
    TState State = lsNone;
  };
  TLexed Lex(const QByteArray& Text, TState State) const;

private:
  QSet<QByteArray> FKeywords; // lower case
};
