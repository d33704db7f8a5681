#include "plugin/datatypes/DataTypeRegistry.h"

#include <new>

#include "plugin/datatypes/DataTypeInfo.h"
#include "plugin/datatypes/DataTypeKinds.h"
#include "plugin/datatypes/DataTypeObjects.h"
#include "plugin/framework/PluginEntry.h"
#include "plugin/framework/StaticInstance.h"

namespace {

using Morvik::TStaticInstance;

// Factory of the data-type objects of one type.
class TAbstractGenerator {
public:
  virtual Morvik::TDataType* Create(Morvik::TParent* Owner) const = 0;

protected:
  constexpr TAbstractGenerator() = default;
  ~TAbstractGenerator() = default;
};

template <class T>
class TGenerator final : public TAbstractGenerator {
public:
  constexpr TGenerator() = default;
  ~TGenerator() = default;
  // NULL when no object could be made.
  Morvik::TDataType* Create(Morvik::TParent* Owner) const override {
    try {
      return new T(Owner);
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
  }
};

template <class T>
constinit const TGenerator<T> GeneratorOf{};

struct TDTEntry {
  Morvik::TDataTypeInfo* Info = nullptr;
  const TAbstractGenerator* Generator = nullptr;
};

TDTEntry DataTypeTable[Varne::dtCount];

// The fifteen object classes in registry order; each names its description TInfo.
template <class... Objects>
struct TDataTypeList {
  static_assert(sizeof...(Objects) == Varne::dtCount);

  static void Build() {
    (TStaticInstance<typename Objects::TInfo>::Build(), ...);
    int I = 0;
    ((DataTypeTable[I++] = {&TStaticInstance<typename Objects::TInfo>::Get(), &GeneratorOf<Objects>}), ...);
  }

  // Descriptions from the last index to the first.
  static void Destroy() {
    for (TDTEntry& Entry : DataTypeTable) Entry = {};
    constexpr void (*Destroyers[])() = {&TStaticInstance<typename Objects::TInfo>::Destroy...};
    for (int I = Varne::dtCount - 1; I >= 0; --I) Destroyers[I]();
  }
};

using namespace Varne;

using TRegisteredTypes =
    TDataTypeList<TMyDataType<NUMERICDTInfo>, TMyDataType<DECIMALDTInfo>, TCharDataType<CHARDTInfo>,
                  TVaryingDataType<TCharDataType<VARCHARDTInfo>>, TMyDataType<NCHARDTInfo>,
                  TVaryingDataType<TMyDataType<NVCHARDTInfo>>, TMyDataType<SMALLINTDTInfo>,
                  TMyDataType<INTEGERDTInfo>, TMyDataType<FLOATDTInfo>, TMyDataType<DOUBLEDTInfo>,
                  TMyDataType<DATEDTInfo>, TMyDataType<TIMEDTInfo>, TMyDataType<TIMESTAMPDTInfo>,
                  TBlobDataType<BLOBDTInfo>, TDomainDataType<DOMAINDTInfo>>;

constinit const TDTInfo Registry{};

bool IsIndex(int I) { return I >= 0 && I < dtCount; }

} // namespace

namespace Varne {

Morvik::TDataTypeInfo* TDTInfo::GetDataTypeInfo(int I) const {
  return IsIndex(I) ? DataTypeTable[I].Info : nullptr;
}

int TDTInfo::GetDataTypeCount() const { return dtCount; }

const TDTInfo& GetDTInfo() { return Registry; }

Morvik::TDataType* CreateRegisteredDataType(int Index, Morvik::TParent* Owner) {
  if (!IsIndex(Index) || !DataTypeTable[Index].Generator) return nullptr;
  return DataTypeTable[Index].Generator->Create(Owner);
}

void InitDataTypesUnit() {
  BuildDataTypeKinds();
  TRegisteredTypes::Build();
}

void FinalizeDataTypesUnit() {
  TRegisteredTypes::Destroy();
  DestroyDataTypeKinds();
}

} // namespace Varne
