// Plug-in objects as short texts that tests compare: a parameter object with its values,
// comment and every list item to any depth; the column names of a table; the column pairs of
// a reference.
#pragma once

#include "Interface/MorvikInterface.h"

#include <string>

namespace objecttext {

// "{value;value;#comment[{item}{item}][...]}"
inline std::string Dump(const Morvik::TParamObject* Object) {
  std::string Text = "{";
  for (int i = 0; i < Object->GetParamCount(); ++i) Text += std::string(Object->GetParamValue(i)) + ";";
  Text += std::string("#") + Object->GetComment();
  for (int j = 0; j < Object->GetListParamCount(); ++j) {
    const Morvik::TListParam* List = Object->GetListParam(j);
    Text += "[";
    for (int k = 0; k < List->GetItemsCount(); ++k) Text += Dump(List->GetItem(k));
    Text += "]";
  }
  return Text + "}";
}

// "A,B,C,"
inline std::string ColumnNames(const Morvik::TTable* Table) {
  std::string Names;
  for (int i = 0; i < Table->GetColumnCount(); ++i)
    Names += std::string(Table->GetColumn(i)->GetName()) + ",";
  return Names;
}

// "base-target,base-target,"
inline std::string Pairs(const Morvik::TReference* Reference) {
  std::string Text;
  for (int i = 0; i < Reference->GetPairCount(); ++i)
    Text += std::string(Reference->GetPairColumn(0, i)->GetName()) + "-" +
            Reference->GetPairColumn(1, i)->GetName() + ",";
  return Text;
}

} // namespace objecttext
