// The error list over models of the built plug-in with a fake schema window: the lines and
// the summary with their plural forms, and a double click opening the right dialog at the
// finding, with the component browser's node following a confirmed rename.
#include "tests/editor/FakeBrowserHost.h"
#include "tests/Interface/edit/PluginFixture.h"

#include "Interface/edit/CheckRecord.h"
#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "editor/frmBrowser.h"
#include "editor/frmErrorBrowser.h"
#include "ui/Desktop.h"

#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace plugin;
using Morvik::TCheckRecord;

namespace {

class ErrorList : public PluginTest {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    if (HasFatalFailure()) return;
    host.Model = model.get();
    browser = std::make_unique<TfrmBrowser>(&host);
    errors = std::make_unique<TfrmErrorBrowser>(&host, browser.get());
    errors->resize(600, 300);
    errors->show();
    list = errors->lbErrors;
  }
  void TearDown() override {
    errors.reset();
    browser.reset();
    PluginTest::TearDown();
  }

  // A table without columns: one finding ("There are no columns in table").
  Morvik::TTable* TableWithoutColumns(const std::string& Name) {
    Morvik::TTable* table = model->NewTable();
    table->SetName(Name.c_str());
    return table;
  }
  // An entity on the desktop bound to Table, listed in the document and the browser.
  TEntity* EntityOf(Morvik::TTable* Table) {
    auto* entity = new TEntity(&desktop);
    entity->SetParent(&desktop);
    entity->SetName(QStringLiteral("Entity_%1").arg(host.Document.Entities.size()));
    entity->SetCaption(QString::fromUtf8(Table->GetName()));
    entity->SetTable(Table);
    host.Document.AddEntity(entity);
    browser->AddEntityNode(entity);
    return entity;
  }
  QPoint LineCentre(int Row) const { return list->visualItemRect(list->item(Row)).center(); }
  QStringList Lines() const {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }

  ui::TDesktop desktop;
  TFakeBrowserHost host;
  std::unique_ptr<TfrmBrowser> browser;
  std::unique_ptr<TfrmErrorBrowser> errors;
  QListWidget* list = nullptr;
};

TEST_F(ErrorList, LinesAndSummaryWithTheirPluralForms) {
  EXPECT_EQ(errors->ErrorCount(), 0); // before the first check
  const struct {
    int Findings;
    const char* Last;
    const char* Summary;
  } cases[] = {
      {0, nullptr, "Kontrola chyb ukončena, nebyla nalezena žádná chyba."},
      {1, "Celkem 1 chyba.", "Kontrola chyb ukončena\nCelkem  1 chyba."},
      {3, "Celkem 3 chyby.", "Kontrola chyb ukončena\nCelkem  3 chyby."},
      {5, "Celkem 5 chyb.", "Kontrola chyb ukončena\nCelkem  5 chyb."},
      {21, "Celkem 21 chyb.", "Kontrola chyb ukončena\nCelkem  21 chyb."},
  };
  for (const auto& c : cases) {
    while (model->GetTableCount() < c.Findings)
      TableWithoutColumns("T_" + std::to_string(model->GetTableCount()));
    const QString summary = errors->RunCheck();
    EXPECT_EQ(summary, QString::fromUtf8(c.Summary)) << c.Findings;
    ASSERT_EQ(errors->ErrorCount(), c.Findings);
    if (!c.Last) {
      EXPECT_EQ(list->count(), 0);
      continue;
    }
    // One line per finding, each with its record, then the summary line without one.
    ASSERT_EQ(list->count(), c.Findings + 1) << c.Findings;
    EXPECT_EQ(list->item(c.Findings)->text(), QString::fromUtf8(c.Last));
    EXPECT_EQ(TfrmErrorBrowser::LineRecord(list->item(c.Findings)), nullptr);
    for (int i = 0; i < c.Findings; ++i) {
      const QString name = QStringLiteral("T_%1").arg(i);
      EXPECT_EQ(list->item(i)->text(), "Entity=\"" + name + "\"/:  There are no columns in table");
      ASSERT_NE(TfrmErrorBrowser::LineRecord(list->item(i)), nullptr);
      EXPECT_EQ(TfrmErrorBrowser::LineRecord(list->item(i))->LevelIndex(0), i);
    }
  }
}

TEST_F(ErrorList, WithoutAModelTheListIsEmpty) {
  host.Model = nullptr;
  EXPECT_EQ(errors->RunCheck(), "Kontrola chyb ukončena, nebyla nalezena žádná chyba.");
  EXPECT_EQ(errors->ErrorCount(), 0);
}

