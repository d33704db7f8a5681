#include "Interface/edit/EditPrecondition.h"

#include <cstddef>
#include <cctype>

namespace Morvik {

namespace {

// Assertion texts name a condition in its compact form, with no blanks around the
// relational and additive operators ("Idx>=0 && Idx<(int)List.size()"), whatever the
// layout of the source line that states it.
std::string CompactCondition(const char* Condition) {
  const std::string Text(Condition);
  std::string Result;
  Result.reserve(Text.size());
  auto Operand = [&Result]() {
    std::size_t n = Result.size();
    while (n > 0 && Result[n - 1] == ' ') --n;
    if (n == 0) return false;
    const char C = Result[n - 1];
    return std::isalnum(static_cast<unsigned char>(C)) || C == '_' || C == ')' || C == ']';
  };
  for (std::size_t i = 0; i < Text.size();) {
    std::size_t Length = 0;
    if (Text.compare(i, 2, "<=") == 0 || Text.compare(i, 2, ">=") == 0)
      Length = 2;
    else if (Text[i] == '<' || Text[i] == '+')
      Length = 1;
    // "->" is member access; a minus is tightened only between two operands.
    else if (Text[i] == '>' && (i == 0 || Text[i - 1] != '-'))
      Length = 1;
    else if (Text[i] == '-' && Text.compare(i, 2, "->") != 0 && Operand())
      Length = 1;
    if (Length == 0) {
      Result += Text[i++];
      continue;
    }
    while (!Result.empty() && Result.back() == ' ') Result.pop_back();
    Result.append(Text, i, Length);
    i += Length;
    while (i < Text.size() && Text[i] == ' ') ++i;
  }
  return Result;
}

} // namespace

EEditPrecondition::EEditPrecondition(const char* Condition)
    : std::logic_error(std::string("Nesplněná podmínka: ") + CompactCondition(Condition) +
                       ", soubor Interface/edit"),
      condition(CompactCondition(Condition)) {}

void RaiseEditPrecondition(const char* Condition) { throw EEditPrecondition(Condition); }

TParamObjectInfo* RequireParamObjectInfo(TParamObjectInfo* _ParamObjectInfo) {
  EDIT_REQUIRE(_ParamObjectInfo != NULL); // the text callers see
  return _ParamObjectInfo;
}

} // namespace Morvik
