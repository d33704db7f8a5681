// Discovery of the plug-ins: every library of the folder in name order, loaded once and
// unloaded again; a file that is no library is skipped silently, a library without the export
// is reported with the loader's reason, and the scan goes on.
#include "Interface/dialogs/frmSelectDB.h"
#include "tests/support/PluginLibrary.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QStringList Row(const QTreeWidget* List, int Index) {
  const QTreeWidgetItem* item = List->topLevelItem(Index);
  QStringList texts;
  for (int c = 0; c < 4; ++c) texts << item->text(c);
  return texts;
}

class Discovery : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    folder = dir.path() + "/";
    dialog.ShowMessage = [this](const QString& m) { messages << m; };
  }
  void Copy(const char* From, const QString& Name) { ASSERT_TRUE(QFile::copy(From, folder + Name)); }

  QTemporaryDir dir;
  QString folder;
  TfrmSelectDB dialog;
  QStringList messages;
};

TEST_F(Discovery, ListsTheModelsOfEveryLibraryInNameOrder) {
  Copy(VARNE_PLUGIN_PATH, "varne.so");
  Copy(VARNE_PLUGIN_PATH, "a_copy.so");
  QFile text(folder + "b_text.so");
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("no library");
  text.close();
  Copy(NO_MODELS_LIBRARY, "c_nomodels.so");
  Copy(VARNE_PLUGIN_PATH, "varne.dll.bak");

  dialog.Scan(folder);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Výběr cílové databáze"));
  ASSERT_EQ(dialog.lvTargetDB->topLevelItemCount(), 2);
  const QStringList first = Row(dialog.lvTargetDB, 0);
  EXPECT_EQ(first[0], "InterBase 6");
  EXPECT_FALSE(first[1].isEmpty());
  EXPECT_EQ(first[2], "2.0");
  EXPECT_EQ(first[3], "a_copy.so");
  EXPECT_EQ(Row(dialog.lvTargetDB, 1)[3], "varne.so");
  EXPECT_TRUE(dialog.ReverseItems().empty());

  // The first row is chosen; the caller reads file, model and version from it.
  EXPECT_TRUE(dialog.HasSelection());
  EXPECT_EQ(dialog.SelectedFileName(), "a_copy.so");
  EXPECT_EQ(dialog.SelectedModelName(), "InterBase 6");
  EXPECT_EQ(dialog.SelectedVersion(), "2.0");

  // Only the library without the export is reported, with the loader's reason; the text
  // file passes without a word.
  ASSERT_EQ(messages.size(), 1) << qPrintable(messages.join('|'));
  EXPECT_TRUE(messages[0].startsWith("Error in resolving function\n")) << qPrintable(messages[0]);
  EXPECT_TRUE(messages[0].contains("Models"));

  // No library stays loaded after the scan.
  for (const char* name : {"varne.so", "a_copy.so", "c_nomodels.so"})
    EXPECT_FALSE(testsupport::LibraryLoaded(QFile::encodeName(folder + name).constData())) << name;

  // A second scan starts from an empty list.
  dialog.Scan(folder);
  EXPECT_EQ(dialog.lvTargetDB->topLevelItemCount(), 2);
}

TEST_F(Discovery, AnEmptyOrMissingFolderGivesAnEmptyList) {
  dialog.Scan(folder);
  EXPECT_EQ(dialog.lvTargetDB->topLevelItemCount(), 0);
  dialog.Scan(folder + "missing/");
  EXPECT_EQ(dialog.lvTargetDB->topLevelItemCount(), 0);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_FALSE(dialog.HasSelection());
  EXPECT_TRUE(dialog.SelectedFileName().isEmpty());
}

TEST_F(Discovery, DoubleClickClosesWithOkOnlyWithARow) {
  dialog.show();
  dialog.lvTargetDBDblClick();
  EXPECT_TRUE(dialog.isVisible());
  dialog.AddModelItem("InterBase 6", "varne.so", "author", "2.0");
  dialog.lvTargetDB->setCurrentItem(dialog.lvTargetDB->topLevelItem(0));
  dialog.lvTargetDBDblClick();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
