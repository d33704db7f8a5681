// The model list that Models returns: the plug-in offers one model, InterBase 6.
#pragma once

#include "Interface/MorvikInterface.h"

namespace Varne {

class TSupportedModels : public Morvik::TModels {
public:
  constexpr TSupportedModels() = default;
  int GetCount() const override;
  Morvik::TModelInfo* GetModelInfo(int Idx) const override;
  Morvik::TModel* CreateModel(int Idx) const override;
  int IndexOf(const char* ModelName) const override;
  const char* GetVersion() const override;
  const char* GetAuthor() const override;
};

} // namespace Varne
