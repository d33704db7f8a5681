// Owners for data-type objects and variables: a plain parameter object to stand for a
// column, a table or a procedure, and a small model whose position 15 is a "Domains" list.
#pragma once

#include <initializer_list>

#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/ParamInfo.h"
#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/framework/StaticInstance.h"

namespace DataTypesTest {

class TNoParams_P : public Morvik::TParamsList {};

class TPlainOwner : public Morvik::TParamObjectMixin<Morvik::TParamObjectInfoMixin<TNoParams_P>> {
public:
  explicit TPlainOwner(Morvik::TParent* Owner)
      : Morvik::TParent(Owner), Morvik::TParamObjectMixin<Morvik::TParamObjectInfoMixin<TNoParams_P>>(Owner) {
  }
};

class TNameOnly_P : public Morvik::TParamsList {
public:
  TNameOnly_P() { Add(new Morvik::TParamInfoC("Name", "Name of domain", 1, Morvik::ptString)); }
};

using TNameOnlyInfo = Morvik::TParamObjectInfoMixin<TNameOnly_P>;

class TTestDomain : public Morvik::TParamObjectMixin<TNameOnlyInfo> {
public:
  explicit TTestDomain(Morvik::TParent* Owner)
      : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TNameOnlyInfo>(Owner) {}
};

// Fifteen scalars, then "Domains" at position 15, as the model lays them out.
class TTestModel_P : public Morvik::TParamsList {
public:
  TTestModel_P() {
    for (int I = 0; I < 15; ++I) Add(new Morvik::TParamInfoC("Scalar", "", 1, Morvik::ptString));
    AddList(new Morvik::TListParamInfoCMixin<TNameOnlyInfo>("Domains", "Common column types", 0),
            new Morvik::TLPGeneratorMixin<TTestDomain>());
  }
};

using TTestModelInfo = Morvik::TParamObjectInfoMixin<TTestModel_P>;

class TTestModel : public virtual Morvik::TModel, public virtual Morvik::TParamObjectMixin<TTestModelInfo> {
public:
  TTestModel() : Morvik::TParent(nullptr), Morvik::TParamObjectMixin<TTestModelInfo>(nullptr) {}

  void AddDomains(std::initializer_list<const char*> Names) {
    Morvik::TListParam* Domains = GetListParam(GetKindIndex(15));
    for (const char* Name : Names) Domains->AddItem()->SetParamValue(0, Name);
  }

  const char* GetName() const override { return "test"; }
  Morvik::TParamObjectInfo* GetTableInfo() const override { return nullptr; }
  Morvik::TParamObjectInfo* GetColumnInfo() const override { return nullptr; }
  Morvik::TParamObjectInfo* GetReferenceInfo() const override { return nullptr; }
  Morvik::TReverseSources* GetReverseSources() const override { return nullptr; }
  int GetDataTypeCount() const override { return 0; }
  Morvik::TDataTypeInfo* GetDataTypeInfo(int) const override { return nullptr; }
  Morvik::TReverse* GetReverse() override { return nullptr; }
  int GetTableCount() const override { return 0; }
  Morvik::TTable* GetTable(int) const override { return nullptr; }
  Morvik::TTable* NewTable() override { return nullptr; }
  void DeleteTable(Morvik::TTable*) override {}
  int GetReferenceCount() const override { return 0; }
  Morvik::TReference* GetReference(int) const override { return nullptr; }
  Morvik::TReference* NewReference(Morvik::TTable*, Morvik::TTable*) override { return nullptr; }
  void DeleteReference(Morvik::TReference*) override {}
  void Release() override { delete this; }
};

// Builds the test lists once for the whole program.
inline void BuildTestLists() {
  Morvik::TStaticInstance<TNoParams_P>::Build();
  Morvik::TStaticInstance<TNameOnly_P>::Build();
  Morvik::TStaticInstance<TTestModel_P>::Build();
}

} // namespace DataTypesTest
