// The static descriptions of the fifteen column data types: the SQL keyword of the type
// (its name class) joined with the description of its parameters (its kind list).
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/datatypes/DataTypeKinds.h"

namespace Varne {

// Info is the description template over the type's kind list, Name its name class. The
// description holds no state: everything comes from the two.
template <class Info, class Name>
class TMyDataTypeInfo : public virtual Morvik::TDataTypeInfo, public virtual Name, public virtual Info {
public:
  using TKindInfo = Info;
  ~TMyDataTypeInfo() override = default;
};

// The name classes give the keyword under which a column's type is stored.
class NUMERICName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "NUMERIC"; }
};

class DECIMALName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "DECIMAL"; }
};

class CHARName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "CHAR"; }
};

class VARCHARName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "VARCHAR"; }
};

class NCHARName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "NCHAR"; }
};

class NVCHARName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "NATIONAL CHARACTER VARYING"; }
};

class SMALLINTName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "SMALLINT"; }
};

class INTEGERName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "INTEGER"; }
};

class FLOATName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "FLOAT"; }
};

class DOUBLEName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "DOUBLE PRECISION"; }
};

class DATEName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "DATE"; }
};

class TIMEName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "TIME"; }
};

class TIMESTAMPName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "TIMESTAMP"; }
};

class BLOBName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "BLOB"; }
};

class DOMAINName : public virtual Morvik::TNamedObject {
public:
  const char* GetName() const override { return "DOMAIN"; }
};

using NUMERICDTInfo = TMyDataTypeInfo<TNumberInfo, NUMERICName>;
using DECIMALDTInfo = TMyDataTypeInfo<TNumberInfo, DECIMALName>;
using CHARDTInfo = TMyDataTypeInfo<TCharInfo, CHARName>;
using VARCHARDTInfo = TMyDataTypeInfo<TCharInfo, VARCHARName>;
using NCHARDTInfo = TMyDataTypeInfo<TLengthInfo, NCHARName>;
using NVCHARDTInfo = TMyDataTypeInfo<TLengthInfo, NVCHARName>;
using SMALLINTDTInfo = TMyDataTypeInfo<TNoParamsInfo, SMALLINTName>;
using INTEGERDTInfo = TMyDataTypeInfo<TNoParamsInfo, INTEGERName>;
using FLOATDTInfo = TMyDataTypeInfo<TNoParamsInfo, FLOATName>;
using DOUBLEDTInfo = TMyDataTypeInfo<TNoParamsInfo, DOUBLEName>;
using DATEDTInfo = TMyDataTypeInfo<TNoParamsInfo, DATEName>;
using TIMEDTInfo = TMyDataTypeInfo<TNoParamsInfo, TIMEName>;
using TIMESTAMPDTInfo = TMyDataTypeInfo<TNoParamsInfo, TIMESTAMPName>;
using BLOBDTInfo = TMyDataTypeInfo<TBlobInfo, BLOBName>;
using DOMAINDTInfo = TMyDataTypeInfo<TDomainTypeInfo, DOMAINName>;

} // namespace Varne
