#include "plugin/schema/MyColumn.h"

#include <cstring>

#include "plugin/framework/ParamInfo.h"
#include "plugin/framework/PluginEntry.h"
#include "plugin/framework/StaticInstance.h"
#include "plugin/framework/TextToInt.h"
#include "plugin/schema/ModelAccess.h"

namespace Varne {

namespace {

enum : int {
  NotNullPos = 0,
  UniquePos = 1,
  DefaultPos = 2,
  DefaultValuePos = 3,
  CheckPos = 4
};
constexpr int DefaultValueOption = 1;
constexpr int NullDefaultOption = 2;

const char* const KeyNotNull = "Must be NOT NULL because it's part of PRIMARY KEY constraint";
const char* const UniqueNotNull = "Must be NOT NULL because it's part of UNIQUE constraint";
const char* const NullDefaultNotNull = "Can't default to NULL because it's NOT NULL";

// The empty text, the common case, reads as 0 without parsing.
bool IsTrue(const char* Value) { return Value && *Value && Morvik::TextToInt(Value) != 0; }

// Whether a unique constraint of the table names the column (byte for byte).
bool InUniqueConstraint(const Morvik::TTable& Table, const char* Name) {
  const Morvik::TListParam* Uniques = ListAt(&Table, tpUnique);
  for (int U = 0; U < Uniques->GetItemsCount(); ++U) {
    const Morvik::TListParam* Entries = Uniques->GetItem(U)->GetListParam(0);
    for (int E = 0; E < Entries->GetItemsCount(); ++E) {
      if (std::strcmp(Entries->GetItem(E)->GetParamValue(0), Name) == 0) return true;
    }
  }
  return false;
}

} // namespace

TMyColumnInfo_P::TMyColumnInfo_P() {
  using Morvik::TParamInfoC;
  Add(new TParamInfoC("NotNull", "Doesn't allow to insert NULL values", 1, Morvik::ptBoolean));
  Add(new TParamInfoC("Unique", "Doesn't allow to insert duplicated values", 1, Morvik::ptBoolean));
  Add(new TParamInfoC("Default",
                      "What to set if value is not specified (system default,some value,null,user)", 1,
                      Morvik::ptEnum));
  AddOption("");
  AddOption("value");
  AddOption("NULL ");
  AddOption("USER ");
  Add(new TParamInfoC("DefaultValue", "Default value for column", 1, Morvik::ptString), DefaultPos, "1");
  Add(new TParamInfoC("Check", "Condition that must be always true", 1, Morvik::ptString));
}

TMyColumn::TMyColumn(Morvik::TParent* Owner)
    : TParent(Owner), Morvik::TParamObjectMixin<TMyColumnInfo>(Owner),
      Morvik::TColumnMixin<TMyColumnInfo, TMyDTGenerator>(Owner),
      typeText(dynamic_cast<const TTypeText*>(GetDataType())) {}

Morvik::TDataType* TMyColumn::SetDataType(int Idx) {
  Morvik::TDataType* Type = TColumnMixin::SetDataType(Idx);
  typeText = dynamic_cast<const TTypeText*>(Type);
  return Type;
}

bool TMyColumn::SetKey(bool Key) {
  if (Key) SetParamValue(NotNullPos, "1");
  return TColumnMixin::SetKey(Key);
}

void TMyColumn::SetParamValue(int Idx, const char* Value) {
  if (Idx == NotNullPos && (IsTrue(GetParamValue(UniquePos)) || GetKey()) && !IsTrue(Value)) return;
  TParamObjectMixin::SetParamValue(Idx, Value);
  if (Idx == UniquePos && IsTrue(Value)) SetParamValue(NotNullPos, Value);
}

const char* TMyColumn::Check(int Pos) const {
  // A column without a data-type object (an index the registry does not have) writes no type.
  if (Pos == -1) return GetDataType() ? nullptr : MsgNoDataType;
  // The server refuses NULL as the default of a NOT NULL or key column.
  if (Pos == DefaultPos)
    return Morvik::TextToInt(GetParamValue(DefaultPos)) == NullDefaultOption &&
                   (IsTrue(GetParamValue(NotNullPos)) || GetKey())
               ? NullDefaultNotNull
               : nullptr;
  if (Pos != NotNullPos || IsTrue(GetParamValue(NotNullPos))) return nullptr;
  if (GetKey()) return KeyNotNull;
  if (IsTrue(GetParamValue(UniquePos))) return UniqueNotNull;
  const auto* Table = OwnerTable(this);
  if (Table && InUniqueConstraint(*Table, GetName())) return UniqueNotNull;
  return nullptr;
}

const char* TMyColumn::Generate() {
  output.Clear();
  WriteDefinition(output);
  return output.GetText();
}

void TMyColumn::WriteDefinition(Morvik::TTextBuffer& Out) const {
  Out.Append(NameString()).Append(' ');
  if (typeText)
    typeText->WriteTypeText(Out);
  else if (Morvik::TDataType* Type = GetDataType())
    Out.Append(Type->Generate());

  // An option index that names no option (a stored "-1" or "7") writes no clause.
  const std::string& DefaultText = ValueText(DefaultPos);
  const int Default = DefaultText.empty() ? 0 : Morvik::TextToInt(DefaultText.c_str());
  const char* Option = Default != 0 ? OptionText(this, DefaultPos, Default) : "";
  if (*Option) {
    Out.Append(" DEFAULT ");
    if (Default == DefaultValueOption)
      Out.Append('\'').Append(ValueText(DefaultValuePos)).Append('\'');
    else
      Out.Append(Option);
  }
  if (IsTrue(ValueText(NotNullPos).c_str())) Out.Append(" NOT NULL");
  if (IsTrue(ValueText(UniquePos).c_str())) Out.Append(" UNIQUE");
  if (const std::string& Check = ValueText(CheckPos); !Check.empty()) Out.Append(" CHECK ").Append(Check);
}

Morvik::TParamObjectInfo* MyColumnInfo() { return &Morvik::TStaticInstance<TMyColumnInfo>::Get(); }

void InitColumnsUnit() {
  Morvik::TStaticInstance<TMyColumnInfo_P>::Build();
  Morvik::TStaticInstance<TMyColumnInfo>::Build();
}

void FinalizeColumnsUnit() {
  Morvik::TStaticInstance<TMyColumnInfo>::Destroy();
  Morvik::TStaticInstance<TMyColumnInfo_P>::Destroy();
}

} // namespace Varne
