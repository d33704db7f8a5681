// The program's exception: codes folded into the message in hexadecimal.

#include "diagram/Errors.h"

#include <gtest/gtest.h>

TEST(EMorvikError, MessageCarriesTheCodesInZeroPaddedCapitalHex) {
  struct Case {
    int author, module, number;
    const char* code;
  };
  const Case cases[] = {
      {dcGA, 1, 9, "01F-01-0009"}, {dcGB, 99, 2, "02E-63-0002"},       {dcGB, 100, 11, "02E-64-000B"},
      {dcGA, 2, 3, "01F-02-0003"}, {dcGD, 255, 0xABCD, "04C-FF-ABCD"}, {dcGC, 0, 0, "03D-00-0000"},
  };
  for (const Case& c : cases) {
    const EMorvikError e(c.author, c.number, c.module, "Some text.", epDefault);
    EXPECT_EQ(e.Message(), QString("MorvikError: %1\rDescription: Some text.").arg(c.code));
    EXPECT_EQ(e.Message().count('\r'), 1);
    EXPECT_EQ(e.Message().count('\n'), 0);
    EXPECT_EQ(e.DeveloperCode(), c.author);
    EXPECT_EQ(e.ErrorType(), c.module);
    EXPECT_EQ(e.ErrorCode(), c.number);
    EXPECT_EQ(e.Priority(), 100);
  }
}

TEST(EMorvikError, RaisedWithTheUnitsCodesTextAndPriority) {
  try {
    RaiseDiagramError(geLineIndexOutOfBound, emDiagram, gaLineIndexOutOfBound);
    FAIL() << "no exception";
  } catch (const EMorvikError& e) {
    EXPECT_STREQ(e.what(), "MorvikError: 01F-01-0009\rDescription: Line index out of bound.");
  }
  const EMorvikError custom(dcGA, 4, 1, gaHostIsNotDefined, 7);
  EXPECT_EQ(custom.Priority(), 7);
}
