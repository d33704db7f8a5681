// The value side of a parameter object: one text per scalar parameter, one owned list
// object per list parameter, a comment and the output text of Generate.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Interface/MorvikInterface.h"
#include "plugin/framework/Parent.h"
#include "plugin/framework/TextBuffer.h"

namespace Morvik {

// Info is TParamObjectInfoMixin<X_P> or a class derived from it. A most derived class
// constructs TParent with its owner:  TMyThing(TParent* Owner)
//     : TParent(Owner), TParamObjectMixin<TThingInfo>(Owner) {}
template <class Info>
class TParamObjectMixin : public virtual TParent, public virtual Info {
public:
  explicit TParamObjectMixin(TParent* Owner) : TParent(Owner) {
    const auto& List = Info::GetParamsList();
    values.resize(static_cast<std::size_t>(List.GetScalarCount()));
    lists.reserve(static_cast<std::size_t>(List.GetListCount()));
    for (int B = 0; B < List.GetListCount(); ++B)
      lists.emplace_back(List.GetGenerator(B)->Create(static_cast<TParent*>(this)));
  }

  ~TParamObjectMixin() override {
    // Lists (and with them their items) go first, in list order.
    for (auto& List : lists) List.reset();
  }

  const char* GetParamValue(int Idx) const override { return values[Index(Idx)].c_str(); }
  // The text is copied; NULL stores "".
  void SetParamValue(int Idx, const char* Value) override { values[Index(Idx)] = Value ? Value : ""; }
  TListParam* GetListParam(int Idx) override { return lists[Index(Idx)].get(); }
  const TListParam* GetListParam(int Idx) const override { return lists[Index(Idx)].get(); }
  // The text is copied; NULL stores "".
  void SetComment(const char* Text) override { comment = Text ? Text : ""; }
  const char* GetComment() const override { return comment.c_str(); }
  // The stored texts themselves, for the plug-in's own writers.
  const std::string& ValueText(int Idx) const { return values[Index(Idx)]; }
  const std::string& CommentText() const { return comment; }
  // Defaults that the concrete kinds replace: nothing to report, nothing to write.
  const char* Check(int Pos) const override { return nullptr; }
  const char* Generate() override {
    output.Clear();
    return output.GetText();
  }

protected:
  TTextBuffer output;

private:
  static std::size_t Index(int Idx) { return static_cast<std::size_t>(Idx); }

  std::vector<std::string> values;
  std::vector<std::unique_ptr<TListParam>> lists;
  std::string comment;
};

} // namespace Morvik
