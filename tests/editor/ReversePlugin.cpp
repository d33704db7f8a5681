// A plug-in for the tests only: the InterBase model of the delivered plug-in, plus reverse
// engineering over a fixed catalogue held in memory. The data source names the catalogue:
//   "v1"           CUSTOMER, ORDERS, ITEM; FK_ORDERS_CUSTOMER, FK_ITEM_ORDERS
//   "v2"           CUSTOMER (a column more), ORDERS, PRODUCT; FK_ORDERS_CUSTOMER,
//                  FK_ORDERS_PRODUCT (ITEM and FK_ITEM_ORDERS are gone)
//   "fail-schemas" the schema query fails; "fail-items" the object query fails;
//   "fail-result"  reading the objects fails with a runtime error
// The user "nobody" is refused with a runtime error, the user "crash" with an int.
// The result compares the chosen tables with the model: tables of the catalogue that the
// model lacks are new, those it has are changed in place, model tables the catalogue lacks
// are dropped (their references first); references likewise, between tables of the model.
#include "Interface/MorvikInterface.h"
#include "plugin/framework/PluginEntry.h"
#include "plugin/schema/MyModel.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct TColumnDef {
  const char* Name;
  bool Key;
};
struct TTableDef {
  const char* Name;
  std::vector<TColumnDef> Columns;
};
struct TReferenceDef {
  const char* Name;
  const char* Parent;
  const char* ParentColumn;
  const char* Child;
  const char* ChildColumn;
};
struct TCatalogue {
  std::vector<TTableDef> Tables;
  std::vector<TReferenceDef> References;
};

const TCatalogue& Catalogue(const std::string& Source) {
  static const TCatalogue v1{{{"CUSTOMER", {{"ID", true}, {"NAME", false}}},
                              {"ORDERS", {{"ID", true}, {"CUSTOMER_ID", false}}},
                              {"ITEM", {{"ID", true}, {"ORDER_ID", false}}}},
                             {{"FK_ORDERS_CUSTOMER", "CUSTOMER", "ID", "ORDERS", "CUSTOMER_ID"},
                              {"FK_ITEM_ORDERS", "ORDERS", "ID", "ITEM", "ORDER_ID"}}};
  static const TCatalogue v2{{{"CUSTOMER", {{"ID", true}, {"NAME", false}, {"EMAIL", false}}},
                              {"ORDERS", {{"ID", true}, {"CUSTOMER_ID", false}, {"PRODUCT_ID", false}}},
                              {"PRODUCT", {{"ID", true}}}},
                             {{"FK_ORDERS_CUSTOMER", "CUSTOMER", "ID", "ORDERS", "CUSTOMER_ID"},
                              {"FK_ORDERS_PRODUCT", "PRODUCT", "ID", "ORDERS", "PRODUCT_ID"}}};
  return Source == "v2" ? v2 : v1;
}

class TItem : public Morvik::TReverseItem {
public:
  TItem(std::string Text, bool Selected) : text(std::move(Text)), selected(Selected) {}
  const char* GetText() const override { return text.c_str(); }
  void SetSelected(bool Selected) override { selected = Selected; }
  int GetSelected() const override { return selected ? 1 : 0; }

private:
  std::string text;
  bool selected;
};

class TGroup : public Morvik::TReverseGroup {
public:
  explicit TGroup(std::string Caption) : caption(std::move(Caption)) {}
  int GetItemsCount() const override { return static_cast<int>(items.size()); }
  Morvik::TReverseItem* GetItem(int Idx) override { return &items[static_cast<std::size_t>(Idx)]; }
  const char* GetCaption() const override { return caption.c_str(); }
  std::vector<TItem> items;

private:
  std::string caption;
};

class TGroups : public Morvik::TReverseGroups {
public:
  int GetCount() const override { return static_cast<int>(groups.size()); }
  Morvik::TReverseGroup* GetGroup(int Idx) override { return &groups[static_cast<std::size_t>(Idx)]; }
  std::vector<TGroup> groups;
};

