// Descriptions of one parameter: name and help, the value type and options of a scalar,
// the naming parameter of a list. Built once at load, shared by reference count.
#pragma once

#include <vector>

#include "Interface/MorvikInterface.h"
#include "plugin/framework/RefCountMixin.h"

namespace Morvik {

// Name and help are static texts of the plug-in; they are kept, never copied or freed.
class TParamInfoCommonC : public virtual TParamInfoCommon, public virtual TRefCountMixin {
public:
  TParamInfoCommonC(const char* Name, const char* Help) : name(Name), help(Help) {}
  const char* GetName() const override { return name; }
  const char* GetHelp() const override { return help; }
  ~TParamInfoCommonC() override = default;

private:
  const char* name;
  const char* help;
};

// A scalar parameter. Option texts are static texts too.
class TParamInfoC : public virtual TParamInfo, public virtual TParamInfoCommonC {
public:
  TParamInfoC(const char* Name, const char* Help, int Flag, TParamType Type)
      : TParamInfoCommonC(Name, Help), flag(Flag), type(Type) {}
  int GetFlag() const override { return flag; }
  TParamType GetType() const override { return type; }
  // NULL when Idx names no option (stored files may carry "-1" or out-of-range indexes).
  const char* GetOption(int Idx) const override;
  int GetOptionCount() const override { return static_cast<int>(options.size()); }
  void AddOption(const char* Text) { options.push_back(Text); }
  ~TParamInfoC() override = default;

private:
  int flag;
  TParamType type;
  std::vector<const char*> options;
};

// The name, help and naming part of a list parameter; the item description is supplied by
// TListParamInfoCMixin.
class TListParamInfoC : public virtual TListParamInfo, public virtual TParamInfoCommonC {
public:
  TListParamInfoC(const char* Name, const char* Help, int ItemNameParam)
      : TParamInfoCommonC(Name, Help), itemNameParam(ItemNameParam) {}
  int GetItemNameParam() const override { return itemNameParam; }
  ~TListParamInfoC() override = default;

private:
  int itemNameParam;
};

} // namespace Morvik
