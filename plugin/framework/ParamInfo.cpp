#include "plugin/framework/ParamInfo.h"

namespace Morvik {

const char* TParamInfoC::GetOption(int Idx) const {
  if (Idx < 0 || Idx >= static_cast<int>(options.size())) return nullptr;
  return options[static_cast<std::size_t>(Idx)];
}

} // namespace Morvik
