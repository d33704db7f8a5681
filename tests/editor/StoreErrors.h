#pragma once
// Runs an operation that must raise the store's error and returns what it raised.

#include "diagram/Errors.h"

#include <gtest/gtest.h>
#include <optional>

template <typename F>
std::optional<EMorvikError> StoreError(F&& Operation) {
  try {
    Operation();
  } catch (const EMorvikError& e) {
    return e;
  }
  return std::nullopt;
}

#define EXPECT_STORE_ERROR(Operation, Number)                                                                \
  do {                                                                                                       \
    const auto raised = StoreError([&] { Operation; });                                                      \
    ASSERT_TRUE(raised.has_value()) << "nothing raised by " #Operation;                                      \
    EXPECT_EQ(raised->ErrorCode(), (Number)) << raised->Message().toStdString();                             \
    EXPECT_EQ(raised->ErrorType(), 99);                                                                      \
    EXPECT_EQ(raised->DeveloperCode(), dcGB);                                                                \
  } while (0)
