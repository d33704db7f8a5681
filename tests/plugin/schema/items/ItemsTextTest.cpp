// Texts of the schema-level objects, indexes and triggers, with and without the model's Drop.
#include "ItemsPlugin.h"

using namespace items_test;

namespace {

// Item parameter positions.
enum FilePos {
  fFileName = 0,
  fStartingAt = 1,
  fLength = 2
};
enum DomainPos {
  dName = 0,
  dDefault = 1,
  dNotNull = 2,
  dCheck = 3,
  dCollation = 4,
  dDataType = 5,
  dPrecision = 6,
  dScale = 7,
  dLength = 8,
  dCharSet = 9,
  dArrayDim = 10,
  dSubType = 11,
  dSegmentSize = 12
};
enum VarPos {
  vName = 0,
  vDataType = 1,
  vPrecision = 2,
  vScale = 3,
  vLength = 4,
  vCharSet = 5,
  vArrayDim = 6
};
enum ViewPos {
  wName = 0,
  wColumns = 1,
  wSelect = 2,
  wWithCheck = 3
};
enum ProcPos {
  pName = 0,
  pParams = 1,
  pReturns = 2,
  pVariables = 3,
  pTerm = 4,
  pBody = 5
};
enum IndexPos {
  iUnique = 0,
  iSort = 1,
  iName = 2,
  iColumns = 3
};
enum TriggerPos {
  tName = 0,
  tActive = 1,
  tPlace = 2,
  tOperation = 3,
  tPosition = 4,
  tVariables = 5,
  tTerm = 6,
  tBody = 7
};

class ItemsText : public ItemsTest {
protected:
  void Drop(bool on) { Set(M(), mpDrop, on ? "1" : "0"); }
};

struct TextCase {
  const char* what;
  Values values;
  const char* expected;
};

TEST_F(ItemsText, FileSpecificationClause) {
  const TextCase cases[] = {
      {"starting page only",
       {{fFileName, "/db/b.gdb"}, {fStartingAt, "2000"}},
       "FILE '/db/b.gdb' STARTING AT PAGE 2000"},
      {"length only", {{fFileName, "b.gdb"}, {fLength, "500"}}, "FILE 'b.gdb' LENGTH 500 PAGES"},
      {"both, in this order",
       {{fFileName, "b"}, {fStartingAt, "10"}, {fLength, "20"}},
       "FILE 'b' STARTING AT PAGE 10 LENGTH 20 PAGES"},
      {"neither", {{fFileName, "it's"}}, "FILE 'it's'"},
      {"nothing at all", {}, "FILE ''"},
  };
  for (int listPos : {mpSecFiles, mpSecShadowFiles})
    for (const auto& c : cases) {
      Morvik::TParamObject* file = Add(M(), listPos, c.values);
      EXPECT_EQ(Text(file), c.expected) << c.what << " in list " << listPos;
    }
}

TEST_F(ItemsText, DomainStatement) {
  const TextCase cases[] = {
      {"type only", {{dName, "D"}, {dDataType, "7"}}, "CREATE DOMAIN D AS INTEGER;\n\n"},
      {"empty type is NUMERIC", {{dName, "D"}}, "CREATE DOMAIN D AS NUMERIC;\n\n"},
      {"not null keeps its blank",
       {{dName, "D"}, {dDataType, "7"}, {dNotNull, "1"}},
       "CREATE DOMAIN D AS INTEGER\n\tNOT NULL ;\n\n"},
      {"every clause",
       {{dName, "NAME_T"},
        {dDataType, "3"},
        {dLength, "20"},
        {dCharSet, "UTF8"},
        {dDefault, "'x'"},
        {dNotNull, "1"},
        {dCheck, "(VALUE <> '')"},
        {dCollation, "UNICODE"}},
       "CREATE DOMAIN NAME_T AS VARCHAR(20) CHARACTER SET UTF8\n\tDEFAULT 'x'\n\tNOT NULL "
       "\n\tCHECK (VALUE <> '')\n\tCOLLATE UNICODE;\n\n"},
      {"numeric with precision and scale",
       {{dName, "M"}, {dDataType, "0"}, {dPrecision, "15"}, {dScale, "2"}},
       "CREATE DOMAIN M AS NUMERIC(15,2);\n\n"},
      {"NotNull 0 writes no clause",
       {{dName, "D"}, {dDataType, "7"}, {dNotNull, "0"}},
       "CREATE DOMAIN D AS INTEGER;\n\n"},
      {"NotNull 2 writes no clause",
       {{dName, "D"}, {dDataType, "7"}, {dNotNull, "2"}},
       "CREATE DOMAIN D AS INTEGER;\n\n"},
      {"collation is a name",
       {{dName, "D"}, {dDataType, "2"}, {dLength, "5"}, {dCollation, "WIN_CZ"}},
       "CREATE DOMAIN D AS CHAR(5)\n\tCOLLATE WIN_CZ;\n\n"},
      {"a type with no such option writes no keyword",
       {{dName, "D"}, {dDataType, "14"}},
       "CREATE DOMAIN D AS ;\n\n"},
      {"nor does a negative one", {{dName, "D"}, {dDataType, "-1"}}, "CREATE DOMAIN D AS ;\n\n"},
  };
  for (const auto& c : cases) {
    Morvik::TParamObject* domain = Add(M(), mpDomains, c.values);
    EXPECT_EQ(Text(domain), c.expected) << c.what;
    Drop(true);
    EXPECT_EQ(Text(domain), "DROP DOMAIN " + Value(domain, dName) + ";\n" + c.expected) << c.what;
    Drop(false);
  }
}

TEST_F(ItemsText, GeneratorExceptionAndRoleStatements) {
  struct Case {
    int list;
    Values values;
    const char* text;
    const char* drop;
  };
  const Case cases[] = {
      {mpGenerators,
       {{0, "G"}},
       "CREATE GENERATOR G;\n\n",
       "DELETE FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = 'G';\n"},
      {mpGenerators,
       {{0, "G"}, {1, "0"}},
       "CREATE GENERATOR G;\nSET GENERATOR G TO 0;\n\n",
       "DELETE FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = 'G';\n"},
      {mpGenerators,
       {{0, "G"}, {1, "100"}},
       "CREATE GENERATOR G;\nSET GENERATOR G TO 100;\n\n",
       "DELETE FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = 'G';\n"},
      {mpExceptions,
       {{0, "E"}, {1, "Bad 'value'"}},
       "CREATE EXCEPTION E 'Bad 'value'';\n\n",
       "DROP EXCEPTION E;\n"},
      {mpExceptions, {{0, "E"}}, "CREATE EXCEPTION E '';\n\n", "DROP EXCEPTION E;\n"},
      {mpRoles, {{0, "R"}}, "CREATE ROLE R;\n\n", "DROP ROLE R;\n"},
  };
  for (const auto& c : cases) {
    Morvik::TParamObject* item = Add(M(), c.list, c.values);
    EXPECT_EQ(Text(item), c.text);
    Drop(true);
    EXPECT_EQ(Text(item), std::string(c.drop) + c.text);
    Drop(false);
  }
}

TEST_F(ItemsText, ViewStatement) {
  struct Case {
    std::vector<const char*> columns;
    const char* withCheck;
    const char* expected;
  };
  const Case cases[] = {
      {{}, "", "CREATE VIEW V \nAS\nSELECT A FROM T;\n\n"},
      {{"A"}, "0", "CREATE VIEW V (A)\nAS\nSELECT A FROM T;\n\n"},
      {{"A", "B", "C"}, "1", "CREATE VIEW V (A,B,C)\nAS\nSELECT A FROM T\nWITH CHECK OPTION;\n\n"},
      {{"A", "", "C"}, "2", "CREATE VIEW V (A,,C)\nAS\nSELECT A FROM T\nWITH CHECK OPTION;\n\n"},
  };
  for (const auto& c : cases) {
    Morvik::TParamObject* view =
        Add(M(), mpViews, {{wName, "V"}, {wSelect, "SELECT A FROM T"}, {wWithCheck, c.withCheck}});
    for (const char* column : c.columns) {
      Morvik::TParamObject* item = Add(view, wColumns, {{0, column}});
      EXPECT_EQ(Text(item), column);
    }
    EXPECT_EQ(Text(view), c.expected);
    Drop(true);
    EXPECT_EQ(Text(view), std::string("DROP VIEW V;\n") + c.expected);
    Drop(false);
  }
}

TEST_F(ItemsText, ProcedureBlock) {
  Morvik::TParamObject* proc = Add(M(), mpProcedures, {{pName, "P"}, {pTerm, "^"}, {pBody, "B = A;"}});
  EXPECT_EQ(Text(proc),
            "SET TERM ^ ;\nCREATE PROCEDURE P\nRETURNS ()\nAS\nBEGIN\nB = A;\nEND\n^\nSET TERM ; ^\n\n")
      << "no parameters, no return values";

  Morvik::TParamObject* a = Add(proc, pParams, {{vName, "A"}, {vDataType, "7"}});
  EXPECT_EQ(Text(a), "A INTEGER");
  Add(proc, pReturns, {{vName, "B"}, {vDataType, "7"}});
  EXPECT_EQ(Text(proc), "SET TERM ^ ;\nCREATE PROCEDURE P (A INTEGER)\nRETURNS (B "
                        "INTEGER)\nAS\nBEGIN\nB = A;\nEND\n"
                        "^\nSET TERM ; ^\n\n");

  Add(proc, pParams, {{vName, "S"}, {vDataType, "3"}, {vLength, "10"}, {vCharSet, "UTF8"}});
  Add(proc, pReturns, {{vName, "N"}, {vDataType, "0"}, {vPrecision, "15"}, {vScale, "2"}});
  Add(proc, pVariables, {{vName, "X"}, {vDataType, "7"}});
  Add(proc, pVariables, {{vName, "Y"}, {vDataType, "9"}});
  const std::string full = "SET TERM ^ ;\nCREATE PROCEDURE P (A INTEGER,S VARCHAR(10) CHARACTER SET UTF8)\n"
                           "RETURNS (B INTEGER,N NUMERIC(15,2))\nAS\n"
                           "DECLARE VARIABLE X INTEGER;\nDECLARE VARIABLE Y DOUBLE PRECISION;\n"
                           "BEGIN\nB = A;\nEND\n^\nSET TERM ; ^\n\n";
  EXPECT_EQ(Text(proc), full);
  Drop(true);
  EXPECT_EQ(Text(proc), "DROP PROCEDURE P;\n" + full);
  Drop(false);

  List(proc, pParams)->ExchangeItems(0, 1);
  EXPECT_NE(Text(proc).find("CREATE PROCEDURE P (S VARCHAR(10) CHARACTER SET UTF8,A INTEGER)\n"),
            std::string::npos);

  Morvik::TParamObject* bare = Add(M(), mpProcedures, {{pName, "Q"}});
  EXPECT_EQ(Text(bare), "SET TERM  ;\nCREATE PROCEDURE Q\nRETURNS ()\nAS\nBEGIN\n\nEND\n\nSET TERM ; \n\n")
      << "empty terminator and body";
}

TEST_F(ItemsText, IndexStatement) {
  Morvik::TTable* table = NewTable(M(), "T");
  Morvik::TParamObject* fresh = Add(table, tpIndexes);
  EXPECT_EQ(Text(fresh), "CREATE INDEX  ON T (\n\t\n);\n\n");
  Drop(true);
  EXPECT_EQ(Text(fresh), "DROP INDEX ;\nCREATE INDEX  ON T (\n\t\n);\n\n");
  Drop(false);

  struct Case {
    const char* unique;
    const char* sort;
    const char* words;
  };
  const Case cases[] = {
      {"1", "2", "UNIQUE DESCENDING "},
      {"1", "1", "UNIQUE ASCENDING "},
      {"0", "", ""},
      {"", "0", ""},
      {"2", "1", "ASCENDING "},
      {"1", "3", "UNIQUE "},
      {"1", "-1", "UNIQUE "},
      {" 1", "x", ""},
  };
  for (const auto& c : cases) {
    Morvik::TParamObject* index =
        Add(table, tpIndexes, {{iUnique, c.unique}, {iSort, c.sort}, {iName, "IX"}});
    Add(index, iColumns, {{0, "C1"}});
    Add(index, iColumns, {{0, "C2"}});
    const std::string expected = std::string("CREATE ") + c.words + "INDEX IX ON T (\n\tC1,\n\tC2\n);\n\n";
    EXPECT_EQ(Text(index), expected) << "Unique '" << c.unique << "', Sort '" << c.sort << "'";
    Drop(true);
    EXPECT_EQ(Text(index), "DROP INDEX IX;\n" + expected);
    Drop(false);
  }
}

TEST_F(ItemsText, TriggerBlock) {
  Morvik::TTable* table = NewTable(M(), "T");
  Morvik::TParamObject* fresh = Add(table, tpTriggers);
  const std::string empty =
      "SET TERM  ;\nCREATE TRIGGER  FOR T\n\tBEFORE INSERT \nAS\nBEGIN\n\nEND\n\nSET TERM ; \n\n";
  EXPECT_EQ(Text(fresh), empty);
  Drop(true);
  EXPECT_EQ(Text(fresh), "DROP TRIGGER ;\n" + empty);
  Drop(false);

  struct Case {
    const char* active;
    const char* place;
    const char* operation;
    const char* position;
    const char* words;
  };
  const Case cases[] = {
      {"1", "0", "2", "5", "ACTIVE BEFORE UPDATE  POSITION 5"},
      {"2", "1", "1", "0", "INACTIVE AFTER DELETE  POSITION 0"},
      {"0", "1", "0", "", "AFTER INSERT "},
      {"", "", "", "", "BEFORE INSERT "},
      {"3", "2", "3", "", ""},
      {"-1", "-1", "-1", "1", " POSITION 1"},
      {"1", "1", "5", "", "ACTIVE AFTER "},
  };
  for (const auto& c : cases) {
    Morvik::TParamObject* trigger = Add(table, tpTriggers,
                                        {{tName, "TR"},
                                         {tActive, c.active},
                                         {tPlace, c.place},
                                         {tOperation, c.operation},
                                         {tPosition, c.position},
                                         {tTerm, "!!"},
                                         {tBody, "x = 1;"}});
    const std::string expected = std::string("SET TERM !! ;\nCREATE TRIGGER TR FOR T\n\t") + c.words +
                                 "\nAS\nBEGIN\nx = 1;\nEND\n!!\nSET TERM ; !!\n\n";
    EXPECT_EQ(Text(trigger), expected) << c.words;
    Drop(true);
    EXPECT_EQ(Text(trigger), "DROP TRIGGER TR;\n" + expected);
    Drop(false);
  }

  Morvik::TParamObject* withVars =
      Add(table, tpTriggers, {{tName, "TV"}, {tActive, "1"}, {tTerm, "^"}, {tBody, "v = 1;"}});
  Add(withVars, tVariables, {{vName, "v"}, {vDataType, "7"}});
  Add(withVars, tVariables, {{vName, "w"}, {vDataType, "3"}, {vLength, "10"}});
  EXPECT_EQ(Text(withVars), "SET TERM ^ ;\nCREATE TRIGGER TV FOR T\n\tACTIVE BEFORE INSERT \nAS\n"
                            "DECLARE VARIABLE v INTEGER;\nDECLARE VARIABLE w VARCHAR(10);\n"
                            "BEGIN\nv = 1;\nEND\n^\nSET TERM ; ^\n\n");

  table->SetName("RENAMED");
  EXPECT_NE(Text(withVars).find("CREATE TRIGGER TV FOR RENAMED\n"), std::string::npos)
      << "the table's current name is written";
}

TEST_F(ItemsText, TableWritesIndexesThenTriggers) {
  Morvik::TTable* table = NewTable(M(), "T");
  Add(table, tpTriggers, {{tName, "TR"}, {tTerm, "^"}, {tBody, "x = 1;"}});
  Morvik::TParamObject* index = Add(table, tpIndexes, {{iName, "IX"}});
  Add(index, iColumns, {{0, "A"}});
  const std::string text = Text(table);
  const auto ix = text.find("CREATE INDEX IX ON T");
  const auto tr = text.find("CREATE TRIGGER TR FOR T");
  ASSERT_NE(ix, std::string::npos);
  ASSERT_NE(tr, std::string::npos);
  EXPECT_LT(ix, tr);
}

} // namespace
