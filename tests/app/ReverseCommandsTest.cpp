// Reverse engineering, cutting and the progress window reached from the main window's
// actions, with the program started as it starts from a folder of its own whose DLL/ holds
// the built plug-in and the test plug-in that reverses a fixed catalogue. The windows are
// answered as a user would: a row chosen, the login typed, a button pressed.
#include "Interface/MorvikInterface.h"
#include "Interface/dialogs/frmReverseItems.h"
#include "Interface/dialogs/frmReverseProgress.h"
#include "Interface/dialogs/frmReverseProperties.h"
#include "Interface/dialogs/frmSelectReverse.h"
#include "app/Startup.h"
#include "tests/app/StartedProgram.h"
#include "app/dmMain.h"
#include "app/frmMain.h"
#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"
#include "ui/Desktop.h"
#include "ui/MB.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

using Names = std::set<QString>;

// Answers the modal windows of reverse engineering and the message box as set here, and
// notes each window it answered.
class TUser : public QObject {
public:
  TUser() {
    connect(&timer, &QTimer::timeout, this, [this] { Answer(); });
    timer.start(10);
  }

  int SourceRow = 0;
  QString DataSource = "v1";
  QString User = "sysdba";
  bool ChooseSource = true, Login = true, Schemas = true, Items = true;

  QStringList Seen;
  QStringList Boxes;
  // The rows the source choice offered.
  int OfferedRows = -1;

private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (modal == frmSelectReverse) {
      Seen << "select";
      QTreeWidget* list = frmSelectReverse->lvReverseOnly->isHidden() ? frmSelectReverse->lvReverse
                                                                      : frmSelectReverse->lvReverseOnly;
      OfferedRows = list->topLevelItemCount();
      if (SourceRow < OfferedRows) list->setCurrentItem(list->topLevelItem(SourceRow));
      (ChooseSource ? frmSelectReverse->btnOK : frmSelectReverse->btnCancel)->click();
    } else if (modal == frmReverseProperties) {
      Seen << "login";
      frmReverseProperties->edtDataSource->setText(DataSource);
      frmReverseProperties->edtName->setText(User);
      frmReverseProperties->edtPasswd->setText("masterkey");
      (Login ? frmReverseProperties->btnOK : frmReverseProperties->btnCancel)->click();
    } else if (modal == frmReverseItems) {
      const bool schemas = frmReverseItems->btnSelectAllInAll->isHidden();
      Seen << (schemas ? "schemas" : "items");
      ((schemas ? Schemas : Items) ? frmReverseItems->btnOK : frmReverseItems->btnCancel)->click();
    } else if (auto* box = qobject_cast<TfMB*>(modal)) {
      Boxes << box->lMsg->text();
      box->Buttons().front()->click();
    }
  }

  QTimer timer;
};

// Notes what the progress window showed each time it was hidden: caption, steps done of
// the maximum, and the last step's text.
class TProgressWatch : public QObject {
public:
  TProgressWatch() { frmReverseProgress->installEventFilter(this); }
  ~TProgressWatch() override { frmReverseProgress->removeEventFilter(this); }
  QStringList Hidden;
  int Shown = 0;

protected:
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Show) ++Shown;
    if (Event->type() == QEvent::Hide) {
      const TMyProgressBar* p = frmReverseProgress->Progress();
      Hidden << QStringLiteral("%1 %2/%3 %4")
                    .arg(frmReverseProgress->windowTitle())
                    .arg(p->StepCount())
                    .arg(p->Max())
                    .arg(frmReverseProgress->lDescription->text());
    }
    return false;
  }
};

