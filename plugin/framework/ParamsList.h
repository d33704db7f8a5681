// The ordered parameter list of one kind of plug-in object: scalar and list parameters in
// the order the user sees them, and which parameter enables which.
#pragma once

#include <vector>

#include "Interface/MorvikInterface.h"
#include "plugin/framework/ListParamGeneratorC.h"
#include "plugin/framework/ParamInfo.h"

namespace Morvik {

// Static lists derive from this class and add nothing but a constructor that calls Add,
// AddList, AddOption and Append. A list holds one reference on every description and
// generator it contains and releases them when destroyed.
class TParamsList {
public:
  TParamsList() = default;
  TParamsList(const TParamsList&) = delete;
  TParamsList& operator=(const TParamsList&) = delete;
  ~TParamsList();

  // Takes over the reference with which Info was created. DependParam is a scalar index,
  // -1 for an always enabled parameter; DependValues a static "|"-separated text.
  void Add(TParamInfoC* Info, int DependParam = -1, const char* DependValues = "");
  // Takes over the references of Info and Generator.
  void AddList(TListParamInfoC* Info, TListParamGeneratorC* Generator, int DependParam = -1,
               const char* DependValues = "");
  // Adds an option to the scalar parameter added last.
  void AddOption(const char* Text);
  // Appends Other's parameters after this list's own, sharing its descriptions.
  void Append(const TParamsList& Other);

  int GetScalarCount() const { return static_cast<int>(scalarInfos.size()); }
  TParamInfoC* GetScalarInfo(int Idx) const { return scalarInfos[Index(Idx)]; }
  int GetListCount() const { return static_cast<int>(listInfos.size()); }
  TListParamInfoC* GetListInfo(int Idx) const { return listInfos[Index(Idx)]; }
  TListParamGeneratorC* GetGenerator(int Idx) const { return generators[Index(Idx)]; }

  int GetPositionCount() const { return static_cast<int>(kinds.size()); }
  TParamKind GetKind(int Pos) const { return kinds[Index(Pos)]; }
  int GetKindIndex(int Pos) const { return kindIndexes[Index(Pos)]; }
  int GetDependParam(int Pos) const { return dependParams[Index(Pos)]; }
  const char* GetDependValues(int Pos) const { return dependValues[Index(Pos)]; }

private:
  static std::size_t Index(int Idx) { return static_cast<std::size_t>(Idx); }

  std::vector<TParamInfoC*> scalarInfos;
  std::vector<TListParamInfoC*> listInfos;
  std::vector<TListParamGeneratorC*> generators;
  std::vector<TParamKind> kinds;
  std::vector<int> kindIndexes;
  std::vector<int> dependParams;
  std::vector<const char*> dependValues;
};

} // namespace Morvik
