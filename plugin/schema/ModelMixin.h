// The generic model: its tables and references in creation order, created and destroyed on
// request, and direct access to both containers for code inside the plug-in.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "Interface/MorvikInterface.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/Parent.h"
#include "plugin/schema/OwnedList.h"

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
    tables.Clear();
    references.Clear();
  }

  int GetTableCount() const override { return tables.Count(); }
  TTable* GetTable(int Idx) const override { return tables.At(Index(Idx)); }
  TTable* NewTable() override { return tables.Add(std::make_unique<Tab>(static_cast<TParent*>(this))); }
  // The caller deletes the references that name the table first.
  void DeleteTable(TTable* Table) override { tables.Delete(Table); }

  int GetReferenceCount() const override { return references.Count(); }
  TReference* GetReference(int Idx) const override { return references.At(Index(Idx)); }
  // Neither table is tested: both may be the same table.
  TReference* NewReference(TTable* Parent, TTable* Child) override {
    return references.Add(std::make_unique<Ref>(static_cast<TParent*>(this), Parent, Child));
  }
  void DeleteReference(TReference* Reference) override { references.Delete(Reference); }

protected:
  const VTabs& Tables() const { return tables.Items(); }
  const VRefs& References() const { return references.Items(); }
  // The same objects as their own classes, in the same order.
  const std::vector<Tab*>& TypedTables() const { return tables.Typed(); }
  const std::vector<Ref*>& TypedReferences() const { return references.Typed(); }

private:
  static std::size_t Index(int Idx) { return static_cast<std::size_t>(Idx); }

  TOwnedList<TTable, Tab> tables;
  TOwnedList<TReference, Ref> references;
};

} // namespace Morvik
