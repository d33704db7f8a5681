// The generic column: its own data-type generator, the owned data-type object and the
// primary-key flag beside its name and parameters.
#pragma once

#include <memory>

#include "Interface/MorvikInterface.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/Parent.h"
#include "plugin/framework/VarNamedMixin.h"

namespace Morvik {

// Gen is a TDataTypeGenerator; a new column has a data-type object of data type 0.
template <class Info, class Gen>
class TColumnMixin : public virtual TColumn,
                     public virtual TVarNamedMixin,
                     public virtual TParamObjectMixin<Info> {
public:
  explicit TColumnMixin(TParent* Owner) : TParent(Owner), TParamObjectMixin<Info>(Owner) {
    dataType.reset(generator.CreateDataType(0, static_cast<TParent*>(this)));
  }

  ~TColumnMixin() override { dataType.reset(); }

  bool SetKey(bool Key) override {
    const bool Previous = key;
    key = Key;
    return Previous;
  }
  bool GetKey() const override { return key; }
  TDataType* GetDataType() const override { return dataType.get(); }
  // The old object goes first; nothing of it is carried over.
  TDataType* SetDataType(int Idx) override {
    dataType.reset();
    dataType.reset(generator.CreateDataType(Idx, static_cast<TParent*>(this)));
    return dataType.get();
  }

private:
  Gen generator;
  std::unique_ptr<TDataType> dataType;
  bool key = false;
};

} // namespace Morvik
