// The InterBase column: NOT NULL, UNIQUE, DEFAULT and CHECK beside its data type, its
// column definition and the NOT NULL check of key and unique columns.
#pragma once

#include "plugin/datatypes/DataTypeObjects.h"
#include "plugin/datatypes/MyDTGenerator.h"
#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/ColumnMixin.h"

namespace Varne {

// NotNull, Unique, Default, DefaultValue, Check.
class TMyColumnInfo_P : public Morvik::TParamsList {
public:
  TMyColumnInfo_P();
};

using TMyColumnInfo = Morvik::TParamObjectInfoMixin<TMyColumnInfo_P>;

class TMyColumn : public Morvik::TColumnMixin<TMyColumnInfo, TMyDTGenerator> {
public:
  explicit TMyColumn(Morvik::TParent* Owner);

  // Setting the key sets NotNull first.
  bool SetKey(bool Key) override;
  Morvik::TDataType* SetDataType(int Idx) override;
  // NotNull cannot be cleared while the key or Unique is set; setting Unique sets NotNull.
  void SetParamValue(int Idx, const char* Value) override;
  const char* Check(int Pos) const override;
  // The column definition inside CREATE TABLE.
  const char* Generate() override;
  // The same definition, appended to Out.
  void WriteDefinition(Morvik::TTextBuffer& Out) const;
  ~TMyColumn() override = default;

private:
  // The type text of the data-type object, looked up once per data type.
  const TTypeText* typeText = nullptr;
};

// The static column description.
Morvik::TParamObjectInfo* MyColumnInfo();

} // namespace Varne
