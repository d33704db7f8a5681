// Pruning the column pairs of references when a column is deleted.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "plugin/framework/Framework.h"

namespace {

using namespace Morvik;

struct TEmpty_P : TParamsList {};
using TEmptyInfo = TParamObjectInfoMixin<TEmpty_P>;

class TFakeColumn : public virtual TColumn, public TParamObjectMixin<TEmptyInfo>, public TVarNamedMixin {
public:
  TFakeColumn() : TParent(nullptr), TParamObjectMixin<TEmptyInfo>(nullptr) {}
  bool SetKey(bool Key) override { return false; }
  bool GetKey() const override { return false; }
  TDataType* SetDataType(int Idx) override { return nullptr; }
  TDataType* GetDataType() const override { return nullptr; }
};

class TFakeReference : public virtual TReference,
                       public TParamObjectMixin<TEmptyInfo>,
                       public TVarNamedMixin {
public:
  TFakeReference() : TParent(nullptr), TParamObjectMixin<TEmptyInfo>(nullptr) {}
  int GetPairCount() const override { return static_cast<int>(pairs.size()); }
  void AddPair(TColumn* Parent, TColumn* Child) override { pairs.push_back({Parent, Child}); }
  void DeletePair(int Idx) override { pairs.erase(pairs.begin() + Idx); }
  TColumn* GetPairColumn(int Side, int Idx) const override {
    return Side == 0 ? pairs.at(static_cast<std::size_t>(Idx)).first
                     : pairs.at(static_cast<std::size_t>(Idx)).second;
  }
  void SetPairColumn(int Side, int Idx, TColumn* Column) override {}
  const char* CheckPairs(int Idx) const override { return nullptr; }
  TTable* GetParentTable() const override { return nullptr; }
  TTable* GetChildTable() const override { return nullptr; }

private:
  std::vector<std::pair<TColumn*, TColumn*>> pairs;
};

class TFakeModel : public virtual TModel, public TParamObjectMixin<TEmptyInfo> {
public:
  TFakeModel() : TParent(nullptr), TParamObjectMixin<TEmptyInfo>(nullptr) {}
  const char* GetName() const override { return "fake"; }
  TParamObjectInfo* GetTableInfo() const override { return nullptr; }
  TParamObjectInfo* GetColumnInfo() const override { return nullptr; }
  TParamObjectInfo* GetReferenceInfo() const override { return nullptr; }
  TReverseSources* GetReverseSources() const override { return nullptr; }
  int GetDataTypeCount() const override { return 0; }
  TDataTypeInfo* GetDataTypeInfo(int Idx) const override { return nullptr; }
  TReverse* GetReverse() override { return nullptr; }
  int GetTableCount() const override { return 0; }
  TTable* GetTable(int Idx) const override { return nullptr; }
  TTable* NewTable() override { return nullptr; }
  void DeleteTable(TTable* Table) override {}
  int GetReferenceCount() const override { return static_cast<int>(references.size()); }
  TReference* GetReference(int Idx) const override {
    return references.at(static_cast<std::size_t>(Idx)).get();
  }
  TReference* NewReference(TTable* Parent, TTable* Child) override {
    references.push_back(std::make_unique<TFakeReference>());
    return references.back().get();
  }
  void DeleteReference(TReference* Reference) override {}
  void Release() override {}

private:
  std::vector<std::unique_ptr<TFakeReference>> references;
};

class RemoveReferencesToTest : public ::testing::Test {
protected:
  RemoveReferencesToTest() { TStaticInstance<TEmpty_P>::Build(); }
  ~RemoveReferencesToTest() override { TStaticInstance<TEmpty_P>::Destroy(); }

  // Columns are letters; a reference is written as its pairs "parent child" apart by
  // blanks, e.g. "ab xc" pairs a with b and x with c.
  TColumn* Column(char Name) {
    auto& Slot = columns[Name];
    if (!Slot) {
      Slot = std::make_unique<TFakeColumn>();
      Slot->SetName(std::string(1, Name).c_str());
    }
    return Slot.get();
  }

  void Build(TFakeModel& Model, const std::vector<std::string>& References) {
    for (const auto& Pairs : References) {
      TReference* Reference = Model.NewReference(nullptr, nullptr);
      std::istringstream In(Pairs);
      std::string Pair;
      while (In >> Pair) Reference->AddPair(Column(Pair[0]), Column(Pair[1]));
    }
  }

  static std::vector<std::string> Read(const TModel& Model) {
    std::vector<std::string> Out;
    for (int R = 0; R < Model.GetReferenceCount(); ++R) {
      const TReference* Reference = Model.GetReference(R);
      std::string Pairs;
      for (int J = 0; J < Reference->GetPairCount(); ++J) {
        if (J) Pairs += ' ';
        Pairs += Reference->GetPairColumn(0, J)->GetName();
        Pairs += Reference->GetPairColumn(1, J)->GetName();
      }
      Out.push_back(Pairs);
    }
    return Out;
  }

  std::map<char, std::unique_ptr<TFakeColumn>> columns;
};

TEST_F(RemoveReferencesToTest, RemovesEveryPairUsingTheColumn) {
  struct TCase {
    std::vector<std::string> Before;
    char Deleted;
    std::vector<std::string> After;
  };
  const TCase Cases[] = {
      // Once on each side of one reference; the others keep their order.
      {{"ab xc dx ef"}, 'x', {"ab ef"}},
      // Adjacent pairs both using the column.
      {{"xa xb cd"}, 'x', {"cd"}},
      {{"ax bx"}, 'x', {""}},
      // Several references; a reference losing its only pair stays without pairs.
      {{"xa", "bc", "dx bd"}, 'x', {"", "bc", "bd"}},
      // Unused column: nothing changes.
      {{"ab cd"}, 'x', {"ab cd"}},
      // No references at all.
      {{}, 'x', {}},
  };
  for (const auto& Case : Cases) {
    TFakeModel Model;
    Build(Model, Case.Before);
    RemoveReferencesTo(&Model, Column(Case.Deleted));
    EXPECT_EQ(Read(Model), Case.After) << "deleting " << Case.Deleted;
  }
}

TEST_F(RemoveReferencesToTest, ComparesColumnsByIdentityNotByName) {
  TFakeModel Model;
  Build(Model, {"ab"});
  TFakeColumn SameName;
  SameName.SetName("a");
  RemoveReferencesTo(&Model, &SameName);
  EXPECT_EQ(Read(Model), std::vector<std::string>{"ab"});
}

} // namespace
