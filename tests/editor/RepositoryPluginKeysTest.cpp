// A streamed store writes plug-in objects straight into its text. Whatever keys and values a
// plug-in gives, the text is the kept tree's, byte for byte, or the stream refuses the object
// (ERepositoryStreamOrder) for the writer to turn to the kept tree; it never writes other text.

#include "editor/Repository.h"
#include "editor/RepositoryStream.h"
#include "tests/support/FakeModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A table whose columns take the scalar keys Keys, with Value in every scalar, a comment and
// a name, and an index list with one item holding the same.
struct TKeyedTable {
  TKeyedTable(const std::vector<std::string>& Keys, const std::string& Value) {
    for (const std::string& key : Keys) kind.Column.AddScalar(key);
    kind.Table.AddList(Keys.empty() ? "Indexes" : Keys.front())->AddScalar("IndexName");
    kind.AddDataType("INTEGER");
    table = model.NewTable();
    std::string name = "T_";
    name += Value;
    table->SetName(name.c_str());
    table->SetComment(Value.c_str());
    table->GetListParam(0)->AddItem()->SetParamValue(0, Value.c_str());
    for (int c = 0; c < 2; ++c) {
      Morvik::TColumn* column = table->AddColumn();
      column->SetName(c == 0 ? "C0" : "C1");
      column->SetDataType(0);
      for (int i = 0; i < column->GetParamCount(); ++i) column->SetParamValue(i, Value.c_str());
    }
  }
  fake::TFakeModelKind kind;
  fake::TFakeModel model{kind};
  Morvik::TTable* table = nullptr;
};

// Saves the table under a list as the schema writer does; the bytes, or the error's text.
std::string Save(TRepository& Store, const Morvik::TTable* Table) {
  try {
    Store.AddList("Entities");
    Store.AddEntity("Entities.E0");
    Store.SaveTable("Entities.E0.Data", Table);
    Store.WriteInteger("Entities.E0.Left", 1); // back in the entity after the table
    return Store.SaveToBytes().toStdString();
  } catch (const ERepositoryStreamOrder&) {
    throw;
  } catch (const std::exception& e) {
    return std::string("error: ") + e.what();
  }
}

} // namespace

TEST(RepositoryPluginKeys, StreamedTextIsTheKeptTreesOrIsRefused) {
  const struct {
    const char* What;
    std::vector<std::string> Keys;
    std::string Value;
    bool Streams;
  } cases[] = {
      {"plain keys and markup in values", {"Default", "Not null"}, "a<b & \"c\" 'd' >", true},
      {"controls and characters outside the code page", {"Default"}, "ř\r\n\t\x01 \xF0\x9F\x98\x80 €", true},
      {"a value that is no UTF-8", {"Default"}, "bad \xC3\x28 \xFF end", true},
      {"a key read as a path", {"Default", "A.B"}, "x", false},
      {"a key twice in a branch", {"Default", "Default"}, "x", false},
      {"a key that needs escaping", {"<Default>"}, "x", false},
      {"an empty key", {""}, "x", false},
      {"a key outside ASCII", {"Výchozí"}, "x", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    const TKeyedTable t(c.Keys, c.Value);
    TRepository kept;
    const std::string expected = Save(kept, t.table);
    TRepository streamed(TRepository::TStreamed{});
    if (c.Streams) {
      EXPECT_EQ(Save(streamed, t.table), expected);
      EXPECT_EQ(expected.rfind("error", 0), std::string::npos) << expected;
    } else {
      EXPECT_THROW(Save(streamed, t.table), ERepositoryStreamOrder);
    }
  }
}
