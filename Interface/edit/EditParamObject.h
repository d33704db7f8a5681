// Editable mirror of any parameter object: the program copies a plug-in object's values
// into it, edits them, and writes them back on confirmation.
#pragma once

#include "Interface/MorvikInterface.h"

#include <memory>
#include <string>
#include <vector>

class TEditListParam;

class TEditParamObject : public virtual Morvik::TParamObject {
public:
  explicit TEditParamObject(Morvik::TParamObjectInfo* _ParamObjectInfo);
  TEditParamObject(const TEditParamObject&) = delete;
  TEditParamObject& operator=(const TEditParamObject&) = delete;
  ~TEditParamObject() override;

  // Copies values, lists (to any depth) and comment of an object of the same kind.
  void Load(Morvik::TParamObject* Object);
  // Writes the mirror into an object of the same kind; its lists are rebuilt from scratch.
  void Store(Morvik::TParamObject* Object);
  // Empties every list parameter of the given object.
  static void ClearListParams(Morvik::TParamObject* EditedObject);

  Morvik::TParamObject* GetEditedObject() const { return EditedObject; }

  // Morvik::TPOScalarInfo
  int GetParamCount() const override;
  Morvik::TParamInfo* GetParam(int Idx) const override;
  // Morvik::TPOVectorInfo
  int GetListParamCount() const override;
  Morvik::TListParamInfo* GetListParamInfo(int Idx) const override;
  // Morvik::TParamObjectInfo
  Morvik::TParamKind GetParamKind(int Pos) const override;
  int GetKindIndex(int Pos) const override;
  int GetDependParam(int Pos) const override;
  const char* GetDependValues(int Pos) const override;
  // Morvik::TPOScalar
  const char* GetParamValue(int Idx) const override;
  void SetParamValue(int Idx, const char* Value) override;
  // Morvik::TPOVector
  Morvik::TListParam* GetListParam(int Idx) override;
  const Morvik::TListParam* GetListParam(int Idx) const override;
  // Morvik::TParamObject: Generate and Check answer for the object last loaded or stored.
  const char* Generate() override;
  const char* Check(int Pos) const override;
  void SetComment(const char* Text) override;
  const char* GetComment() const override;

private:
  // Object must be of this mirror's own kind: the very same descriptions, all compared
  // before anything is copied either way.
  void RequireSameKind(const Morvik::TParamObject* Object) const;

  Morvik::TParamObjectInfo* ParamObjectInfo;
  std::vector<std::string> Params;
  std::vector<std::unique_ptr<TEditListParam>> ListParams;
  Morvik::TParamObject* EditedObject = nullptr;
  std::string Comment;
};
