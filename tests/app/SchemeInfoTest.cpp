#include "app/frmSchemeInfo.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/TextLabel.h"
#include "editor/VisualModel.h"
#include "tests/support/PluginLibrary.h"
#include "ui/Desktop.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QList<QStringList> Rows(const TfrmSchemeInfo& Window) {
  QList<QStringList> rows;
  for (int i = 0; i < Window.lvInfo->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = Window.lvInfo->topLevelItem(i);
    rows << QStringList{item->text(0), item->text(1)};
  }
  return rows;
}

TEST(SchemeInfoWindow, RowsCountTheDocumentAndTheModelsReferences) {
  const testsupport::TPluginLibrary plugin;
  ASSERT_TRUE(plugin.Loaded()) << plugin.Error();
  {
    const testsupport::TModelPtr model(plugin.Models()->CreateModel(0));
    Morvik::TTable* parent = model->NewTable();
    Morvik::TTable* child = model->NewTable();
    model->NewReference(parent, child);
    model->NewReference(child, parent);
    model->NewReference(parent, parent);

    ui::TDesktop desktop;
    TVisualModel doc;
    auto* a = new TEntity(&desktop);
    a->Attributes()->Add("ID", "INTEGER", 1);
    a->Attributes()->Add("NAME", "VARCHAR(40)", 0);
    auto* b = new TEntity(&desktop);
    b->Attributes()->Add("ID", "INTEGER", 1);
    doc.AddEntity(a);
    doc.AddEntity(b);
    doc.AddNote(new TNote(&desktop));
    doc.AddTextLabel(new TTextLabel(&desktop));
    doc.AddTextLabel(new TTextLabel(&desktop));
    auto* point = new TEntryPoint(&desktop);
    point->SetEntity(a);
    doc.AddEntryPoint(point);
    doc.CreatedAt = QDateTime(QDate(2001, 5, 24), QTime(16, 27, 40));
    doc.UpdatedAt = QDateTime(QDate(2002, 12, 1), QTime(8, 5, 9));
    doc.DBModelName = "InterBase 6";
    doc.DLLFileName = "varne.dll";
    doc.DLLVersion = "2.0";

    TfrmSchemeInfo window;
    EXPECT_EQ(window.windowTitle(), "Informace o schématu");
    window.AddRow("stará", "řádka");
    window.FillInfo(doc, model.get(), "d. m. yyyy hh:nn:ss");
    const QList<QStringList> expected = {
        {"Počet entit", "2"},
        {"Počet atributů", "3"},
        {"Počet relací", "3"},
        {"Počet textů", "2"},
        {"Počet vstupních bodů", "1"},
        {"Počet poznámek", "1"},
        {"Datum vytvoření projektu", "24. 5. 2001 16:27:40"},
        {"Datum poslední modifikace", "1. 12. 2002 08:05:09"},
        {"DB server", "InterBase 6"},
        {"Jméno DLL", "varne.dll"},
        {"Verze DLL", "2.0"},
    };
    EXPECT_EQ(Rows(window), expected);

    window.FillInfo(doc, nullptr, "yyyy");
    EXPECT_EQ(Rows(window)[2], QStringList({"Počet relací", "0"}));
    EXPECT_EQ(Rows(window)[6], QStringList({"Datum vytvoření projektu", "2001"}));
  }
}

} // namespace