class Commands : public TStartedProgram {
protected:
  static void SetUpTestSuite() {
    folder = new QTemporaryDir;
    ASSERT_TRUE(folder->isValid());
    ASSERT_TRUE(QDir(folder->path()).mkdir("DLL"));
    ASSERT_TRUE(QFile::copy(VARNE_PLUGIN_PATH, folder->filePath("DLL/varne.so")));
    ASSERT_TRUE(QFile::copy(REVERSE_PLUGIN, folder->filePath("DLL/reversetest.so")));
    startup = StartProgram(folder->filePath("morvik"));
  }
  static void TearDownTestSuite() {
    TStartedProgram::TearDownTestSuite();
    delete folder;
    folder = nullptr;
  }
  void TearDown() override {
    TStartedProgram::TearDown();
    // However a command ended, the progress window is away and the cursor is normal.
    EXPECT_FALSE(frmReverseProgress->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
  static Names Tables(const TfrmDesign* d) {
    Names names;
    for (int i = 0; i < d->Model->GetTableCount(); ++i) names.insert(d->Model->GetTable(i)->GetName());
    return names;
  }
  static Names Entities(const TfrmDesign* d) {
    Names names;
    for (TEntity* e : d->VisualModel->Entities) names.insert(e->Caption());
    return names;
  }
  // "PARENT>CHILD:label" per relation.
  static Names Relations(const TfrmDesign* d) {
    Names names;
    for (TRelation* r : d->VisualModel->Relations)
      names.insert(static_cast<TEntity*>(r->Base())->Caption() + ">" +
                   static_cast<TEntity*>(r->Target())->Caption() + ":" +
                   (r->MainLabel() ? r->MainLabel()->Caption() : QString()));
    return names;
  }

  static inline QTemporaryDir* folder = nullptr;
};

const Names V1Tables{"CUSTOMER", "ORDERS", "ITEM"};
const Names V1Relations{"CUSTOMER>ORDERS:FK_ORDERS_CUSTOMER", "ORDERS>ITEM:FK_ITEM_ORDERS"};

TEST_F(Commands, DiscoveryGivesTheSourceChoiceTheTestPluginsSources) {
  ASSERT_EQ(frmSelectReverse->lvReverse->topLevelItemCount(), 2);
  EXPECT_EQ(frmSelectReverse->lvReverse->topLevelItem(0)->text(0), "Katalog");
  EXPECT_EQ(frmSelectReverse->lvReverse->topLevelItem(1)->text(0), "Katalog bez voleb");
  EXPECT_EQ(ProgressWindow(), frmReverseProgress);
}

TEST_F(Commands, ReverseMakesANewSchemaWindowOfTheSourcesPlugin) {
  TUser user;
  TProgressWatch progress;
  dmMain->acReverse->trigger();
  Settle();
  EXPECT_EQ(user.Seen, (QStringList{"select", "login", "schemas", "items"}));
  EXPECT_EQ(user.OfferedRows, 2);
  ASSERT_EQ(frmMain->Designs().size(), 1u);
  TfrmDesign* d = frmMain->ActiveDesign();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->VisualModel->DLLFileName, "reversetest.so");
  EXPECT_EQ(d->VisualModel->DLLVersion, "0.1");
  EXPECT_EQ(Tables(d), V1Tables);
  EXPECT_EQ(Entities(d), V1Tables);
  EXPECT_EQ(Relations(d), V1Relations);
  EXPECT_TRUE(d->Modified());
  EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join("|"));
  // The plug-in's three queries reported to the progress window, each shown and hidden.
  EXPECT_EQ(progress.Hidden,
            (QStringList{"Schémata 1/1 PUBLIC", "Objekty 3/3 ITEM", "Načítání 5/5 FK_ITEM_ORDERS"}));
  EXPECT_EQ(progress.Shown, 3);
}