TEST_F(ErrorList, DoubleClickOpensTheEntityDialogAndTheBrowserShowsTheNewName) {
  Morvik::TTable* orders = TableWithoutColumns("ORDERS");
  TEntity* entity = EntityOf(orders);
  errors->RunCheck();
  ASSERT_EQ(list->count(), 2);
  const TCheckRecord* record = TfrmErrorBrowser::LineRecord(list->item(0));

  // Cancel: the dialog was open at the finding, nothing more.
  host.Answer = false;
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, LineCentre(0));
  using Calls = std::vector<std::string>;
  ASSERT_EQ(host.What(), Calls({"locate", "entity"}));
  EXPECT_EQ(host.Calls[0].Element, entity);
  EXPECT_EQ(host.Calls[1].Element, entity);
  EXPECT_EQ(host.Calls[1].Record, record);

  // OK after a rename: the node follows, then the schema is marked modified.
  host.Calls.clear();
  host.Answer = true;
  host.Edit = [&] {
    orders->SetName("PURCHASES");
    entity->SetCaption("PURCHASES");
  };
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, LineCentre(0));
  EXPECT_EQ(host.What(), Calls({"locate", "entity", "modified 1 2"}));
  EXPECT_EQ(browser->NodeOf(entity)->text(0), "PURCHASES");
}

TEST_F(ErrorList, DoubleClickOpensTheModelOrRelationDialogAndIgnoresOtherLines) {
  Set(model.get(), "DataBase", "1"); // DataBaseFile must be specified
  Morvik::TTable* parent = TableWithoutColumns("PARENT");
  Morvik::TTable* child = TableWithoutColumns("CHILD");
  TEntity* parentEntity = EntityOf(parent);
  TEntity* childEntity = EntityOf(child);
  Morvik::TReference* reference = model->NewReference(parent, child);
  reference->SetName("FK_1");
  auto* relation = new TRelation(&desktop);
  relation->SetParent(&desktop);
  relation->SetName("Relation_0");
  relation->SetBase(parentEntity);
  relation->SetTarget(childEntity);
  relation->SetReference(reference);
  host.Document.AddRelation(relation);
  browser->AddRelationNode(relation);
  errors->RunCheck();
  using Calls = std::vector<std::string>;

  // Line 0: the model's parameter; no element is selected for it.
  errors->lvErrorsDblClick(LineCentre(0));
  EXPECT_EQ(host.What(), Calls({"model", "modified 1 2"}));

  // The reference's first finding.
  int row = 0;
  while (row < list->count() - 1 &&
         TfrmErrorBrowser::LineRecord(list->item(row))->LevelType(0) != TCheckRecord::ltReference)
    ++row;
  ASSERT_LT(row, list->count() - 1);
  host.Calls.clear();
  host.Edit = [&] {
    reference->SetName("FK_RENAMED");
    childEntity->SetCaption("KIDS"); // through the relation dialog's "Sekundární entita"
  };
  errors->lvErrorsDblClick(LineCentre(row));
  EXPECT_EQ(host.What(), Calls({"locate", "relation", "modified 1 2"}));
  EXPECT_EQ(host.Calls[1].Element, relation);
  EXPECT_EQ(browser->NodeOf(relation)->text(0), "FK_RENAMED");
  EXPECT_EQ(browser->NodeOf(childEntity)->text(0), "KIDS");

  // The summary line, the space below the last line, and a finding whose table is gone.
  host.Calls.clear();
  host.Edit = nullptr;
  errors->RunCheck();
  const int summary = list->count() - 1;
  errors->lvErrorsDblClick(LineCentre(summary));
  const QRect last = list->visualItemRect(list->item(summary));
  errors->lvErrorsDblClick(QPoint(last.center().x(), last.bottom() + 40));
  int tableRow = 0;
  while (TfrmErrorBrowser::LineRecord(list->item(tableRow))->LevelType(0) != TCheckRecord::ltTable)
    ++tableRow;
  const int lastTable = model->GetTableCount() - 1;
  while (TfrmErrorBrowser::LineRecord(list->item(tableRow))->LevelIndex(0) != lastTable) ++tableRow;
  host.Document.RemoveRelation(relation);
  model->DeleteReference(reference);
  host.Document.RemoveEntity(childEntity);
  browser->RemoveEntityNode(childEntity);
  model->DeleteTable(child);
  errors->lvErrorsDblClick(LineCentre(tableRow)); // table index past the model's tables
  EXPECT_TRUE(host.Calls.empty());
}

TEST_F(ErrorList, RunningTheCheckAgainReplacesTheLines) {
  TableWithoutColumns("A");
  TableWithoutColumns("B");
  errors->RunCheck();
  ASSERT_EQ(list->count(), 3);
  model->DeleteTable(model->GetTable(0));
  errors->RunCheck();
  EXPECT_EQ(Lines(), QStringList({"Entity=\"B\"/:  There are no columns in table", "Celkem 1 chyba."}));
  EXPECT_EQ(errors->ErrorCount(), 1);
}

} // namespace
