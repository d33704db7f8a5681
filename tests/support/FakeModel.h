// A small stand-in for a model plug-in, written against the plug-in interface only. Its
// descriptions are built by the test, and every object's findings are set by the test, so
// that it can show situations the real plug-in never produces (circular enabling, pairs
// without columns, references without tables).
#pragma once

#include "Interface/MorvikInterface.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fake {

class TFakeParamInfo : public virtual Morvik::TParamInfo {
public:
  TFakeParamInfo(std::string Name, Morvik::TParamType Type, std::vector<std::string> Options = {})
      : name(std::move(Name)), type(Type), options(std::move(Options)) {}
  const char* GetName() const override { return name.c_str(); }
  const char* GetHelp() const override { return ""; }
  int GetFlag() const override { return 1; }
  Morvik::TParamType GetType() const override { return type; }
  const char* GetOption(int Idx) const override {
    return Idx >= 0 && Idx < (int)options.size() ? options[(size_t)Idx].c_str() : nullptr;
  }
  int GetOptionCount() const override { return (int)options.size(); }

private:
  std::string name;
  Morvik::TParamType type;
  std::vector<std::string> options;
};

class TFakeListParamInfo;

// The ordered parameters of one kind of object.
class TFakeDescription : public virtual Morvik::TParamObjectInfo {
public:
  // Appends a scalar; returns its scalar index.
  int AddScalar(const std::string& Name, Morvik::TParamType Type = Morvik::ptString, int DependParam = -1,
                const char* DependValues = "", std::vector<std::string> Options = {});
  // Appends a list, its items named by their scalar NameParam; returns the items' description,
  // to which the caller adds their parameters.
  TFakeListParamInfo* AddList(const std::string& Name, int NameParam = 0, int DependParam = -1,
                              const char* DependValues = "");
  // Overrides the dependency of a position (for descriptions no plug-in would build).
  void SetDepend(int Pos, int DependParam, const char* DependValues) {
    entries[(size_t)Pos].dependParam = DependParam;
    entries[(size_t)Pos].dependValues = DependValues;
  }

  int GetParamCount() const override { return (int)scalars.size(); }
  Morvik::TParamInfo* GetParam(int Idx) const override { return scalars.at((size_t)Idx).get(); }
  int GetListParamCount() const override { return (int)lists.size(); }
  Morvik::TListParamInfo* GetListParamInfo(int Idx) const override;
  Morvik::TParamKind GetParamKind(int Pos) const override { return entries.at((size_t)Pos).kind; }
  int GetKindIndex(int Pos) const override { return entries.at((size_t)Pos).kindIndex; }
  int GetDependParam(int Pos) const override { return entries.at((size_t)Pos).dependParam; }
  const char* GetDependValues(int Pos) const override { return entries.at((size_t)Pos).dependValues.c_str(); }

private:
  struct Entry {
    Morvik::TParamKind kind;
    int kindIndex;
    int dependParam;
    std::string dependValues;
  };
  std::vector<std::unique_ptr<TFakeParamInfo>> scalars;
  std::vector<std::unique_ptr<TFakeListParamInfo>> lists;
  std::vector<Entry> entries;
};

class TFakeListParamInfo : public virtual Morvik::TListParamInfo, public TFakeDescription {
public:
  TFakeListParamInfo(std::string Name, int NameParam) : name(std::move(Name)), nameParam(NameParam) {}
  const char* GetName() const override { return name.c_str(); }
  const char* GetHelp() const override { return ""; }
  int GetItemNameParam() const override { return nameParam; }

private:
  std::string name;
  int nameParam;
};

class TFakeDataTypeInfo : public virtual Morvik::TDataTypeInfo, public TFakeDescription {
public:
  explicit TFakeDataTypeInfo(std::string Keyword) : keyword(std::move(Keyword)) {}
  const char* GetName() const override { return keyword.c_str(); }

private:
  std::string keyword;
};

class TFakeListParam;

// Values, lists, comment; findings set per position by the test.
class TFakeParamObject : public virtual Morvik::TParamObject {
public:
  explicit TFakeParamObject(Morvik::TParamObjectInfo* Info);
  ~TFakeParamObject() override;

  std::map<int, std::string> Findings; // position (-1: the object) -> message
  std::string Script;                  // what Generate returns
  // Unique among all fake objects ever made: tells a new object from an old one even where the
  // new one takes the freed address of the old.
  const long Serial = ++serials;

