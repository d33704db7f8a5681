// The plug-in interface: abstract classes that the program and every database-model
// plug-in share. Operations are declared in slot order; a class's virtual destructor,
// where it has one, is declared last. Bases are virtual so that an object reaching the
// same base along several paths holds it once.
#pragma once

#include <string>

namespace Morvik {

enum TParamKind : unsigned char {
  pkScalar = 0,
  pkVector = 1
};

enum TParamType : unsigned char {
  ptString = 0,
  ptNumber = 1,
  ptBoolean = 2,
  ptEnum = 3,
  ptMemo = 5
};

class TParamInfo;
class TListParamInfo;
class TListParam;
class TDataTypeInfo;
class TDataType;
class TTable;
class TColumn;
class TReference;
class TModelInfo;
class TModel;
class TReverse;
class TReverseSources;
class TParent; // plug-in side owner link

class TIRoot {
public:
  virtual ~TIRoot() = default;
};

// No virtual destructor: nothing is deleted through a named object.
class TNamedObject {
public:
  virtual const char* GetName() const = 0;

protected:
  ~TNamedObject() = default;
};

class TVarNamedObject : public virtual TNamedObject {
public:
  virtual void SetName(const char* Name) = 0;

protected:
  ~TVarNamedObject() = default;
};

class TPOScalarInfo : public virtual TIRoot {
public:
  virtual int GetParamCount() const = 0;
  virtual TParamInfo* GetParam(int Idx) const = 0;
  ~TPOScalarInfo() override = default;
};

class TPOVectorInfo : public virtual TIRoot {
public:
  virtual int GetListParamCount() const = 0;
  virtual TListParamInfo* GetListParamInfo(int Idx) const = 0;
  ~TPOVectorInfo() override = default;
};

class TParamObjectInfo : public virtual TPOScalarInfo, public virtual TPOVectorInfo {
public:
  virtual TParamKind GetParamKind(int Pos) const = 0;
  virtual int GetKindIndex(int Pos) const = 0;
  virtual int GetDependParam(int Pos) const = 0;
  virtual const char* GetDependValues(int Pos) const = 0;
  ~TParamObjectInfo() override = default;
};

class TPOScalar : public virtual TPOScalarInfo {
public:
  virtual const char* GetParamValue(int Idx) const = 0;
  // NULL stores "".
  virtual void SetParamValue(int Idx, const char* Value) = 0;
  ~TPOScalar() override = default;
};

class TPOVector : public virtual TPOVectorInfo {
public:
  virtual TListParam* GetListParam(int Idx) = 0;
  virtual const TListParam* GetListParam(int Idx) const = 0;
  ~TPOVector() override = default;
};

class TParamObject : public virtual TParamObjectInfo, public virtual TPOScalar, public virtual TPOVector {
public:
  // The object's SQL text; valid until the next Generate on the same object.
  virtual const char* Generate() = 0;
  // Pos -1 checks the object as a whole. NULL when valid, else an English message.
  virtual const char* Check(int Pos) const = 0;
  virtual void SetComment(const char* Text) = 0;
  virtual const char* GetComment() const = 0;
  ~TParamObject() override = default;
};

class TListParam : public virtual TIRoot {
public:
  virtual int GetItemsCount() const = 0;
  virtual TParamObject* AddItem() = 0;
  virtual TParamObject* GetItem(int Idx) = 0;
  virtual const TParamObject* GetItem(int Idx) const = 0;
  virtual void ExchangeItems(int Idx1, int Idx2) = 0;
  virtual void DeleteItem(int Idx) = 0;
  ~TListParam() override = default;
};

class TParamInfoCommon : public virtual TIRoot, public virtual TNamedObject {
public:
  virtual const char* GetHelp() const = 0;
  ~TParamInfoCommon() override = default;
};

class TParamInfo : public virtual TParamInfoCommon {
public:
  virtual int GetFlag() const = 0;
  virtual TParamType GetType() const = 0;
  // NULL for an index that is not an option.
  virtual const char* GetOption(int Idx) const = 0;
  virtual int GetOptionCount() const = 0;
  ~TParamInfo() override = default;
};

// The TParamObjectInfo part describes every item of the list.
class TListParamInfo : public virtual TParamInfoCommon, public virtual TParamObjectInfo {
public:
  virtual int GetItemNameParam() const = 0;
  ~TListParamInfo() override = default;
};

// Name: the type's SQL keyword.
class TDataTypeInfo : public virtual TNamedObject, public virtual TParamObjectInfo {
public:
  ~TDataTypeInfo() override = default;
};

class TDataType : public virtual TDataTypeInfo, public virtual TParamObject {
public:
  ~TDataType() override = default;
};

class TModelInfo : public virtual TNamedObject, public virtual TParamObjectInfo {
public:
  virtual TParamObjectInfo* GetTableInfo() const = 0;
  virtual TParamObjectInfo* GetColumnInfo() const = 0;
  virtual TParamObjectInfo* GetReferenceInfo() const = 0;
  virtual TReverseSources* GetReverseSources() const = 0;
  virtual int GetDataTypeCount() const = 0;
  virtual TDataTypeInfo* GetDataTypeInfo(int Idx) const = 0;
  ~TModelInfo() override = default;
};

class TModel : public virtual TModelInfo, public virtual TParamObject {
public:
  virtual TReverse* GetReverse() = 0;
  virtual int GetTableCount() const = 0;
  virtual TTable* GetTable(int Idx) const = 0;
  virtual TTable* NewTable() = 0;
  virtual void DeleteTable(TTable* Table) = 0;
  virtual int GetReferenceCount() const = 0;
  virtual TReference* GetReference(int Idx) const = 0;
  virtual TReference* NewReference(TTable* Parent, TTable* Child) = 0;
  virtual void DeleteReference(TReference* Reference) = 0;
  virtual void Release() = 0;
  ~TModel() override = default;
};

class TTable : public virtual TParamObject, public virtual TVarNamedObject {
public:
  virtual int GetColumnCount() const = 0;
  virtual TColumn* GetColumn(int Idx) const = 0;
  virtual TColumn* AddColumn() = 0;
  virtual void DeleteColumn(int Idx) = 0;
  virtual void ExchangeColumns(int Idx1, int Idx2) = 0;
  ~TTable() override = default;
};

class TColumn : public virtual TParamObject, public virtual TVarNamedObject {
public:
  // Returns the previous setting.
  virtual bool SetKey(bool Key) = 0;
  virtual bool GetKey() const = 0;
  virtual TDataType* SetDataType(int Idx) = 0;
  virtual TDataType* GetDataType() const = 0;
  ~TColumn() override = default;
};

// Side 0 is the parent side, side 1 the child side.
class TReference : public virtual TParamObject, public virtual TVarNamedObject {
public:
  virtual int GetPairCount() const = 0;
  virtual void AddPair(TColumn* Parent, TColumn* Child) = 0;
  virtual void DeletePair(int Idx) = 0;
  virtual TColumn* GetPairColumn(int Side, int Idx) const = 0;
  virtual void SetPairColumn(int Side, int Idx, TColumn* Column) = 0;
  virtual const char* CheckPairs(int Idx) const = 0;
  virtual TTable* GetParentTable() const = 0;
  virtual TTable* GetChildTable() const = 0;
  ~TReference() override = default;
};

// The model list that the exported Models returns.
class TModels {
public:
  virtual int GetCount() const = 0;
  virtual TModelInfo* GetModelInfo(int Idx) const = 0;
  virtual TModel* CreateModel(int Idx) const = 0;
  virtual int IndexOf(const char* ModelName) const = 0;
  virtual const char* GetVersion() const = 0;
  virtual const char* GetAuthor() const = 0;

protected:
  ~TModels() = default;
};

class TDataTypeGenerator {
public:
  virtual TDataType* CreateDataType(int Idx, TParent* Owner) const = 0;

protected:
  ~TDataTypeGenerator() = default;
};

// Implemented by the program, handed to a reverse-engineering object.
class TProgress {
public:
  virtual void Start(const char* Caption, int Max) = 0;
  virtual void Step(const char* Text) = 0;

protected:
  ~TProgress() = default;
};

class TException {
public:
  virtual int GetCode() const = 0;
  virtual const char* GetMessage() const = 0;

protected:
  ~TException() = default;
};

// Thrown by a reverse-engineering object when a database query fails.
class QUERY_FAILED : public TException {
public:
  explicit QUERY_FAILED(const char* Message) : message(Message ? Message : "") {}
  QUERY_FAILED(const QUERY_FAILED&) = default;
  ~QUERY_FAILED() = default;
  int GetCode() const override { return 0; }
  const char* GetMessage() const override { return message.c_str(); }

private:
  std::string message;
};

// Reverse engineering, as the program calls it. The delivered plug-in offers none.
class TReverseSources {
public:
  virtual int GetCount() const = 0;
  virtual const char* GetSource(int Idx) const = 0;

protected:
  ~TReverseSources() = default;
};

class TReverseItem {
public:
  virtual const char* GetText() const = 0;
  virtual void SetSelected(bool Selected) = 0;
  virtual int GetSelected() const = 0;

protected:
  ~TReverseItem() = default;
};

class TReverseGroup {
public:
  virtual int GetItemsCount() const = 0;
  virtual TReverseItem* GetItem(int Idx) = 0;
  virtual const char* GetCaption() const = 0;

protected:
  ~TReverseGroup() = default;
};

class TReverseGroups {
public:
  virtual int GetCount() const = 0;
  virtual TReverseGroup* GetGroup(int Idx) = 0;

protected:
  ~TReverseGroups() = default;
};

class TReverseResult {
public:
  virtual int GetNewTableCount() const = 0;
  virtual TTable* GetNewTable(int Idx) const = 0;
  virtual int GetNewReferenceCount() const = 0;
  virtual TReference* GetNewReference(int Idx) const = 0;
  virtual int GetDroppedTableCount() const = 0;
  virtual TTable* GetDroppedTable(int Idx) const = 0;
  virtual int GetDroppedReferenceCount() const = 0;
  virtual TReference* GetDroppedReference(int Idx) const = 0;

protected:
  ~TReverseResult() = default;
};

class TReverse {
public:
  virtual TParamObject* GetParams(int SourceIndex) = 0;
  virtual void Connect(const char* User, const char* Password, const char* DataSource) = 0;
  virtual void SetProgress(TProgress* Progress) = 0;
  virtual TReverseGroups* GetSchemas() = 0;
  virtual TReverseGroups* GetItems() = 0;
  virtual TReverseResult* GetResult() = 0;

protected:
  ~TReverse() = default;
};

// Signature of the plug-in's one export.
using TModelsFunc = TModels* (*)();
constexpr const char* ModelsExportName = "Models";

} // namespace Morvik