class TResult : public Morvik::TReverseResult {
public:
  int GetNewTableCount() const override { return Count(NewTables); }
  Morvik::TTable* GetNewTable(int Idx) const override { return NewTables[At(Idx)]; }
  int GetNewReferenceCount() const override { return Count(NewReferences); }
  Morvik::TReference* GetNewReference(int Idx) const override { return NewReferences[At(Idx)]; }
  int GetDroppedTableCount() const override { return Count(DroppedTables); }
  Morvik::TTable* GetDroppedTable(int Idx) const override { return DroppedTables[At(Idx)]; }
  int GetDroppedReferenceCount() const override { return Count(DroppedReferences); }
  Morvik::TReference* GetDroppedReference(int Idx) const override { return DroppedReferences[At(Idx)]; }

  std::vector<Morvik::TTable*> NewTables, DroppedTables;
  std::vector<Morvik::TReference*> NewReferences, DroppedReferences;

private:
  template <class V>
  static int Count(const V& Vector) {
    return static_cast<int>(Vector.size());
  }
  static std::size_t At(int Idx) { return static_cast<std::size_t>(Idx); }
};

class TOptionsSources : public Morvik::TReverseSources {
public:
  int GetCount() const override { return 2; }
  const char* GetSource(int Idx) const override { return Idx == 0 ? "Katalog" : "Katalog bez voleb"; }
};
const TOptionsSources Sources;

class TCatalogueReverse : public Morvik::TReverse {
public:
  explicit TCatalogueReverse(Morvik::TModel* Model) : model(Model) {}

  // The source's options are the model's own parameters (source 0) or none (source 1).
  Morvik::TParamObject* GetParams(int SourceIndex) override { return SourceIndex == 0 ? model : nullptr; }
  void Connect(const char* User, const char* Password, const char* DataSource) override {
    const std::string user = User ? User : "";
    if (user == "nobody") throw std::runtime_error("Login refused for nobody");
    if (user == "crash") throw 42;
    source = DataSource ? DataSource : "";
  }
  void SetProgress(Morvik::TProgress* Progress) override { progress = Progress; }

  Morvik::TReverseGroups* GetSchemas() override {
    Start("Schémata", 1);
    if (source == "fail-schemas") throw Morvik::QUERY_FAILED("Dotaz na schémata selhal: no permission");
    Step("PUBLIC");
    schemas.groups.clear();
    schemas.groups.emplace_back("Schémata");
    schemas.groups.back().items.emplace_back("PUBLIC", true);
    schemas.groups.emplace_back("Typy objektů");
    schemas.groups.back().items.emplace_back("Tabulky", true);
    schemas.groups.back().items.emplace_back("Reference", true);
    return &schemas;
  }

  Morvik::TReverseGroups* GetItems() override {
    const TCatalogue& c = Catalogue(source);
    Start("Objekty", static_cast<int>(c.Tables.size()));
    if (source == "fail-items") throw Morvik::QUERY_FAILED("Dotaz na objekty selhal: table locked");
    items.groups.clear();
    items.groups.emplace_back("Tabulky");
    for (const TTableDef& t : c.Tables) {
      Step(t.Name);
      items.groups.back().items.emplace_back(t.Name, true);
    }
    items.groups.emplace_back("Prázdná");
    return &items;
  }