TEST_F(Commands, DiffReverseBringsTheActiveSchemaInLineWithASourceOfItsModel) {
  TUser user;
  dmMain->acReverse->trigger();
  Settle();
  ASSERT_EQ(frmMain->Designs().size(), 1u);
  TfrmDesign* d = frmMain->ActiveDesign();
  ASSERT_EQ(Entities(d), V1Tables);

  dmMain->UpdateActions();
  ASSERT_TRUE(dmMain->acDiffReverse->isEnabled());
  user.Seen.clear();
  user.DataSource = "v2";
  dmMain->acDiffReverse->trigger();
  Settle();
  EXPECT_EQ(user.Seen, (QStringList{"select", "login", "schemas", "items"}));
  // Only the sources of the schema's model were offered, and no window was added.
  EXPECT_FALSE(frmSelectReverse->lvReverseOnly->isHidden());
  EXPECT_EQ(user.OfferedRows, 2);
  ASSERT_EQ(frmMain->Designs().size(), 1u);
  const Names v2{"CUSTOMER", "ORDERS", "PRODUCT"};
  EXPECT_EQ(Tables(d), v2);
  EXPECT_EQ(Entities(d), v2);
  EXPECT_EQ(Relations(d), (Names{"CUSTOMER>ORDERS:FK_ORDERS_CUSTOMER", "PRODUCT>ORDERS:FK_ORDERS_PRODUCT"}));
  EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join("|"));
}

TEST_F(Commands, DiffReverseOnAModelWithoutReverseEngineeringSaysSo) {
  TUser user;
  TfrmDesign* d = dmMain->NewDesign("varne.so", "InterBase 6", "2.0");
  ASSERT_NE(d, nullptr);
  Settle();
  // The test plug-in's model has the same name, so its sources are offered.
  dmMain->acDiffReverse->trigger();
  Settle();
  EXPECT_EQ(user.Seen, QStringList{"select"});
  EXPECT_EQ(messages, QStringList{"Model tohoto schématu nenabízí reverse engineering."});
  EXPECT_TRUE(d->VisualModel->Entities.empty());
  EXPECT_FALSE(d->Modified());
}

