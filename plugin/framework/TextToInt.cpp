#include "plugin/framework/TextToInt.h"

#include <climits>

namespace Morvik {

int TextToInt(const char* Text) {
  if (!Text) return 0;
  const char* P = Text;
  while (*P == ' ' || *P == '\t' || *P == '\n' || *P == '\r' || *P == '\v' || *P == '\f') ++P;
  bool Negative = false;
  if (*P == '+' || *P == '-') {
    Negative = *P == '-';
    ++P;
  }
  long long Value = 0;
  const long long Limit = Negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  for (; *P >= '0' && *P <= '9'; ++P) {
    Value = Value * 10 + (*P - '0');
    if (Value > Limit) Value = Limit;
  }
  return static_cast<int>(Negative ? -Value : Value);
}

} // namespace Morvik
