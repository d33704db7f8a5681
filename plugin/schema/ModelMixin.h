// The generic model: its tables and references in creation order, created and destroyed on
// request, and direct access to both containers for code inside the plug-in.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "Interface/MorvikInterface.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/Parent.h"

namespace Morvik {

using VTabs = std::vector<std::unique_ptr<TTable>>;
using VRefs = std::vector<std::unique_ptr<TReference>>;

// Inside the plug-in only: the model's two containers.
class TVectorsModel : public virtual TModel {
public:
  virtual const VTabs& GetTables() const = 0;
  virtual const VRefs& GetReferences() const = 0;
  ~TVectorsModel() override = default;
};

// Info: the model description; Tab is constructed as Tab(TParent* Owner), Ref as
// Ref(TParent* Owner, TTable* Parent, TTable* Child).
template <class Info, class Tab, class Ref>
class TModelMixin : public virtual TModel, public virtual TParamObjectMixin<Info> {
public:
  TModelMixin() : TParent(nullptr), TParamObjectMixin<Info>(nullptr) {}

  // Tables go before references; a reference's destructor touches neither table.
  ~TModelMixin() override {
    for (auto& Table : tables) Table.reset();
    for (auto& Reference : references) Reference.reset();
  }

  int GetTableCount() const override { return static_cast<int>(tables.size()); }
  TTable* GetTable(int Idx) const override { return tables[Index(Idx)].get(); }
  TTable* NewTable() override {
    auto Table = std::make_unique<Tab>(static_cast<TParent*>(this));
    typedTables.push_back(Table.get());
    tables.push_back(std::move(Table));
    return tables.back().get();
  }
  // The caller deletes the references that name the table first.
  void DeleteTable(TTable* Table) override { Remove(tables, typedTables, Table); }

  int GetReferenceCount() const override { return static_cast<int>(references.size()); }
  TReference* GetReference(int Idx) const override { return references[Index(Idx)].get(); }
  // Neither table is tested: both may be the same table.
  TReference* NewReference(TTable* Parent, TTable* Child) override {
    auto Reference = std::make_unique<Ref>(static_cast<TParent*>(this), Parent, Child);
    typedReferences.push_back(Reference.get());
    references.push_back(std::move(Reference));
    return references.back().get();
  }
  void DeleteReference(TReference* Reference) override { Remove(references, typedReferences, Reference); }

protected:
  const VTabs& Tables() const { return tables; }
  const VRefs& References() const { return references; }
  // The same objects as their own classes, in the same order.
  const std::vector<Tab*>& TypedTables() const { return typedTables; }
  const std::vector<Ref*>& TypedReferences() const { return typedReferences; }

private:
  static std::size_t Index(int Idx) { return static_cast<std::size_t>(Idx); }

  // Removes the element that owns Object (if any) and its typed pointer, and destroys
  // Object; NULL does nothing.
  template <class V, class Typed, class T>
  static void Remove(V& Vector, Typed& TypedVector, T* Object) {
    if (!Object) return;
    auto It = std::find_if(Vector.begin(), Vector.end(),
                           [Object](const auto& Owned) { return Owned.get() == Object; });
    if (It == Vector.end()) return;
    TypedVector.erase(TypedVector.begin() + (It - Vector.begin()));
    auto Owned = std::move(*It);
    Vector.erase(It);
  }

  VTabs tables;
  VRefs references;
  std::vector<Tab*> typedTables;
  std::vector<Ref*> typedReferences;
};

} // namespace Morvik
