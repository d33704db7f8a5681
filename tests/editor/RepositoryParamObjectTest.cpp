// Plug-in objects in the store, through the built plug-in as the program loads it: every
// parameter value, list item, column, key flag, data type and pair comes back, and names the
// plug-in does not know never reach it.

#include "Interface/MorvikInterface.h"
#include "editor/Repository.h"
#include "StoreErrors.h"
#include "tests/support/PluginLibrary.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using ModelPtr = testsupport::TModelPtr;

// A value of the parameter's value type that differs from one parameter to the next.
std::string ValueFor(const Morvik::TParamInfo* Info, const std::string& Tag, int Idx) {
  switch (Info->GetType()) {
    case Morvik::ptNumber: return std::to_string(10 + Idx);
    case Morvik::ptBoolean: return "1";
    case Morvik::ptEnum: return Info->GetOptionCount() > 1 ? "1" : "0";
    case Morvik::ptMemo: return "řádek " + Tag + "\r\nřádek\t& <b>";
    default: return "hodnota_ř_" + Tag + "_" + std::to_string(Idx);
  }
}

// Sets every scalar of the object, and gives every list (down to Depth levels) one item that
// is filled the same way.
void Fill(Morvik::TParamObject* Object, const std::string& Tag, int Depth) {
  Object->SetComment(("komentář " + Tag).c_str());
  for (int i = 0; i < Object->GetParamCount(); ++i)
    Object->SetParamValue(i, ValueFor(Object->GetParam(i), Tag, i).c_str());
  if (Depth <= 0) return;
  for (int j = 0; j < Object->GetListParamCount(); ++j)
    Fill(Object->GetListParam(j)->AddItem(), Tag + "/" + std::to_string(j), Depth - 1);
}

std::string Dump(const Morvik::TParamObject* Object) {
  std::string text = "{comment=" + std::string(Object->GetComment());
  for (int i = 0; i < Object->GetParamCount(); ++i)
    text += ";" + std::string(Object->GetParam(i)->GetName()) + "=" + Object->GetParamValue(i);
  for (int j = 0; j < Object->GetListParamCount(); ++j) {
    const Morvik::TListParam* list = Object->GetListParam(j);
    text += ";" + std::string(Object->GetListParamInfo(j)->GetName()) + "=[";
    for (int k = 0; k < list->GetItemsCount(); ++k) text += Dump(list->GetItem(k));
    text += "]";
  }
  return text + "}";
}

std::string Dump(const Morvik::TTable* Table) {
  std::string text =
      std::string("table ") + Table->GetName() + Dump(static_cast<const Morvik::TParamObject*>(Table));
  for (int i = 0; i < Table->GetColumnCount(); ++i) {
    const Morvik::TColumn* c = Table->GetColumn(i);
    text += std::string("\n column ") + c->GetName() + (c->GetKey() ? " key " : " ") +
            c->GetDataType()->GetName() + Dump(static_cast<const Morvik::TParamObject*>(c)) +
            Dump(static_cast<const Morvik::TParamObject*>(c->GetDataType()));
  }
  return text;
}

std::string Dump(const Morvik::TReference* Reference) {
  std::string text = std::string("reference ") + Reference->GetName() +
                     Dump(static_cast<const Morvik::TParamObject*>(Reference));
  for (int i = 0; i < Reference->GetPairCount(); ++i)
    text += std::string(" ") + Reference->GetPairColumn(0, i)->GetName() + "->" +
            Reference->GetPairColumn(1, i)->GetName();
  return text;
}

