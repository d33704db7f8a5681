// The data-type objects that columns own: the type's parameter values over its static
// description, its SQL type text and its check. The four class templates differ only in
// Generate and Check.
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
const char* CheckDomainType(const Morvik::TDataType& Type, const Morvik::TParent* Owner,
                            int Pos);

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

// Info is one of the fifteen descriptions (NUMERICDTInfo ... DOMAINDTInfo). A new object
// has every value empty and an empty comment.
template <class Info>
class TMyDataType : public virtual Morvik::TDataType,
                    public virtual Info,
                    public virtual Morvik::TParamObjectMixin<Info>,
                    public TTypeText {
public:
    using TInfo = Info;

    explicit TMyDataType(Morvik::TParent* Owner)
        : Morvik::TParent(Owner), Morvik::TParamObjectMixin<Info>(Owner)
    {
    }
    const char* Check(int Pos) const override { return nullptr; }
    const char* Generate() override
    {
        this->output.Clear();
        WriteTypeText(this->output);
        return this->output.GetText();
    }
    void WriteTypeText(Morvik::TTextBuffer& Out) const override { WriteSizedTypeText(Out, *this); }
    ~TMyDataType() override = default;
};

template <class Info>
class TCharDataType : public virtual Morvik::TDataType,
                      public virtual Info,
                      public virtual Morvik::TParamObjectMixin<Info>,
                      public TTypeText {
public:
    using TInfo = Info;

    explicit TCharDataType(Morvik::TParent* Owner)
        : Morvik::TParent(Owner), Morvik::TParamObjectMixin<Info>(Owner)
    {
    }
    const char* Check(int Pos) const override { return nullptr; }
    const char* Generate() override
    {
        this->output.Clear();
        WriteTypeText(this->output);
        return this->output.GetText();
    }
    void WriteTypeText(Morvik::TTextBuffer& Out) const override { WriteCharTypeText(Out, *this); }
    ~TCharDataType() override = default;
};

template <class Info>
class TBlobDataType : public virtual Morvik::TDataType,
                      public virtual Info,
                      public virtual Morvik::TParamObjectMixin<Info>,
                      public TTypeText {
public:
    using TInfo = Info;

    explicit TBlobDataType(Morvik::TParent* Owner)
        : Morvik::TParent(Owner), Morvik::TParamObjectMixin<Info>(Owner)
    {
    }
    const char* Check(int Pos) const override { return nullptr; }
    const char* Generate() override
    {
        this->output.Clear();
        WriteTypeText(this->output);
        return this->output.GetText();
    }
    void WriteTypeText(Morvik::TTextBuffer& Out) const override { WriteBlobTypeText(Out, *this); }
    ~TBlobDataType() override = default;
};

template <class Info>
class TDomainDataType : public virtual Morvik::TDataType,
                        public virtual Info,
                        public virtual Morvik::TParamObjectMixin<Info>,
                        public TTypeText {
public:
    using TInfo = Info;

    explicit TDomainDataType(Morvik::TParent* Owner)
        : Morvik::TParent(Owner), Morvik::TParamObjectMixin<Info>(Owner)
    {
    }
    const char* Check(int Pos) const override
    {
        return CheckDomainType(*this, this->GetParent(), Pos);
    }
    const char* Generate() override
    {
        this->output.Clear();
        WriteTypeText(this->output);
        return this->output.GetText();
    }
    void WriteTypeText(Morvik::TTextBuffer& Out) const override { WriteDomainTypeText(Out, *this); }
    ~TDomainDataType() override = default;
};

}  // namespace Varne
