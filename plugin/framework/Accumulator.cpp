#include "plugin/framework/Accumulator.h"

#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace Morvik {

namespace {

constexpr int DefaultCapacity = 1024;

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// Reads up to MaxDigits digits after skipping non-digits; Count is the number read.
const char* ReadNumber(const char* P, int MaxDigits, int& Value, int& Count) {
  while (*P && !IsDigit(*P)) ++P;
  Value = 0;
  Count = 0;
  while (Count < MaxDigits && IsDigit(*P)) {
    Value = Value * 10 + (*P - '0');
    ++P;
    ++Count;
  }
  return P;
}

// A date written day, month, year (24.5.2001) as "2001-05-24" in double quotes; false
// unless day is 1-31, month 1-12 and the year has four digits.
bool FormatDate(const char* Text, std::string& Out) {
  if (!Text) return false;
  int Day, Month, Year, Count;
  const char* P = ReadNumber(Text, 2, Day, Count);
  if (Count == 0) return false;
  P = ReadNumber(P, 2, Month, Count);
  if (Count == 0) return false;
  ReadNumber(P, 4, Year, Count);
  if (Count != 4 || Day < 1 || Day > 31 || Month < 1 || Month > 12) return false;
  char Scratch[32];
  char* End = Scratch;
  auto Put = [&End](int Value, int Width) {
    for (int Div = Width == 4 ? 1000 : 10; Div > 0; Div /= 10)
      *End++ = static_cast<char>('0' + Value / Div % 10);
  };
  *End++ = '"';
  Put(Year, 4);
  *End++ = '-';
  Put(Month, 2);
  *End++ = '-';
  Put(Day, 2);
  *End++ = '"';
  Out.append(Scratch, static_cast<std::size_t>(End - Scratch));
  return true;
}

template <class Number>
void AppendNumber(std::string& Out, Number Value) {
  char Scratch[32];
  const auto Result = std::to_chars(Scratch, Scratch + sizeof Scratch, Value);
  Out.append(Scratch, Result.ptr);
}

// printf's "%f": fixed notation with six decimals, any magnitude, always a '.'.
void AppendFixed(std::string& Out, double Value) {
  // The largest double has 309 integer digits.
  char Scratch[400];
  const auto Result = std::to_chars(Scratch, Scratch + sizeof Scratch, Value, std::chars_format::fixed, 6);
  if (Result.ec == std::errc()) Out.append(Scratch, Result.ptr);
}

} // namespace

TAC::TAC(const char* Separator, int Capacity) {
  SetSeparator(Separator);
  capacity = Capacity > 0 ? Capacity : DefaultCapacity;
  buffer = static_cast<char*>(std::malloc(static_cast<std::size_t>(capacity) + 1));
  if (buffer) {
    buffer[0] = '\0';
    writePos = buffer;
    freeSpace = capacity;
  } else {
    capacity = 0;
  }
  for (int C = 0; C < 256; ++C) {
    translation[C] = static_cast<unsigned char>(C);
    escape[C] = 0;
  }
  escape[static_cast<unsigned char>('"')] = '\\';
  escape[static_cast<unsigned char>('\'')] = '\\';
}

TAC::~TAC() {
  while (current != this) {
    TAC* Below = current->parent;
    delete current;
    current = Below;
  }
  std::free(buffer);
}

bool TAC::Reserve(long long Extra) {
  if (!buffer) return false;
  if (Extra <= freeSpace) return true;
  const long long Used = capacity - freeSpace;
  const long long Needed = Used + Extra;
  if (Needed > INT_MAX - 1) return false;
  long long NewCapacity = capacity;
  while (NewCapacity < Needed) NewCapacity *= 2;
  if (NewCapacity > INT_MAX - 1) NewCapacity = INT_MAX - 1;
  char* Grown = static_cast<char*>(std::realloc(buffer, static_cast<std::size_t>(NewCapacity) + 1));
  if (!Grown) return false;
  buffer = Grown;
  writePos = buffer + Used;
  capacity = static_cast<int>(NewCapacity);
  freeSpace = static_cast<int>(NewCapacity - Used);
  return true;
}

int TAC::Write(const char* Text, int Length) {
  if (!Text) return 0;
  const std::size_t Size = Length < 0 ? std::strlen(Text) : strnlen(Text, static_cast<std::size_t>(Length));
  if (Size == 0 || !Reserve(static_cast<long long>(Size))) return 0;
  std::memcpy(writePos, Text, Size);
  writePos += Size;
  *writePos = '\0';
  freeSpace -= static_cast<int>(Size);
  return static_cast<int>(Size);
}

int TAC::BeginItem() {
  if (!buffer) return -1;
  if (itemCount > 0) Write(separator, separatorLength);
  return ++itemCount;
}

int TAC::Reset() {
  TAC* Level = current;
  if (!Level->buffer) return -1;
  Level->writePos = Level->buffer;
  Level->buffer[0] = '\0';
  Level->freeSpace = Level->capacity;
  Level->itemCount = 0;
  return 0;
}

const char* TAC::GetText() const { return buffer ? buffer : ""; }

int TAC::Append(const char* Text, int Length) { return current->Write(Text, Length); }

int TAC::AppendItem(const char* Text, int Length) {
  TAC* Level = current;
  if (!Level->buffer) return -1;
  if (!Text) return Level->itemCount;
  const int Count = Level->BeginItem();
  Level->Write(Text, Length);
  return Count;
}

