#include "plugin/framework/SupportedModels.h"

#include "plugin/framework/PluginEntry.h"

namespace Varne {

int TSupportedModels::GetCount() const { return 1; }

Morvik::TModelInfo* TSupportedModels::GetModelInfo(int Idx) const {
  return Idx == 0 ? MyModelInfo() : nullptr;
}

Morvik::TModel* TSupportedModels::CreateModel(int Idx) const { return Idx == 0 ? CreateMyModel() : nullptr; }

int TSupportedModels::IndexOf(const char* ModelName) const { return 0; }

const char* TSupportedModels::GetVersion() const { return "2.0"; }

const char* TSupportedModels::GetAuthor() const {
  return "InterBase 6 model for Morvik, by the Varne developers";
}

} // namespace Varne
