// Expects a call to fail with the precondition exception of the mirrors: the text names
// the violated condition and the folder.
#pragma once

#include "Interface/edit/EditPrecondition.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

inline void ExpectPrecondition(const std::function<void()>& Call, const std::string& Condition) {
  try {
    Call();
    ADD_FAILURE() << "no exception, expected: " << Condition;
  } catch (const Morvik::EEditPrecondition& Error) {
    const std::string Text = Error.what();
    EXPECT_NE(Text.find(Condition), std::string::npos) << Text;
    EXPECT_NE(Text.find("Interface/edit"), std::string::npos) << Text;
  }
}
