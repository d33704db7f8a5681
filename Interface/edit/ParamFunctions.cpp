#include "Interface/edit/ParamFunctions.h"

#include "Interface/edit/EditPrecondition.h"

#include <climits>
#include <cstring>

using namespace Morvik;

int FindParamPosition(const TParamObject* Object, TParamKind Kind, int KindIndex) {
  EDIT_REQUIRE(Object != NULL);
  const int Count = Object->GetParamCount() + Object->GetListParamCount();
  for (int p = 0; p < Count; ++p)
    if (Object->GetParamKind(p) == Kind && Object->GetKindIndex(p) == KindIndex) return p;
  return -1;
}

namespace {

// Whether Value equals one of the pieces of Accepted cut at each "|".
bool IsAcceptedValue(const char* Accepted, const char* Value) {
  const std::size_t ValueLength = std::strlen(Value);
  const char* Piece = Accepted ? Accepted : "";
  for (;;) {
    const char* Bar = std::strchr(Piece, '|');
    const std::size_t PieceLength = Bar ? static_cast<std::size_t>(Bar - Piece) : std::strlen(Piece);
    if (PieceLength == ValueLength && std::memcmp(Piece, Value, PieceLength) == 0) return true;
    if (!Bar) return false;
    Piece = Bar + 1;
  }
}

} // namespace

bool IsParamEnabled(const TParamObject* Object, int Pos) {
  EDIT_REQUIRE(Object != NULL);
  const int ScalarCount = Object->GetParamCount();
  const int Count = ScalarCount + Object->GetListParamCount();
  // A parameter is enabled when every link of its chain of dependencies accepts the value
  // of its controlling parameter. A chain longer than the number of positions has
  // returned to a position already seen: a circle, which enables nothing.
  for (int Steps = 0; Steps <= Count; ++Steps) {
    if (Pos < 0 || Pos >= Count) return false;
    const int DependParam = Object->GetDependParam(Pos);
    if (DependParam == -1) return true;
    if (DependParam < 0 || DependParam >= ScalarCount) return false;
    const int DependPos = FindParamPosition(Object, pkScalar, DependParam);
    if (DependPos == -1) return false;
    const char* Value = Object->GetParamValue(DependParam);
    if (!IsAcceptedValue(Object->GetDependValues(Pos), Value ? Value : "")) return false;
    Pos = DependPos;
  }
  return false;
}

int TextToInt(const char* Text) {
  if (!Text) return 0;
  while (*Text == ' ' || *Text == '\t' || *Text == '\n' || *Text == '\r' || *Text == '\v' || *Text == '\f')
    ++Text;
  bool Negative = false;
  if (*Text == '+' || *Text == '-') Negative = *Text++ == '-';
  long long Value = 0;
  for (; *Text >= '0' && *Text <= '9'; ++Text) {
    Value = Value * 10 + (*Text - '0');
    if (Value > static_cast<long long>(INT_MAX) + 1) Value = static_cast<long long>(INT_MAX) + 1;
  }
  if (Negative) Value = -Value;
  if (Value > INT_MAX) Value = INT_MAX;
  return static_cast<int>(Value);
}

const char* GetParamDisplayText(const TParamObject* Object, int Idx) {
  EDIT_REQUIRE(Object != NULL);
  EDIT_REQUIRE(Idx >= 0 && Idx < Object->GetParamCount());
  const char* Value = Object->GetParamValue(Idx);
  if (!Value) Value = "";
  const TParamInfo* Info = Object->GetParam(Idx);
  if (!Info) return Value;
  switch (Info->GetType()) {
    case ptBoolean: return TextToInt(Value) != 0 ? "TRUE" : "FALSE";
    case ptEnum: {
      // A value that names no option reads as unset.
      const int Option = TextToInt(Value);
      if (Option < 0 || Option >= Info->GetOptionCount()) return "";
      const char* Text = Info->GetOption(Option);
      return Text ? Text : "";
    }
    default: return Value;
  }
}
