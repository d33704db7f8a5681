// A secondary file of the database or of its shadow: a file name with a starting page, a
// length or both.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"

// FileName, StartingAt, Length.
class TFileSpecInfo_P : public Morvik::TParamsList {
public:
  TFileSpecInfo_P();
};

using TFileSpecInfo = Morvik::TParamObjectInfoMixin<TFileSpecInfo_P>;

class TFileSpec : public Morvik::TParamObjectMixin<TFileSpecInfo> {
public:
  explicit TFileSpec(Morvik::TParent* Owner);
  // The FILE clause that CREATE DATABASE and CREATE SHADOW embed.
  const char* Generate() override;
  const char* Check(int Pos) const override;
  ~TFileSpec() override = default;
};