class RepositoryPlugin : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(plugin.Loaded()) << plugin.Error();
    ASSERT_NE(plugin.Models(), nullptr) << plugin.Error();
    model = NewModel();
    ASSERT_NE(model, nullptr);
  }
  ModelPtr NewModel() const { return ModelPtr(plugin.Models()->CreateModel(0)); }

  // A parent table with one column of every data type and a child table, joined by a
  // reference of two pairs; every object filled.
  void Build(Morvik::TModel* Model) {
    Fill(Model, "model", 2);
    parent = Model->NewTable();
    parent->SetName("RODIČ");
    Fill(parent, "parent", 2);
    for (int t = 0; t < Model->GetDataTypeCount(); ++t) {
      Morvik::TColumn* c = parent->AddColumn();
      c->SetName(("SLOUPEC_" + std::to_string(t)).c_str());
      c->SetKey(t < 2);
      Fill(c, "column" + std::to_string(t), 1);
      Fill(c->SetDataType(t), "type" + std::to_string(t), 1);
    }
    child = Model->NewTable();
    child->SetName("CHILD");
    for (const char* name : {"ID", "PARENT_A", "PARENT_B"}) child->AddColumn()->SetName(name);
    reference = Model->NewReference(parent, child);
    reference->SetName("FK_CHILD_PARENT");
    Fill(reference, "reference", 1);
    reference->AddPair(parent->GetColumn(0), child->GetColumn(1));
    reference->AddPair(parent->GetColumn(1), child->GetColumn(2));
  }

  void Save(TRepository& Store) {
    Store.SaveModel("Model", model.get());
    Store.AddList("Entities");
    Store.AddEntity("Entities.E0");
    Store.SaveTable("Entities.E0.Data", parent);
    Store.AddEntity("Entities.E1");
    Store.SaveTable("Entities.E1.Data", child);
    Store.AddList("Relations");
    Store.AddRelation("Relations.R0");
    Store.SaveReference("Relations.R0.Data", reference);
  }

  testsupport::TPluginLibrary plugin{VARNE_PLUGIN_PATH};
  ModelPtr model;
  Morvik::TTable* parent = nullptr;
  Morvik::TTable* child = nullptr;
  Morvik::TReference* reference = nullptr;
};

} // namespace

TEST_F(RepositoryPlugin, EveryObjectComesBackThroughTheFile) {
  Build(model.get());
  TRepository saved;
  Save(saved);
  // Written straight into its text, with nested list items, it gives the kept tree's bytes.
  TRepository streamed(TRepository::TStreamed{});
  Save(streamed);
  EXPECT_EQ(streamed.SaveToBytes(), saved.SaveToBytes());
  TRepository store;
  store.LoadFromText(saved.SaveToText());

  ModelPtr loaded = NewModel();
  store.LoadModel("Model", loaded.get());
  Morvik::TTable* p = loaded->NewTable();
  store.LoadTable("Entities.E0.Data", p, loaded.get());
  Morvik::TTable* c = loaded->NewTable();
  store.LoadTable("Entities.E1.Data", c, loaded.get());
  Morvik::TReference* r = loaded->NewReference(p, c);
  store.LoadReference("Relations.R0.Data", r);

  EXPECT_EQ(Dump(static_cast<const Morvik::TParamObject*>(loaded.get())),
            Dump(static_cast<const Morvik::TParamObject*>(model.get())));
  EXPECT_EQ(Dump(p), Dump(parent));
  EXPECT_EQ(Dump(c), Dump(child));
  EXPECT_EQ(Dump(r), Dump(reference));
  EXPECT_EQ(p->GetColumnCount(), model->GetDataTypeCount());
  EXPECT_EQ(store.ReadString("Model.Name", ""), QString::fromUtf8(model->GetName()));
  EXPECT_EQ(store.ReadInteger("Entities.E0.Data.CountOfColumns", 0), p->GetColumnCount());
  EXPECT_EQ(store.ReadString("Relations.R0.Data.Parent_1", ""),
            QString::fromUtf8(parent->GetColumn(1)->GetName()));
  EXPECT_EQ(store.ReadString("Relations.R0.Data.Child_1", ""), "PARENT_B");
}

// Multi-line parameters are memos, every other value type a string; a list without items is
// an empty group.
TEST_F(RepositoryPlugin, StoredFormFollowsTheValueTypes) {
  TRepository store;
  store.SaveModel("Model", model.get());
  int lists = 0;
  for (int i = 0; i < model->GetParamCount(); ++i) {
    const QString path = "Model.ParamObject.Scalar." + QString::fromUtf8(model->GetParam(i)->GetName());
    const bool memo = model->GetParam(i)->GetType() == Morvik::ptMemo;
    EXPECT_EQ(store.FindItem(path, memo ? rtMemo : rtString), rrOk) << path.toStdString();
  }
  for (int j = 0; j < model->GetListParamCount(); ++j, ++lists) {
    const TRepositoryItem* item = nullptr;
    const QString path =
        "Model.ParamObject.Vector." + QString::fromUtf8(model->GetListParamInfo(j)->GetName());
    ASSERT_EQ(store.FindItem(path, rtListParam, &item), rrOk);
    EXPECT_EQ(item->Children()->Count(), 0);
  }
  EXPECT_GT(lists, 0);
}

