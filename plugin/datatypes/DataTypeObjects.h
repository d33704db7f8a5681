// The data-type objects that columns own: the type's parameter values over its static
// description, its SQL type text and its check. The four class templates differ only in
// their type text and the domain type's check.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/datatypes/DataTypeInfo.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/Parent.h"
#include "plugin/framework/TextBuffer.h"

namespace Varne {

// Type texts, written from the keyword and the values as stored.
// Keyword, "(precision[,scale])" or "(length)" by the number of parameters, "[dimension]".
void WriteSizedTypeText(Morvik::TTextBuffer& Out, const Morvik::TDataType& Type);
// Keyword, "(length)", "[dimension]", " CHARACTER SET " charset.
void WriteCharTypeText(Morvik::TTextBuffer& Out, const Morvik::TDataType& Type);
// "BLOB", " SUB_TYPE " n, " SEGMENT SIZE " n, " CHARACTER SET " charset.
void WriteBlobTypeText(Morvik::TTextBuffer& Out, const Morvik::TDataType& Type);
// The domain name alone.
void WriteDomainTypeText(Morvik::TTextBuffer& Out, const Morvik::TDataType& Type);

// A column's array dimension is written unless it is empty or a plain zero ("[0]" declares
// no array).
bool IsArrayDimWritten(const char* Value);

// The domain-type check: at position 0 the named domain must be a domain of the model that
// owns the column (Owner is the data type's owner, the column).
const char* CheckDomainType(const Morvik::TDataType& Type, const Morvik::TParent* Owner, int Pos);

// What the plug-in's own data-type objects add to a data type: their type text appended to a
// given buffer, the same text as their Generate. A column writes its type through it.
class TTypeText {
public:
  virtual void WriteTypeText(Morvik::TTextBuffer& Out) const = 0;

protected:
  ~TTypeText() = default;
};

// Check messages of the domain type.
inline constexpr const char* MsgNoDomainName = "You must specify domain name";
inline constexpr const char* MsgNoModel = "<error>";
inline constexpr const char* MsgNoSuchDomain = "There is no such DOMAIN in this model";
// Texts the server refuses: a varying character type without its length, a type that names
// no data type.
inline constexpr const char* MsgNoLength = "Varying character type must have a length";
inline constexpr const char* MsgNoDataType = "You must specify data type";

// The length check of the varying character types: their Length (position 0) must be given.
const char* CheckVaryingLength(const Morvik::TDataType& Type, int Pos);

// What the four data-type object templates share. Info is one of the fifteen descriptions
// (NUMERICDTInfo ... DOMAINDTInfo), Write the type text of the kind. A new object has every
// value empty and an empty comment; it reports nothing.
template <class Info, void (*Write)(Morvik::TTextBuffer&, const Morvik::TDataType&)>
class TDataTypeObjectMixin : public virtual Morvik::TDataType,
                             public virtual Info,
                             public virtual Morvik::TParamObjectMixin<Info>,
                             public TTypeText {
public:
  using TInfo = Info;

  explicit TDataTypeObjectMixin(Morvik::TParent* Owner)
      : Morvik::TParent(Owner), Morvik::TParamObjectMixin<Info>(Owner) {}
  const char* Check(int Pos) const override { return nullptr; }
  const char* Generate() override {
    this->output.Clear();
    WriteTypeText(this->output);
    return this->output.GetText();
  }
  void WriteTypeText(Morvik::TTextBuffer& Out) const override { Write(Out, *this); }
  ~TDataTypeObjectMixin() override = default;
};

// Sized types: "(precision[,scale])" or "(length)" by the number of parameters.
template <class Info>
class TMyDataType : public TDataTypeObjectMixin<Info, WriteSizedTypeText> {
public:
  explicit TMyDataType(Morvik::TParent* Owner)
      : Morvik::TParent(Owner), Morvik::TParamObjectMixin<Info>(Owner),
        TDataTypeObjectMixin<Info, WriteSizedTypeText>(Owner) {}
};

template <class Info>
class TCharDataType : public TDataTypeObjectMixin<Info, WriteCharTypeText> {
public:
  explicit TCharDataType(Morvik::TParent* Owner)
      : Morvik::TParent(Owner), Morvik::TParamObjectMixin<Info>(Owner),
        TDataTypeObjectMixin<Info, WriteCharTypeText>(Owner) {}
};

template <class Info>
class TBlobDataType : public TDataTypeObjectMixin<Info, WriteBlobTypeText> {
public:
  explicit TBlobDataType(Morvik::TParent* Owner)
      : Morvik::TParent(Owner), Morvik::TParamObjectMixin<Info>(Owner),
        TDataTypeObjectMixin<Info, WriteBlobTypeText>(Owner) {}
};

// VARCHAR and NATIONAL CHARACTER VARYING also check that they have a length.
template <class Base>
class TVaryingDataType : public Base {
public:
  explicit TVaryingDataType(Morvik::TParent* Owner)
      : Morvik::TParent(Owner), Morvik::TParamObjectMixin<typename Base::TInfo>(Owner), Base(Owner) {}
  const char* Check(int Pos) const override { return CheckVaryingLength(*this, Pos); }
};

// The domain type also checks that its domain exists in the column's model.
template <class Info>
class TDomainDataType : public TDataTypeObjectMixin<Info, WriteDomainTypeText> {
public:
  explicit TDomainDataType(Morvik::TParent* Owner)
      : Morvik::TParent(Owner), Morvik::TParamObjectMixin<Info>(Owner),
        TDataTypeObjectMixin<Info, WriteDomainTypeText>(Owner) {}
  const char* Check(int Pos) const override { return CheckDomainType(*this, this->GetParent(), Pos); }
};

} // namespace Varne
