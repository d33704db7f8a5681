#include "plugin/framework/ParamEnabling.h"

#include <cstring>

namespace Morvik {

bool IsDependValue(const char* DependValues, const char* Value) {
  const char* Values = DependValues ? DependValues : "";
  const char* Wanted = Value ? Value : "";
  const std::size_t WantedLength = std::strlen(Wanted);
  for (;;) {
    const char* Bar = std::strchr(Values, '|');
    const std::size_t Length = Bar ? static_cast<std::size_t>(Bar - Values) : std::strlen(Values);
    if (Length == WantedLength && std::strncmp(Values, Wanted, Length) == 0) return true;
    if (!Bar) return false;
    Values = Bar + 1;
  }
}

int ScalarPosition(const TParamObjectInfo& Info, int ScalarIdx) {
  const int Count = Info.GetParamCount() + Info.GetListParamCount();
  for (int Pos = 0; Pos < Count; ++Pos) {
    if (Info.GetParamKind(Pos) == pkScalar && Info.GetKindIndex(Pos) == ScalarIdx) return Pos;
  }
  return -1;
}

bool IsParamEnabled(const TParamObject& Object, int Pos) {
  const int Count = Object.GetParamCount() + Object.GetListParamCount();
  // A chain longer than the number of positions has come round to itself.
  for (int Steps = 0; Steps <= Count; ++Steps) {
    const int Depend = Object.GetDependParam(Pos);
    if (Depend < 0) return true;
    if (Depend >= Object.GetParamCount()) return false;
    if (!IsDependValue(Object.GetDependValues(Pos), Object.GetParamValue(Depend))) return false;
    Pos = ScalarPosition(Object, Depend);
    if (Pos < 0) return false;
  }
  return false;
}

} // namespace Morvik
