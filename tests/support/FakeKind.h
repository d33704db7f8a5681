// The descriptions of the fake model used by the mirror and check tests.
#pragma once

#include "tests/support/FakeModel.h"

// Model: Title, Owner (Title set), list Domains (DomainName). Table: Tablespace, list Indexes
// (IndexName), list Triggers (Body) whose items have no naming parameter. Column: Default, NotNull. Reference: OnDelete enumeration. Data types:
// 0 INTEGER, 1 VARCHAR (Length), 2 NUMERIC (Precision, Scale).
struct FakeKind : fake::TFakeModelKind {
  FakeKind() {
    Model.AddScalar("Title");
    Model.AddScalar("Owner", Morvik::ptString, 0, "Set");
    Model.AddList("Domains")->AddScalar("DomainName");
    Table.AddScalar("Tablespace");
    Table.AddList("Indexes")->AddScalar("IndexName");
    Table.AddList("Triggers", -1)->AddScalar("Body");
    Column.AddScalar("Default");
    Column.AddScalar("NotNull", Morvik::ptBoolean);
    Reference.AddScalar("OnDelete", Morvik::ptEnum, -1, "", {"", "CASCADE", "SET NULL"});
    AddDataType("INTEGER");
    AddDataType("VARCHAR")->AddScalar("Length", Morvik::ptNumber);
    fake::TFakeDataTypeInfo* numeric = AddDataType("NUMERIC");
    numeric->AddScalar("Precision", Morvik::ptNumber);
    numeric->AddScalar("Scale", Morvik::ptNumber);
  }
};