TEST_F(RepositoryPlugin, NamesThePluginDoesNotKnowAreSkipped) {
  Morvik::TTable* table = model->NewTable();
  Morvik::TParamObject* object = table;
  ASSERT_GT(object->GetParamCount(), 0);
  ASSERT_GT(object->GetListParamCount(), 0);
  const QString known = QString::fromUtf8(object->GetParam(0)->GetName());
  TRepository store;
  ASSERT_EQ(store.AddItem("P", rtParamObject), rrOk);
  store.WriteMemo("P.Note", "poznámka");
  store.AddList("P.Scalar");
  store.WriteString("P.Scalar.NoSuchParameter", "x");
  store.WriteInteger("P.Scalar.WrongType", 5);
  store.WriteString("P.Scalar." + known, "known value");
  store.AddList("P.Vector");
  ASSERT_EQ(store.AddItem("P.Vector.NoSuchList", rtListParam), rrOk);
  ASSERT_EQ(store.AddItem("P.Vector.NoSuchList.0", rtParamObject), rrOk);
  store.LoadParamObject("P", object);
  EXPECT_STREQ(object->GetComment(), "poznámka");
  EXPECT_STREQ(object->GetParamValue(0), "known value");
  for (int j = 0; j < object->GetListParamCount(); ++j)
    EXPECT_EQ(object->GetListParam(j)->GetItemsCount(), 0);
}

TEST_F(RepositoryPlugin, UnknownDataTypesAndPairColumnsRaiseNamingThem) {
  Build(model.get());
  TRepository store;
  Save(store);
  // A column whose stored type the model does not offer.
  TRepository bad;
  ASSERT_EQ(bad.AddItem("C", rtColumn), rrOk);
  bad.WriteString("C.Name", "COL");
  bad.SaveParamObject("C.ParamObject", parent->GetColumn(0));
  bad.WriteBoolean("C.Primary", false);
  ASSERT_EQ(bad.AddItem("C.DataType", rtDataType), rrOk);
  bad.WriteString("C.DataType.Name", "NOSUCHTYPE");
  Morvik::TColumn* column = child->AddColumn();
  const auto e = StoreError([&] { bad.LoadColumn("C", column, model.get()); });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->ErrorCode(), reUnknownDataType);
  EXPECT_TRUE(e->Message().contains("NOSUCHTYPE"));

  // A reference between tables that lack the stored columns.
  Morvik::TTable* other = model->NewTable();
  other->AddColumn()->SetName("ID");
  Morvik::TReference* r = model->NewReference(other, child);
  const auto pairError = StoreError([&] { store.LoadReference("Relations.R0.Data", r); });
  ASSERT_TRUE(pairError);
  EXPECT_EQ(pairError->ErrorCode(), reUnknownColumn);
  EXPECT_TRUE(pairError->Message().contains(QString::fromUtf8(parent->GetColumn(0)->GetName())));
  EXPECT_EQ(r->GetPairCount(), 0);
}

TEST_F(RepositoryPlugin, MissingOrMistypedKeysRaise) {
  Build(model.get());
  TRepository store;
  Save(store);
  store.AddList("Broken");
  store.WriteString("Broken.Name", "T");
  store.WriteString("Broken.ParamObject", "not a group");
  store.AddList("Typed");
  store.WriteInteger("Typed.Name", 1);
  Morvik::TTable* table = model->NewTable();
  EXPECT_STORE_ERROR(store.LoadTable("Missing", table, model.get()), rrNotExists);
  EXPECT_STORE_ERROR(store.LoadTable("Typed", table, model.get()), rrAnotherType);
  EXPECT_STORE_ERROR(store.LoadTable("Broken", table, model.get()), rrNotExists); // no Note
  EXPECT_STORE_ERROR(store.LoadParamObject("Entities.E0.Data.Name", table), rrNotExists);
  EXPECT_STORE_ERROR(store.LoadReference("Entities.E0.Data", model->NewReference(parent, child)),
                     rrNotExists); // a table has no CountOfPair
  EXPECT_STORE_ERROR(store.SaveTable("Entities.E0.Data", parent), rrAlreadyExists);
  EXPECT_STORE_ERROR(store.SaveTable("Nowhere.T", parent), rrNoFather);
  EXPECT_EQ(table->GetColumnCount(), 0);
}