TEST_F(Commands, CancelAtEachWindowChangesNothing) {
  struct Case {
    const char* Name;
    bool Source, Login, Schemas, Items;
    QStringList Seen;
    size_t Windows;
  };
  const Case cases[] = {
      {"source", false, true, true, true, {"select"}, 0},
      {"login", true, false, true, true, {"select", "login"}, 1},
      {"schemas", true, true, false, true, {"select", "login", "schemas"}, 1},
      {"items", true, true, true, false, {"select", "login", "schemas", "items"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TUser user;
    user.ChooseSource = c.Source;
    user.Login = c.Login;
    user.Schemas = c.Schemas;
    user.Items = c.Items;
    dmMain->acReverse->trigger();
    Settle();
    EXPECT_EQ(user.Seen, c.Seen);
    // The new window stays as it was made: no tables, no elements, not modified.
    ASSERT_EQ(frmMain->Designs().size(), c.Windows);
    for (TfrmDesign* d : frmMain->Designs()) {
      EXPECT_TRUE(Tables(d).empty());
      EXPECT_TRUE(d->VisualModel->Entities.empty());
      EXPECT_FALSE(d->Modified());
      d->CloseWithoutQuery();
    }
    Settle();
    EXPECT_FALSE(frmReverseProgress->isVisible());
  }
  EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join("|"));
}

TEST_F(Commands, FailuresAreShownAndTheProgramGoesOn) {
  // A failing query: the plug-in's text in the message display.
  {
    TUser user;
    user.DataSource = "fail-items";
    dmMain->acReverse->trigger();
    Settle();
    EXPECT_EQ(user.Seen, (QStringList{"select", "login", "schemas"}));
    EXPECT_EQ(messages, QStringList{"Dotaz na objekty selhal: table locked"});
    ASSERT_EQ(frmMain->Designs().size(), 1u);
    EXPECT_TRUE(frmMain->Designs()[0]->VisualModel->Entities.empty());
    EXPECT_FALSE(frmReverseProgress->isVisible());
  }
  // Any other failure leaves the action's handler as a message box.
  {
    TUser user;
    user.DataSource = "fail-result";
    dmMain->acReverse->trigger();
    Settle();
    EXPECT_EQ(user.Boxes, QStringList{"Spojení přerušeno"});
    EXPECT_FALSE(frmReverseProgress->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

TEST_F(Commands, CutPutsTheSelectionOnTheClipboardAndPasteBringsItBack) {
  TfrmDesign* d = dmMain->NewDesign("varne.so", "InterBase 6", "2.0");
  ASSERT_NE(d, nullptr);
  Settle();
  dmMain->SetTool(toolEntity);
  TEntity* customer = d->CreateEntityAt(ui::TMouseButton::mbLeft, 40, 40);
  dmMain->SetTool(toolEntity);
  TEntity* other = d->CreateEntityAt(ui::TMouseButton::mbLeft, 400, 40);
  ASSERT_TRUE(customer && other);
  customer->Table()->SetName("CUSTOMER");
  d->BindEntityToTable(customer, customer->Table());
  const QString name = customer->Name();
  d->SetModified(false, mkNothing);
  d->ClearSelection();
  d->Select(customer);
  QApplication::clipboard()->clear();
  dmMain->UpdateActions();
  ASSERT_TRUE(dmMain->acCut->isEnabled());

  dmMain->acCut->trigger();
  EXPECT_TRUE(QApplication::clipboard()->text().contains("CUSTOMER"));
  EXPECT_EQ(d->VisualModel->Entities, std::vector<TEntity*>{other});
  EXPECT_EQ(d->Desktop->FindComponent(name), nullptr);
  EXPECT_EQ(Tables(d), Names{other->Caption()});
  EXPECT_FALSE(d->HasSelection());
  EXPECT_TRUE(d->Modified());
  dmMain->UpdateActions();
  EXPECT_FALSE(dmMain->acCut->isEnabled());

  TProgressWatch progress;
  ASSERT_TRUE(dmMain->acPaste->isEnabled());
  dmMain->acPaste->trigger();
  EXPECT_EQ(Entities(d), (Names{"CUSTOMER", other->Caption()}));
  EXPECT_EQ(Tables(d), (Names{"CUSTOMER", other->Caption()}));
  EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join("|"));
  // The paste showed the progress window and took it away again.
  EXPECT_EQ(progress.Shown, 1);
  EXPECT_EQ(progress.Hidden.size(), 1);
}

TEST_F(Commands, SavingAndLoadingReportToTheProgressWindow) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  TfrmDesign* d = dmMain->NewDesign("varne.so", "InterBase 6", "2.0");
  ASSERT_NE(d, nullptr);
  Settle();
  dmMain->SetTool(toolEntity);
  ASSERT_NE(d->CreateEntityAt(ui::TMouseButton::mbLeft, 40, 40), nullptr);
  const QString file = dir.filePath("schema.xml");
  dmMain->AskSaveSchemeName = [file](const QString&) { return file; };

  TProgressWatch progress;
  dmMain->acSaveAs->trigger();
  ASSERT_TRUE(QFile::exists(file));
  dmMain->OpenFile(file);
  Settle();
  EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join("|"));
  EXPECT_EQ(frmMain->Designs().size(), 2u);
  EXPECT_EQ(progress.Hidden, (QStringList{"Ukládání schématu 7/7 Fyzické uložení souboru na disk",
                                          "Načítání schématu 7/7 Relace"}));

  // A load that fails hides the window too (this file fails as it is read).
  const QString bad = dir.filePath("bad.xml");
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a schema");
  f.close();
  progress.Hidden.clear();
  dmMain->OpenFile(bad);
  Settle();
  ASSERT_EQ(progress.Hidden.size(), 1);
  EXPECT_TRUE(progress.Hidden[0].startsWith("Načítání schématu 1/7")) << qPrintable(progress.Hidden[0]);
  EXPECT_EQ(messages.size(), 1);
}

} // namespace
