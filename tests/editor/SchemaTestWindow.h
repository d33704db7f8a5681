// A schema window as the schema file and clipboard units see it: a desktop, a document and a
// model of the real plug-in, binding as the schema window binds, and a browser that only
// records what it is offered.
#pragma once

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/CreateComp.h"
#include "editor/DesignSamples.h"
#include "editor/SchemaFile.h"
#include "editor/SchemaHost.h"
#include "editor/VisualModel.h"
#include "tests/support/BoundSchemaHost.h"
#include "tests/support/PluginModel.h"
#include "ui/Desktop.h"

#include <gtest/gtest.h>
#include <tuple>

namespace SchemaFileTest {

inline std::tuple<int, int, int, int> Bounds(const ui::TControl* C) {
  return {C->Left(), C->Top(), C->Width(), C->Height()};
}

class TSchemaWindow : public testsupport::TBoundSchemaHost {
public:
  explicit TSchemaWindow(testsupport::TPluginLibrary& Plugin) : Model(Plugin.Models()->CreateModel(0)) {
    Document.DLLFileName = "varne.dll";
    Document.DBModelName = "InterBase 6";
    Document.DLLVersion = "1.0";
  }
  ~TSchemaWindow() override {
    // The elements go with the desktop; the document only lists them.
    Document.Entities.clear();
    Document.Notes.clear();
    Document.Relations.clear();
    Document.TextLabels.clear();
    Document.EntryPoints.clear();
    Document.ProjectInfo = nullptr;
  }

  ui::TDesktop* SchemaDesktop() override { return &Desktop_; }
  TVisualModel& SchemaDocument() override { return Document; }
  Morvik::TModel* SchemaModel() override { return Model.get(); }
  void AddToBrowser(TMorvikGraphic* Element) override { Browser.push_back(Element); }

  // Elements made as the readers make them, so that a loaded copy gets the same bounds.
  TEntity* AddEntity(const QString& Name, int Left, int Top, const std::string& Table = "T") {
    Morvik::TTable* table = SchemaTest::AddTable(
        Model.get(), Table,
        {{.name = "ID", .key = true}, {.name = "NAME", .type = "VARCHAR", .typeParams = {{"Length", "40"}}}});
    TEntity* e =
        CreateEntity(&Desktop_, 1000, 1000, Name, "Entita", Left, Top, 100, 60, true, false, true, {});
    BindEntityToTable(e, table);
    Document.AddEntity(e);
    return e;
  }
  TNote* AddNote(const QString& Name, int Left, int Top, const QString& Text) {
    TNote* n = CreateNote(&Desktop_, 1000, 1000, Name, Text, Left, Top, 120, 50, true, {});
    Document.AddNote(n);
    return n;
  }
  TTextLabel* AddLabel(const QString& Name, int Left, int Top, const QString& Caption) {
    TTextLabel* l = CreateTextLabel(&Desktop_, 1000, 1000, Name, Caption, Left, Top, {});
    Document.AddTextLabel(l);
    return l;
  }
  TRelation* AddRelation(const QString& Name, TRectangle* Base, TRectangle* Target, TRelationKind Kind,
                         TTextLabel* Label = nullptr) {
    TRelation* r = CreateRelation(&Desktop_, 1000, 1000, Name, Base, 10, 20, Target, 30, 15, Kind, {});
    if (Label) {
      r->SetMainLabel(Label);
      Label->SetTag(reinterpret_cast<intptr_t>(r));
    }
    auto* parent = dynamic_cast<TEntity*>(r->Base());
    auto* child = dynamic_cast<TEntity*>(r->Target());
    if (parent && child) {
      Morvik::TReference* ref = SchemaTest::AddReference(Model.get(), parent->Table(), child->Table(),
                                                         {{"ID", "ORDER_ID"}}, "FK_ORDER_ITEM", "CASCADE");
      BindRelationToReference(r, ref);
    }
    Document.AddRelation(r);
    return r;
  }

  // A schema with every kind of element, anchor, label, look and plug-in parameter.
  void FillEveryKind() {
    Desktop = TSchemaDesktop{3, 2, 2400, 2500};
    Origin = ui::TPoint{800, 600};
    Document.DocumentationPath = "/doc/site";
    SchemaTest::SetParam(Model.get(), "CharSet", "WIN1250");
    TEntity* orders = AddEntity("Entity_0", 850, 640, "ORDERS");
    orders->Table()->SetComment("Orders\r\nof the shop");
    TEntity* items = AddEntity("Entity_1", 1200, 700, "ITEMS");
    items->Table()->AddColumn()->SetName("ORDER_ID");
    items->Table()->GetColumn(2)->SetDataType(SchemaTest::DataTypeIndex(*Model, "INTEGER"));
    BindEntityToTable(items, items->Table());
    items->SetDrawAll(false);
    TNote* note = AddNote("Note_0", 900, 900, "first\nsecond");
    TEntryPoint* point = CreateEntryPoint(&Desktop_, 1000, 1000, "EntryPoint_0", items, {});
    Document.AddEntryPoint(point);
    TTextLabel* free = AddLabel("TextLabel_0", 1000, 1000, QString::fromUtf8("Volný popisek č. 1"));
    free->Font()->SetColor(ui::clRed);
    free->Brush()->SetColor(ui::clYellow);
    free->Pen()->SetWidth(3);
    // A relation label shows its reference's name, which it is placed with.
    TTextLabel* label = AddLabel("TextLabel_1", 1050, 650, "FK_ORDER_ITEM");
    AddRelation("Relation_0", orders, items, rkOneOneToZeroMany, label);
    AddRelation("Relation_1", note, orders, rkNone);
    const QDateTime created(QDate(2024, 3, 1), QTime(8, 15, 30));
    TProjectInfo* info = CreateProjectInfo(&Desktop_, 1000, 1000, "ProjectInfo_0", 1400, 620, true,
                                           QString::fromUtf8("Jiří Novák"), "Firm", "Shop", "2.1", "Logical",
                                           "Sub", Document.DBModelName, created, created.addDays(3), {});
    Document.SetProjectInfo(info);
  }

  ui::TDesktop Desktop_;
  TVisualModel Document;
  testsupport::TModelPtr Model;
  TSchemaDesktop Desktop;
  ui::TPoint Origin{500, 400};
  std::vector<TMorvikGraphic*> Browser;
};

// The plug-in loaded once for a test, and the look samples the factories read.
class WindowTest : public ::testing::Test {
protected:
  WindowTest() { TDesignSamples::SetCurrent(&Samples); }
  ~WindowTest() override { TDesignSamples::SetCurrent(nullptr); }
  void SetUp() override { ASSERT_TRUE(Plugin.Loaded()) << Plugin.Error(); }

  TDesignSamples Samples;
  SchemaTest::LoadedPlugin Plugin;
};

} // namespace SchemaFileTest
