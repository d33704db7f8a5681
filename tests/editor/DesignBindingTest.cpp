// A schema window bound to a plug-in: loading and unloading the library, the bare file name
// rule, and entities and relations bound to the model's tables and references.
#include "FakeDesignHost.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/CreateComp.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"
#include "tests/support/PluginLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Plugin = QStringLiteral("varne.so");
const QString ModelName = QStringLiteral("InterBase 6");

bool LibraryLoaded(const QString& Path) {
  return testsupport::LibraryLoaded(QFile::encodeName(Path).constData());
}

// Closes a window as the user does and lets it go.
void CloseWindow(TfrmDesign* Design) {
  QPointer<TfrmDesign> guard(Design);
  Design->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(guard.isNull());
}

TEST(DesignBinding, BindsTheRealPluginAndUnloadsItAfterTheWindowClosed) {
  FakeDesignHost host;
  const QString path = host.Folder + Plugin;
  ASSERT_FALSE(LibraryLoaded(path));
  auto* design = new TfrmDesign(&host);
  ASSERT_TRUE(design->BindModel(Plugin, ModelName, QStringLiteral("2.0"))) << qPrintable(design->LoadError);
  ASSERT_NE(design->Model, nullptr);
  EXPECT_STREQ(design->Model->GetName(), "InterBase 6");
  EXPECT_EQ(design->VisualModel->DLLFileName, Plugin);
  EXPECT_EQ(design->VisualModel->DBModelName, ModelName);
  EXPECT_EQ(design->VisualModel->DLLVersion, QStringLiteral("2.0"));
  EXPECT_TRUE(LibraryLoaded(path));
  CloseWindow(design);
  EXPECT_FALSE(LibraryLoaded(path));
  EXPECT_TRUE(host.Messages.isEmpty());
}

TEST(DesignBinding, StoredNamesOutsideThePluginFolderAreRefused) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir().mkpath(dir.filePath("DLL")));
  // The real plug-in lies one folder up from the plug-in folder and at an absolute path:
  // neither may be reached through a stored name.
  ASSERT_TRUE(QFile::copy(QStringLiteral(MORVIK_PLUGIN_DIR "/varne.so"), dir.filePath("varne.so")));
  FakeDesignHost host;
  host.Folder = dir.filePath("DLL") + "/";
  const QString absolute = dir.filePath("varne.so");
  for (const QString& name :
       {QStringLiteral("../varne.so"), QStringLiteral("..\\varne.dll"), absolute,
        QStringLiteral("sub/varne.so"), QStringLiteral(".."), QStringLiteral("C:varne.dll"), QString()}) {
    SCOPED_TRACE(name.toStdString());
    EXPECT_TRUE(TfrmDesign::PluginPath(host.Folder, name).isEmpty());
    TfrmDesign design(&host);
    EXPECT_FALSE(design.BindModel(name, ModelName, "2.0"));
    EXPECT_EQ(design.PluginHandle, nullptr);
    EXPECT_EQ(design.Model, nullptr);
    EXPECT_FALSE(LibraryLoaded(absolute));
  }
}

TEST(DesignBinding, AStoredDllNameBindsTheSharedLibraryOfTheSameStem) {
  EXPECT_EQ(TfrmDesign::PluginPath("/p/DLL/", "varne.dll"), "/p/DLL/varne.so");
  EXPECT_EQ(TfrmDesign::PluginPath("/p/DLL/", "VARNE.DLL"), "/p/DLL/VARNE.so");
  EXPECT_EQ(TfrmDesign::PluginPath("/p/DLL/", "varne.so"), "/p/DLL/varne.so");
  EXPECT_EQ(TfrmDesign::PluginPath("/p/DLL/", "a..b.so"), "/p/DLL/a..b.so");
  FakeDesignHost host;
  TfrmDesign design(&host);
  EXPECT_TRUE(design.BindModel("varne.dll", ModelName, "2.0")) << qPrintable(design.LoadError);
  EXPECT_NE(design.Model, nullptr);
}

