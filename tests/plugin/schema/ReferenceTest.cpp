// Foreign keys through the plug-in interface: the ALTER TABLE text, the pair operations
// and the reference's parameters.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/PluginModel.h"

using namespace SchemaTest;

namespace {

class ReferenceTest : public PluginModelTest {
protected:
  void SetUp() override {
    PluginModelTest::SetUp();
    if (HasFatalFailure()) return;
    parent = AddTable(model.get(), "T1", {{"A1", "INTEGER", {}, {}, true}, {"A2", "INTEGER", {}, {}, true}});
    child = AddTable(model.get(), "T2", {{"B1"}, {"B2"}});
  }

  Morvik::TTable* parent = nullptr;
  Morvik::TTable* child = nullptr;
};

struct TextCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> pairs;
  const char* name;
  const char* onDelete;
  const char* onUpdate;
  const char* comment;
  const char* text;
};

TEST_F(ReferenceTest, AlterTableTexts) {
  const std::vector<TextCase> cases = {
      {"unnamed with unset rules",
       {{"A1", "B1"}},
       "",
       "",
       "",
       "",
       "ALTER TABLE T2 ADD \n\tFOREIGN KEY (B1) REFERENCES T1 (A1) \n\tON DELETE NO ACTION"
       "\n\tON UPDATE NO ACTION;\n"},
      {"named",
       {{"A1", "B1"}},
       "FK",
       "",
       "",
       "",
       "ALTER TABLE T2 ADD \n\tCONSTRAINT FK FOREIGN KEY (B1) REFERENCES T1 (A1) \n\t"
       "ON DELETE NO ACTION\n\tON UPDATE NO ACTION;\n"},
      {"two pairs",
       {{"A1", "B1"}, {"A2", "B2"}},
       "",
       "1",
       "3",
       "",
       "ALTER TABLE T2 ADD \n\tFOREIGN KEY (B1,B2) REFERENCES T1 (A1,A2) \n\tON DELETE CASCADE"
       "\n\tON UPDATE SET DEFAULT;\n"},
      {"no pairs",
       {},
       "",
       "2",
       "0",
       "",
       "ALTER TABLE T2 ADD \n\tFOREIGN KEY () REFERENCES T1 () \n\tON DELETE SET NULL"
       "\n\tON UPDATE NO ACTION;\n"},
      {"comment",
       {{"A2", "B1"}},
       "",
       "",
       "",
       "x",
       "/*x*/\nALTER TABLE T2 ADD \n\tFOREIGN KEY (B1) REFERENCES T1 (A2) \n\t"
       "ON DELETE NO ACTION\n\tON UPDATE NO ACTION;\n"},
      {"rules naming no option",
       {{"A1", "B1"}},
       "",
       "7",
       "-1",
       "",
       "ALTER TABLE T2 ADD \n\tFOREIGN KEY (B1) REFERENCES T1 (A1);\n"},
      {"only the update rule names no option",
       {{"A1", "B1"}},
       "",
       "1",
       "4",
       "",
       "ALTER TABLE T2 ADD \n\tFOREIGN KEY (B1) REFERENCES T1 (A1) \n\tON DELETE CASCADE;\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Morvik::TReference* r = AddReference(model.get(), parent, child, c.pairs, c.name, c.onDelete, c.onUpdate);
    r->SetComment(c.comment);
    EXPECT_EQ(std::string(r->Generate()), c.text);
    model->DeleteReference(r);
  }
}

TEST_F(ReferenceTest, PairsFollowTheirColumns) {
  Morvik::TReference* r = AddReference(model.get(), parent, child, {{"A1", "B1"}, {"A2", "B2"}});
  FindColumn(child, "B1")->SetName("C1");
  EXPECT_NE(std::string(r->Generate()).find("FOREIGN KEY (C1,B2)"), std::string::npos);

  r->SetPairColumn(1, 1, FindColumn(child, "C1"));
  EXPECT_EQ(r->GetPairColumn(0, 1), FindColumn(parent, "A2"));
  EXPECT_EQ(r->GetPairColumn(1, 1), FindColumn(child, "C1"));
  r->DeletePair(0);
  ASSERT_EQ(r->GetPairCount(), 1);
  EXPECT_EQ(r->GetPairColumn(0, 0), FindColumn(parent, "A2"));
}

// The server finds the referenced key only with its columns in the key's order: the pairs
// are written in the order of the key that the check matches, and stay stored as made.
TEST_F(PluginModelTest, PairsAreWrittenInTheOrderOfTheirKey) {
  const ColumnSpec k1{"K1", "INTEGER", {}, {}, true}, k2{"K2", "INTEGER", {}, {}, true};
  const ColumnSpec x{"X"}, y{"Y"};
  struct Case {
    const char* what;
    std::vector<ColumnSpec> parentColumns;
    std::vector<std::vector<std::string>> uniques;
    std::vector<std::string> pairs; // parent columns; the child column of pair i is C<i+1>
    const char* written;
  };
  const std::vector<Case> cases = {
      {"the key in its order", {k1, k2}, {}, {"K1", "K2"}, "(C1,C2) REFERENCES P (K1,K2)"},
      {"the key in another order", {k1, k2}, {}, {"K2", "K1"}, "(C2,C1) REFERENCES P (K1,K2)"},
      {"the key in the order of the table", {k2, x, k1}, {}, {"K1", "K2"}, "(C2,C1) REFERENCES P (K2,K1)"},
      {"a constraint in another order", {k1, x, y}, {{"X", "Y"}}, {"Y", "X"}, "(C2,C1) REFERENCES P (X,Y)"},
      {"a constraint listed backwards", {k1, x, y}, {{"Y", "X"}}, {"X", "Y"}, "(C2,C1) REFERENCES P (Y,X)"},
      {"the constraint that matches",
       {k1, x, y},
       {{"X"}, {"Y", "X"}},
       {"X", "Y"},
       "(C2,C1) REFERENCES P (Y,X)"},
      {"no key: as stored", {k1, x, y}, {}, {"Y", "X"}, "(C1,C2) REFERENCES P (Y,X)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ModelPtr m(plugin.Models()->CreateModel(0));
    Morvik::TTable* parent = AddTable(m.get(), "P", c.parentColumns);
    for (const auto& u : c.uniques) AddUnique(parent, u);
    Morvik::TTable* child = AddTable(m.get(), "C", {{"C1"}, {"C2"}});
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i < c.pairs.size(); ++i)
      pairs.push_back({c.pairs[i], "C" + std::to_string(i + 1)});
    Morvik::TReference* r = AddReference(m.get(), parent, child, pairs);
    EXPECT_NE(std::string(r->Generate()).find(std::string("FOREIGN KEY ") + c.written + " \n"),
              std::string::npos)
        << r->Generate();
    for (std::size_t i = 0; i < c.pairs.size(); ++i) {
      EXPECT_STREQ(r->GetPairColumn(0, static_cast<int>(i))->GetName(), c.pairs[i].c_str());
      EXPECT_EQ(r->GetPairColumn(1, static_cast<int>(i))->GetName(), "C" + std::to_string(i + 1));
    }
  }
}

TEST_F(ReferenceTest, Parameters) {
  Morvik::TReference* r = model->NewReference(parent, child);
  ASSERT_EQ(r->GetParamCount(), 2);
  ASSERT_EQ(r->GetListParamCount(), 0);
  const char* helps[] = {"What to do with foreign key when referenced key is deleted",
                         "What to do with foreign key when referenced key is updated"};
  const char* names[] = {"OnDelete", "OnUpdate"};
  for (int i = 0; i < 2; ++i) {
    const Morvik::TParamInfo* p = r->GetParam(i);
    EXPECT_STREQ(p->GetName(), names[i]);
    EXPECT_STREQ(p->GetHelp(), helps[i]);
    EXPECT_EQ(p->GetType(), Morvik::ptEnum);
    ASSERT_EQ(p->GetOptionCount(), 4);
    EXPECT_STREQ(p->GetOption(0), "NO ACTION");
    EXPECT_STREQ(p->GetOption(1), "CASCADE");
    EXPECT_STREQ(p->GetOption(2), "SET NULL");
    EXPECT_STREQ(p->GetOption(3), "SET DEFAULT");
    EXPECT_EQ(r->GetDependParam(i), -1);
    EXPECT_STREQ(r->GetParamValue(i), "");
  }
  EXPECT_EQ(model->GetReferenceInfo()->GetParam(1), r->GetParam(1));
  for (int pos = -1; pos < 2; ++pos) EXPECT_EQ(r->Check(pos), nullptr);
}

} // namespace