  int GetParamCount() const override { return info->GetParamCount(); }
  Morvik::TParamInfo* GetParam(int Idx) const override { return info->GetParam(Idx); }
  int GetListParamCount() const override { return info->GetListParamCount(); }
  Morvik::TListParamInfo* GetListParamInfo(int Idx) const override { return info->GetListParamInfo(Idx); }
  Morvik::TParamKind GetParamKind(int Pos) const override { return info->GetParamKind(Pos); }
  int GetKindIndex(int Pos) const override { return info->GetKindIndex(Pos); }
  int GetDependParam(int Pos) const override { return info->GetDependParam(Pos); }
  const char* GetDependValues(int Pos) const override { return info->GetDependValues(Pos); }
  const char* GetParamValue(int Idx) const override { return values.at((size_t)Idx).c_str(); }
  void SetParamValue(int Idx, const char* Value) override { values.at((size_t)Idx) = Value ? Value : ""; }
  Morvik::TListParam* GetListParam(int Idx) override;
  const Morvik::TListParam* GetListParam(int Idx) const override;
  const char* Generate() override { return Script.c_str(); }
  const char* Check(int Pos) const override {
    auto Found = Findings.find(Pos);
    return Found == Findings.end() ? nullptr : Found->second.c_str();
  }
  void SetComment(const char* Text) override { comment = Text ? Text : ""; }
  const char* GetComment() const override { return comment.c_str(); }

private:
  inline static long serials = 0;
  Morvik::TParamObjectInfo* info;
  std::vector<std::string> values;
  std::vector<std::unique_ptr<TFakeListParam>> lists;
  std::string comment;
};

class TFakeListParam : public virtual Morvik::TListParam {
public:
  explicit TFakeListParam(Morvik::TParamObjectInfo* ItemInfo) : itemInfo(ItemInfo) {}
  int GetItemsCount() const override { return (int)items.size(); }
  Morvik::TParamObject* AddItem() override {
    items.push_back(std::make_unique<TFakeParamObject>(itemInfo));
    return items.back().get();
  }
  Morvik::TParamObject* GetItem(int Idx) override { return items.at((size_t)Idx).get(); }
  const Morvik::TParamObject* GetItem(int Idx) const override { return items.at((size_t)Idx).get(); }
  void ExchangeItems(int Idx1, int Idx2) override {
    std::swap(items.at((size_t)Idx1), items.at((size_t)Idx2));
  }
  void DeleteItem(int Idx) override { items.erase(items.begin() + Idx); }
  TFakeParamObject* Item(int Idx) { return items.at((size_t)Idx).get(); }

private:
  Morvik::TParamObjectInfo* itemInfo;
  std::vector<std::unique_ptr<TFakeParamObject>> items;
};

// A data type's script is its keyword and its non-empty values in parentheses.
class TFakeDataType : public virtual Morvik::TDataType, public TFakeParamObject {
public:
  explicit TFakeDataType(TFakeDataTypeInfo* Info) : TFakeParamObject(Info), info(Info) {}
  const char* GetName() const override { return info->GetName(); }
  const char* Generate() override;

private:
  TFakeDataTypeInfo* info;
};

class TFakeModel;

class TFakeColumn : public virtual Morvik::TColumn, public TFakeParamObject {
public:
  TFakeColumn(TFakeModel* Model);
  const char* GetName() const override { return name.c_str(); }
  void SetName(const char* Name) override { name = Name ? Name : ""; }
  bool SetKey(bool Key) override {
    std::swap(key, Key);
    return Key;
  }
  bool GetKey() const override { return key; }
  Morvik::TDataType* SetDataType(int Idx) override;
  Morvik::TDataType* GetDataType() const override { return dataType.get(); }
  void DropDataType() { dataType.reset(); }

private:
  TFakeModel* model;
  std::string name;
  bool key = false;
  std::unique_ptr<TFakeDataType> dataType;
};

class TFakeTable : public virtual Morvik::TTable, public TFakeParamObject {
public:
  explicit TFakeTable(TFakeModel* Model);
  const char* GetName() const override { return name.c_str(); }
  void SetName(const char* Name) override { name = Name ? Name : ""; }
  int GetColumnCount() const override { return (int)columns.size(); }
  Morvik::TColumn* GetColumn(int Idx) const override { return columns.at((size_t)Idx).get(); }
  Morvik::TColumn* AddColumn() override;
  void DeleteColumn(int Idx) override;
  void ExchangeColumns(int Idx1, int Idx2) override {
    std::swap(columns.at((size_t)Idx1), columns.at((size_t)Idx2));
  }
  TFakeColumn* Column(int Idx) const { return columns.at((size_t)Idx).get(); }

private:
  TFakeModel* model;
  std::string name;
  std::vector<std::unique_ptr<TFakeColumn>> columns;
};

