#pragma once
// The whole-number fields of font, brush and pen values under their attribute names in the
// XML form of the store, in the order they are written and read.

#include "editor/RepositoryValues.h"

template <typename TValue>
struct TValueField {
  const char* Attribute;
  int TValue::*Member;
};

inline constexpr TValueField<TFontValue> FontFields[] = {
    {"height", &TFontValue::Height}, {"size", &TFontValue::Size},   {"charset", &TFontValue::Charset},
    {"color", &TFontValue::Color},   {"pitch", &TFontValue::Pitch}, {"style", &TFontValue::Style}};

inline constexpr TValueField<TBrushValue> BrushFields[] = {{"color", &TBrushValue::Color},
                                                           {"style", &TBrushValue::Style}};

inline constexpr TValueField<TPenValue> PenFields[] = {{"color", &TPenValue::Color},
                                                       {"style", &TPenValue::Style},
                                                       {"width", &TPenValue::Width},
                                                       {"mode", &TPenValue::Mode}};