TEST(DesignBinding, LibrariesThatAreNoPluginGiveNoModelAndAreReleased) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QFile::copy(QStringLiteral(NO_MODELS_LIBRARY), dir.filePath("nomodels.so")));
  QFile text(dir.filePath("text.so"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("not a library\n");
  text.close();
  FakeDesignHost host;
  host.Folder = dir.path() + "/";

  auto* design = new TfrmDesign(&host);
  EXPECT_FALSE(design->BindModel("nomodels.so", ModelName, "2.0"));
  EXPECT_EQ(design->Model, nullptr);
  EXPECT_NE(design->PluginHandle, nullptr); // released when the window closes
  EXPECT_FALSE(design->LoadError.isEmpty());
  EXPECT_TRUE(LibraryLoaded(dir.filePath("nomodels.so")));
  CloseWindow(design);
  EXPECT_FALSE(LibraryLoaded(dir.filePath("nomodels.so")));

  for (const QString& name : {QStringLiteral("text.so"), QStringLiteral("missing.so")}) {
    TfrmDesign other(&host);
    EXPECT_FALSE(other.BindModel(name, ModelName, "2.0"));
    EXPECT_EQ(other.PluginHandle, nullptr);
    EXPECT_FALSE(other.LoadError.isEmpty());
  }
  EXPECT_TRUE(host.Messages.isEmpty());
}

class BoundDesign : public ::testing::Test {
protected:
  void SetUp() override {
    design = std::make_unique<TfrmDesign>(&host);
    ASSERT_TRUE(design->BindModel(Plugin, ModelName, "2.0")) << qPrintable(design->LoadError);
    model = design->Model;
  }
  TEntity* NewEntity(const QString& Name, const QString& Caption, int Left) {
    return CreateEntity(design->Desktop, 1, 1, Name, Caption, Left, 100, 80, 60, true, false, true, {});
  }

  FakeDesignHost host;
  std::unique_ptr<TfrmDesign> design;
  Morvik::TModel* model = nullptr;
};

TEST_F(BoundDesign, ANewEntityGetsANewTableNamedAfterItsCaption) {
  TEntity* e = NewEntity("Entity_1", "Entita_1", 10);
  design->BindEntityToTable(e, nullptr);
  ASSERT_EQ(model->GetTableCount(), 1);
  EXPECT_EQ(e->Table(), model->GetTable(0));
  EXPECT_STREQ(e->Table()->GetName(), "Entita_1");
}

TEST_F(BoundDesign, AnEntityTakesTheTablesNameAndColumnsInOrder) {
  Morvik::TTable* table = model->NewTable();
  table->SetName("ZÁKAZNÍK");
  const char* names[] = {"ID", "JMÉNO", "ADRESA"};
  for (int i = 0; i < 3; ++i) {
    Morvik::TColumn* c = table->AddColumn();
    c->SetName(names[i]);
    c->SetKey(i == 1);
  }
  table->GetColumn(2)->SetDataType(3); // VARCHAR
  TEntity* e = NewEntity("Entity_1", "Entita_1", 10);
  e->Attributes()->Add("old", "row", 0);
  design->BindEntityToTable(e, table);
  EXPECT_EQ(e->Caption(), QStringLiteral("ZÁKAZNÍK"));
  EXPECT_EQ(e->Table(), table);
  const TAttributesArray expected{{"ID", 0, "NUMERIC"}, {"JMÉNO", 1, "NUMERIC"}, {"ADRESA", 0, "VARCHAR"}};
  EXPECT_EQ(e->Attributes()->Items(), expected);
}

TEST_F(BoundDesign, ARepeatedColumnNameStillBindsEveryOtherColumn) {
  Morvik::TTable* table = model->NewTable();
  table->SetName("T");
  for (const char* name : {"A", "B", "A", "C"}) table->AddColumn()->SetName(name);
  TEntity* e = NewEntity("Entity_1", "Entita_1", 10);
  ASSERT_NO_THROW(design->BindEntityToTable(e, table));
  ASSERT_EQ(e->Attributes()->Count(), 3);
  EXPECT_EQ(e->Attributes()->GetAttribute(0).Name, "A");
  EXPECT_EQ(e->Attributes()->GetAttribute(1).Name, "B");
  EXPECT_EQ(e->Attributes()->GetAttribute(2).Name, "C");
  EXPECT_EQ(e->Table(), table);
}

TEST_F(BoundDesign, ARelationBetweenEntitiesGetsAReferenceFromChildToParent) {
  TEntity* parent = NewEntity("Entity_1", "Entita_1", 10);
  TEntity* child = NewEntity("Entity_2", "Entita_2", 300);
  design->BindEntityToTable(parent, nullptr);
  design->BindEntityToTable(child, nullptr);
  TRelation* r =
      CreateRelation(design->Desktop, 1, 1, "Relation_1", parent, 20, 20, child, 20, 20, rkNone, {});
  ASSERT_NE(r, nullptr);
  TTextLabel* label = CreateTextLabel(design->Desktop, 1, 1, "TextLabel_1", "x", 0, 0, {});
  r->SetMainLabel(label);
  design->BindRelationToReference(r, nullptr);
  ASSERT_EQ(model->GetReferenceCount(), 1);
  Morvik::TReference* ref = model->GetReference(0);
  EXPECT_EQ(r->Reference(), ref);
  EXPECT_EQ(ref->GetParentTable(), parent->Table());
  EXPECT_EQ(ref->GetChildTable(), child->Table());
  EXPECT_EQ(label->Caption(), QString::fromUtf8(ref->GetName()));

  ref->SetName("FK_ZAKAZNIK");
  design->BindRelationToReference(r, ref);
  EXPECT_EQ(label->Caption(), "FK_ZAKAZNIK");
}

} // namespace