class TFakeReference : public virtual Morvik::TReference, public TFakeParamObject {
public:
  TFakeReference(TFakeModel* Model, Morvik::TTable* Parent, Morvik::TTable* Child);
  std::map<int, std::string> PairFindings; // pair index (-1: all pairs) -> message

  const char* GetName() const override { return name.c_str(); }
  void SetName(const char* Name) override { name = Name ? Name : ""; }
  int GetPairCount() const override { return (int)parents.size(); }
  void AddPair(Morvik::TColumn* Parent, Morvik::TColumn* Child) override {
    parents.push_back(Parent);
    children.push_back(Child);
  }
  void DeletePair(int Idx) override {
    parents.erase(parents.begin() + Idx);
    children.erase(children.begin() + Idx);
  }
  Morvik::TColumn* GetPairColumn(int Side, int Idx) const override {
    return Side == 0 ? parents.at((size_t)Idx) : children.at((size_t)Idx);
  }
  void SetPairColumn(int Side, int Idx, Morvik::TColumn* Column) override {
    (Side == 0 ? parents : children).at((size_t)Idx) = Column;
  }
  const char* CheckPairs(int Idx) const override {
    auto Found = PairFindings.find(Idx);
    return Found == PairFindings.end() ? nullptr : Found->second.c_str();
  }
  Morvik::TTable* GetParentTable() const override { return parent; }
  Morvik::TTable* GetChildTable() const override { return child; }

private:
  std::string name;
  Morvik::TTable* parent;
  Morvik::TTable* child;
  std::vector<Morvik::TColumn*> parents;
  std::vector<Morvik::TColumn*> children;
};

// The descriptions of one fake model kind.
struct TFakeModelKind {
  TFakeDescription Model, Table, Column, Reference;
  std::vector<std::unique_ptr<TFakeDataTypeInfo>> DataTypes;
  TFakeDataTypeInfo* AddDataType(const std::string& Keyword) {
    DataTypes.push_back(std::make_unique<TFakeDataTypeInfo>(Keyword));
    return DataTypes.back().get();
  }
};

class TFakeModel : public virtual Morvik::TModel, public TFakeParamObject {
public:
  explicit TFakeModel(TFakeModelKind& Kind) : TFakeParamObject(&Kind.Model), kind(Kind) {}
  TFakeModelKind& Kind() const { return kind; }

  const char* GetName() const override { return "Fake"; }
  Morvik::TParamObjectInfo* GetTableInfo() const override { return &kind.Table; }
  Morvik::TParamObjectInfo* GetColumnInfo() const override { return &kind.Column; }
  Morvik::TParamObjectInfo* GetReferenceInfo() const override { return &kind.Reference; }
  Morvik::TReverseSources* GetReverseSources() const override { return nullptr; }
  int GetDataTypeCount() const override { return (int)kind.DataTypes.size(); }
  Morvik::TDataTypeInfo* GetDataTypeInfo(int Idx) const override {
    return kind.DataTypes.at((size_t)Idx).get();
  }
  Morvik::TReverse* GetReverse() override { return nullptr; }
  int GetTableCount() const override { return (int)tables.size(); }
  Morvik::TTable* GetTable(int Idx) const override { return tables.at((size_t)Idx).get(); }
  Morvik::TTable* NewTable() override {
    tables.push_back(std::make_unique<TFakeTable>(this));
    return tables.back().get();
  }
  void DeleteTable(Morvik::TTable* Table) override;
  int GetReferenceCount() const override { return (int)references.size(); }
  Morvik::TReference* GetReference(int Idx) const override { return references.at((size_t)Idx).get(); }
  Morvik::TReference* NewReference(Morvik::TTable* Parent, Morvik::TTable* Child) override {
    references.push_back(std::make_unique<TFakeReference>(this, Parent, Child));
    return references.back().get();
  }
  void DeleteReference(Morvik::TReference* Reference) override;
  void Release() override { delete this; }

  TFakeTable* Table(int Idx) const { return tables.at((size_t)Idx).get(); }
  TFakeReference* Reference(int Idx) const { return references.at((size_t)Idx).get(); }

private:
  TFakeModelKind& kind;
  std::vector<std::unique_ptr<TFakeTable>> tables;
  std::vector<std::unique_ptr<TFakeReference>> references;
};

} // namespace fake