void TAC::Translate(const char* Text, std::string& Out) const {
  for (const char* P = Text; *P; ++P) {
    const unsigned char T = translation[static_cast<unsigned char>(*P)];
    if (escape[T] != 0) Out.push_back(static_cast<char>(escape[T]));
    if (T != 0) Out.push_back(static_cast<char>(T));
  }
}

int TAC::WriteTranslated(const char* Text, bool Quote) {
  std::string Out;
  if (Text) {
    Out.reserve(2 * std::strlen(Text));
    Translate(Text, Out);
  }
  if (Quote) Write(openQuote, -1);
  const int Written = Write(Out.data(), static_cast<int>(Out.size()));
  if (Quote) Write(closeQuote, -1);
  return Written;
}

int TAC::AppendTranslated(const char* Text, bool Quote) { return current->WriteTranslated(Text, Quote); }

bool TAC::Format(const char* Fmt, va_list Args, int& Extra) {
  // The item is composed apart first, so that a rejected date leaves nothing behind.
  std::string Out;
  Extra = 0;
  for (const char* P = Fmt; *P; ++P) {
    if (*P != '%') {
      Out.push_back(*P);
      continue;
    }
    ++P;
    if (*P == '\0') break; // "%" at the very end writes nothing
    switch (*P) {
      case ';':
        Out.append(separator, static_cast<std::size_t>(separatorLength));
        ++Extra;
        break;
      case 's': {
        const char* Text = va_arg(Args, const char*);
        if (Text) Out.append(Text);
        break;
      }
      case 'X':
      case 'x': {
        const char* Text = va_arg(Args, const char*);
        if (!Text) break;
        const bool Quote = *P == 'x';
        if (Quote && openQuote) Out.append(openQuote);
        Translate(Text, Out);
        if (Quote && closeQuote) Out.append(closeQuote);
        break;
      }
      case 'c': {
        const char C = static_cast<char>(va_arg(Args, int));
        if (C != '\0') Out.push_back(C);
        break;
      }
      case 'd':
      case 'i': AppendNumber(Out, va_arg(Args, int)); break;
      case 'l': AppendNumber(Out, va_arg(Args, long)); break;
      case 'f': AppendFixed(Out, va_arg(Args, double)); break;
      case 'D':
        if (!FormatDate(va_arg(Args, const char*), Out)) return false;
        break;
      default: Out.push_back(*P); break;
    }
  }
  BeginItem();
  Write(Out.data(), static_cast<int>(Out.size()));
  itemCount += Extra;
  return true;
}

int TAC::Printf(const char* Fmt, ...) {
  TAC* Level = current;
  if (!Level->buffer) return -1;
  if (!Fmt) return Level->itemCount;
  va_list Args;
  va_start(Args, Fmt);
  int Extra = 0;
  Level->Format(Fmt, Args, Extra);
  va_end(Args);
  return Level->itemCount;
}

int TAC::Push(const char* Prefix, const char* Separator, const char* Suffix) {
  TAC* Level = new (std::nothrow) TAC(Separator, 0);
  if (!Level) return -1;
  if (!Level->buffer) {
    delete Level;
    return -1;
  }
  TAC* Below = current;
  std::memcpy(Level->translation, Below->translation, sizeof translation);
  std::memcpy(Level->escape, Below->escape, sizeof escape);
  Level->openQuote = Below->openQuote;
  Level->closeQuote = Below->closeQuote;
  Level->prefix = Prefix;
  Level->suffix = Suffix;
  Level->parent = Below;
  current = Level;
  return 0;
}

int TAC::Pop(const char* EmptyText, bool Force) {
  TAC* Level = current;
  if (!Level->parent) return -1;
  const int Count = Level->itemCount;
  TAC* Parent = Level->parent;
  current = Parent;
  if (Force || Count != 0) {
    // A level without prefix still makes an item of its own in the parent.
    Parent->BeginItem();
    Parent->Write(Level->prefix, -1);
    Parent->Write(Count != 0 ? Level->GetText() : EmptyText, -1);
    Parent->Write(Level->suffix, -1);
  }
  delete Level;
  return Count;
}

void TAC::SetSeparator(const char* Separator) {
  TAC* Level = current;
  Level->separator = Separator ? Separator : " ";
  Level->separatorLength = static_cast<int>(std::strlen(Level->separator));
}

void TAC::SetTranslation(const char* From, const char* To, const char* Remove) {
  TAC* Level = current;
  for (int C = 0; C < 256; ++C) Level->translation[C] = static_cast<unsigned char>(C);
  if (From && To) {
    for (; *From && *To; ++From, ++To)
      Level->translation[static_cast<unsigned char>(*From)] = static_cast<unsigned char>(*To);
  }
  if (Remove) {
    for (; *Remove; ++Remove) Level->translation[static_cast<unsigned char>(*Remove)] = 0;
  }
}

void TAC::SetEscape(char EscapeChar, const char* Chars) {
  TAC* Level = current;
  std::memset(Level->escape, 0, sizeof escape);
  if (Chars) {
    for (; *Chars; ++Chars)
      Level->escape[static_cast<unsigned char>(*Chars)] = static_cast<unsigned char>(EscapeChar);
  }
}

void TAC::SetQuotes(const char* Open, const char* Close) {
  TAC* Level = current;
  Level->openQuote = Open;
  Level->closeQuote = Close ? Close : Open;
}

int TAC::GetItemCount() const { return current->itemCount; }

} // namespace Morvik