  Morvik::TReverseResult* GetResult() override {
    const TCatalogue& c = Catalogue(source);
    result = TResult();
    Start("Načítání", static_cast<int>(c.Tables.size() + c.References.size()));
    if (source == "fail-result") throw std::runtime_error("Spojení přerušeno");
    std::vector<std::string> chosen;
    if (!items.groups.empty())
      for (const TItem& i : items.groups[0].items)
        if (i.GetSelected()) chosen.emplace_back(i.GetText());
    // References that the catalogue lacks, or that name a table it lacks, go first.
    for (int i = model->GetReferenceCount() - 1; i >= 0; --i) {
      Morvik::TReference* r = model->GetReference(i);
      const bool known = std::any_of(c.References.begin(), c.References.end(), [&](const TReferenceDef& d) {
        return d.Name == std::string(r->GetName());
      });
      if (!known || !InCatalogue(c, r->GetParentTable()) || !InCatalogue(c, r->GetChildTable())) {
        result.DroppedReferences.push_back(r);
        model->DeleteReference(r);
      }
    }
    for (int i = model->GetTableCount() - 1; i >= 0; --i) {
      Morvik::TTable* t = model->GetTable(i);
      if (!InCatalogue(c, t)) {
        result.DroppedTables.push_back(t);
        model->DeleteTable(t);
      }
    }
    for (const TTableDef& d : c.Tables) {
      if (std::find(chosen.begin(), chosen.end(), d.Name) == chosen.end()) continue;
      Step(d.Name);
      Morvik::TTable* t = FindTable(d.Name);
      if (!t) {
        t = model->NewTable();
        t->SetName(d.Name);
        result.NewTables.push_back(t);
      }
      for (std::size_t k = 0; k < d.Columns.size(); ++k) {
        if (FindColumn(t, d.Columns[k].Name)) continue;
        Morvik::TColumn* column = t->AddColumn();
        column->SetName(d.Columns[k].Name);
        column->SetKey(d.Columns[k].Key);
      }
    }
    for (const TReferenceDef& d : c.References) {
      Step(d.Name);
      Morvik::TTable* parent = FindTable(d.Parent);
      Morvik::TTable* child = FindTable(d.Child);
      if (!parent || !child || FindReference(d.Name)) continue;
      Morvik::TReference* r = model->NewReference(parent, child);
      r->SetName(d.Name);
      r->AddPair(FindColumn(parent, d.ParentColumn), FindColumn(child, d.ChildColumn));
      result.NewReferences.push_back(r);
    }
    return &result;
  }

private:
  void Start(const char* Caption, int Max) {
    if (progress) progress->Start(Caption, Max);
  }
  void Step(const char* Text) {
    if (progress) progress->Step(Text);
  }
  static bool InCatalogue(const TCatalogue& C, const Morvik::TTable* Table) {
    return Table && std::any_of(C.Tables.begin(), C.Tables.end(),
                                [&](const TTableDef& d) { return d.Name == std::string(Table->GetName()); });
  }
  Morvik::TTable* FindTable(const std::string& Name) const {
    for (int i = 0; i < model->GetTableCount(); ++i)
      if (Name == model->GetTable(i)->GetName()) return model->GetTable(i);
    return nullptr;
  }
  Morvik::TReference* FindReference(const std::string& Name) const {
    for (int i = 0; i < model->GetReferenceCount(); ++i)
      if (Name == model->GetReference(i)->GetName()) return model->GetReference(i);
    return nullptr;
  }
  static Morvik::TColumn* FindColumn(const Morvik::TTable* Table, const std::string& Name) {
    for (int i = 0; i < Table->GetColumnCount(); ++i)
      if (Name == Table->GetColumn(i)->GetName()) return Table->GetColumn(i);
    return nullptr;
  }

  Morvik::TModel* model;
  Morvik::TProgress* progress = nullptr;
  std::string source;
  TGroups schemas, items;
  TResult result;
};

class TReverseModel : public Varne::TMyModel {
public:
  TReverseModel()
      : Morvik::TParent(nullptr), Morvik::TParamObjectMixin<Varne::TMyModelInfo>(nullptr), reverse(this) {}
  Morvik::TReverseSources* GetReverseSources() const override {
    return const_cast<TOptionsSources*>(&Sources);
  }
  Morvik::TReverse* GetReverse() override { return &reverse; }
  void Release() override { delete this; }

private:
  TCatalogueReverse reverse;
};

// A model that answers as the description: the one object the model list hands out.
TReverseModel* Description = nullptr;

class TReverseModels : public Morvik::TModels {
public:
  int GetCount() const override { return 1; }
  Morvik::TModelInfo* GetModelInfo(int Idx) const override {
    if (Idx != 0) return nullptr;
    if (!Description) Description = new TReverseModel;
    return Description;
  }
  Morvik::TModel* CreateModel(int Idx) const override { return Idx == 0 ? new TReverseModel : nullptr; }
  int IndexOf(const char*) const override { return 0; }
  const char* GetVersion() const override { return "0.1"; }
  const char* GetAuthor() const override { return "Reverse test catalogue"; }
};
TReverseModels List;

__attribute__((constructor)) void LoadUnits() {
  Varne::InitDataTypesUnit();
  Varne::InitModelUnit();
  Varne::InitReferencesUnit();
  Varne::InitTablesUnit();
  Varne::InitColumnsUnit();
}

__attribute__((destructor)) void UnloadUnits() {
  delete Description;
  Description = nullptr;
  Varne::FinalizeColumnsUnit();
  Varne::FinalizeTablesUnit();
  Varne::FinalizeReferencesUnit();
  Varne::FinalizeModelUnit();
  Varne::FinalizeDataTypesUnit();
}

} // namespace

extern "C" __attribute__((visibility("default"))) Morvik::TModels* Models() { return &List; }
