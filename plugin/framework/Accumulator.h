// TAC: accumulator of SQL list items. Items are joined with a separator; nested levels are
// written into their parent with a prefix and a suffix only when they hold items (or when
// forced); Printf formats items with the accumulator's own %-directives.
// Part of the framework that Framework.h offers every plug-in unit for list-shaped SQL. The
// InterBase 6 units of this library append their lists to TTextBuffer directly and do not use
// it; tests/plugin/framework/AccumulatorTest.cpp is its one user here.
#pragma once

#include <cstdarg>
#include <string>

namespace Morvik {

class TAC {
public:
  // Separator NULL means a single blank; Capacity 0 or less means 1024.
  explicit TAC(const char* Separator = nullptr, int Capacity = 0);
  TAC(const TAC&) = delete;
  TAC& operator=(const TAC&) = delete;
  // Frees this object's buffer and every level still pushed.
  virtual ~TAC();

  // Empties the current level; 0, or -1 without a buffer.
  virtual int Reset();
  // The text of this object (of the outermost level once every level has been popped).
  virtual const char* GetText() const;
  // Appends Length characters (up to the terminating zero when negative) to the current
  // level, without separator or item. Returns the number of characters written.
  virtual int Append(const char* Text, int Length = -1);
  // Writes Text through the current level's translation and escape tables, in its quotes
  // when Quote is set. Returns the characters written for Text, without the quotes.
  virtual int AppendTranslated(const char* Text, bool Quote);
  // Starts a new item and writes Format into it. Directives: %; separator and a further
  // item, %s text, %X translated text, %x translated quoted text, %c character, %d and
  // %i int, %l long, %f double (fixed, six decimals, '.' whatever the locale), %D a date
  // d.m.yyyy written as "yyyy-mm-dd" in double quotes (an invalid date writes no item at
  // all); any other character after % is written itself. Returns the item count of the
  // current level, or -1 without a buffer.
  virtual int Printf(const char* Format, ...);

  const char* Text() const { return GetText(); }
  // Starts a new item (separator first when the level already has one) unless Text is
  // NULL. Returns the item count, or -1 without a buffer.
  int AppendItem(const char* Text, int Length = -1);
  // Opens a nested level that inherits the current level's tables and quotes.
  int Push(const char* Prefix, const char* Separator, const char* Suffix);
  // Closes the current level: when Force is set or it holds items, the parent gets a new
  // item made of Prefix, the level's text (EmptyText when it has no items) and Suffix.
  // Returns the level's item count, or -1 at the outermost level.
  int Pop(const char* EmptyText = nullptr, bool Force = false);
  int EndLevel(bool Force = false) { return Pop(nullptr, Force); }

  // These act on the current level.
  void SetSeparator(const char* Separator);
  void SetTranslation(const char* From, const char* To, const char* Remove = nullptr);
  void SetEscape(char EscapeChar, const char* Chars);
  void SetQuotes(const char* Open, const char* Close = nullptr);
  int GetItemCount() const;

  // Usable size of this object's buffer.
  int GetCapacity() const { return capacity; }

private:
  int Write(const char* Text, int Length);
  bool Reserve(long long Extra);
  int BeginItem();
  void Translate(const char* Text, std::string& Out) const;
  int WriteTranslated(const char* Text, bool Quote);
  bool Format(const char* Fmt, va_list Args, int& Extra);

  const char* separator = " ";
  char* buffer = nullptr;
  char* writePos = nullptr;
  int capacity = 0;
  int freeSpace = 0;
  int separatorLength = 1;
  int itemCount = 0;
  TAC* current = this;
  TAC* parent = nullptr;
  const char* prefix = nullptr;
  const char* suffix = nullptr;
  unsigned char translation[256];
  unsigned char escape[256];
  const char* openQuote = "\"";
  const char* closeQuote = "\"";
};

} // namespace Morvik
