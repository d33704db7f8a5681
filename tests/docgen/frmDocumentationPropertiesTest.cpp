// The documentation dialog driven as a user drives it, over a schema window bound to the
// built plug-in and a fake program.

#include "diagram/Entity.h"
#include "Interface/MorvikInterface.h"
#include "docgen/DocumentationHost.h"
#include "docgen/frmDocumentationProperties.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"
#include "tests/editor/FakeDesignHost.h"
#include "ui/MB.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

namespace {

class FakeDocumentationHost : public TDocumentationHost {
public:
  void Progress(int Done, int Total) override { LastProgress = {Done, Total}; }
  void SetBusy(bool Busy) override { BusyCalls.push_back(Busy); }
  QString ImagesFolder() const override { return QStringLiteral(DOCGEN_IMAGES_DIR "/"); }
  void GenerateScript() override {
    ++ScriptsGenerated;
    if (Design) Design->VisualModel->Script = QStringLiteral("CREATE TABLE T (A INTEGER);");
  }
  void ShowDocumentation() override { ++DocumentationsShown; }
  void ShowMessage(const QString& Message) override { Messages << Message; }
  void ShowJoinedMessage(const QString& Text, const QString& Detail) override {
    Joined << Text + "\n" + Detail;
  }

  TfrmDesign* Design = nullptr;
  std::vector<bool> BusyCalls;
  std::pair<int, int> LastProgress;
  int ScriptsGenerated = 0;
  int DocumentationsShown = 0;
  QStringList Messages;
  QStringList Joined;
};

// A click on a check box's mark.
void Tick(QCheckBox* Box) { QTest::mouseClick(Box, Qt::LeftButton, {}, QPoint(6, Box->height() / 2)); }

class DocumentationDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Design.BindModel("varne.so", "InterBase 6", "2.0")) << qPrintable(Design.LoadError);
    auto* entity = new TEntity(Design.Desktop);
    entity->SetName("Entity_0");
    Morvik::TTable* table = Design.Model->NewTable();
    table->SetName("ZÁKAZNÍK");
    entity->SetTable(table);
    Design.VisualModel->AddEntity(entity);
    DocHost.Design = &Design;
  }

  // Runs Steps on the shown dialog, then closes it; returns the path Execute gave back.
  QString Run(const std::function<void()>& Steps) {
    QTimer::singleShot(0, [&] {
      Steps();
      Dialog.btnCancel->click();
    });
    QString path = QStringLiteral("not set");
    Dialog.Execute(&Design, path);
    return path;
  }

  // Presses Generuj (by the mouse, or by Return in the folder edit) and answers the message
  // box that may follow; its text, or empty when none came.
  QString Generate(bool ByReturn = false) {
    QString shown;
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget())) {
        shown = box->lMsg->text() + "|" + box->windowTitle();
        box->Buttons().front()->click();
      }
    });
    if (ByReturn)
      QTest::keyClick(Dialog.edDocFileName, Qt::Key_Return);
    else
      Dialog.btnOK->click();
    return shown;
  }

  QTemporaryDir Temp;
  FakeDesignHost Host;
  TfrmDesign Design{&Host};
  FakeDocumentationHost DocHost;
  TfrmDocumentationProperties Dialog{&DocHost};
};

const QString Done =
    QString::fromUtf8("Dokumentace aktuálního schématu byla vygenerována.|Generování dokumentace");

TEST_F(DocumentationDialogTest, GeneratesAsOftenAsWantedWithoutClosingAndGivesBackTheIndex) {
  const QString folder = Temp.filePath("web/site");
  const QString path = Run([&] {
    EXPECT_EQ(Dialog.windowTitle(), QString::fromUtf8("Generování dokumentace"));
    EXPECT_TRUE(Dialog.edDocFileName->text().isEmpty()); // never documented
    EXPECT_EQ(Dialog.focusWidget(), Dialog.edDocFileName);
    EXPECT_FALSE(Dialog.btnView->isEnabled());
    // No script yet: the warning, gone while the script switch is off.
    EXPECT_TRUE(
        Dialog.lScriptInfo->text().startsWith(QString::fromUtf8("Skript nebyl doposud vygenerován!")));
    Tick(Dialog.chbxScript);
    EXPECT_TRUE(Dialog.lScriptInfo->text().isEmpty());
    Tick(Dialog.chbxScript);
    EXPECT_FALSE(Dialog.lScriptInfo->text().isEmpty());
    Dialog.btnScript->click();
    EXPECT_EQ(DocHost.ScriptsGenerated, 1);
    EXPECT_TRUE(Dialog.lScriptInfo->text().isEmpty());

    Dialog.edDocFileName->setText(folder);
    EXPECT_EQ(Generate(), Done);
    EXPECT_TRUE(Dialog.isVisible());
    EXPECT_EQ(Dialog.edDocFileName->text(), folder + "/");
    EXPECT_EQ(Design.VisualModel->DocumentationPath, folder + "/index.html");
    EXPECT_TRUE(Dialog.btnView->isEnabled());
    EXPECT_EQ(DocHost.BusyCalls, std::vector<bool>({true, false}));
    EXPECT_EQ(DocHost.LastProgress.first, DocHost.LastProgress.second);
    EXPECT_TRUE(QFile::exists(folder + "/tables_b.html"));
    EXPECT_TRUE(QFile::exists(folder + "/images/line.gif"));

    // Again, by Return, without the tables: the pages are written anew.
    QFile::remove(folder + "/model_b.html");
    Tick(Dialog.chbxEntity);
    EXPECT_FALSE(Dialog.chbxEntity->isChecked());
    EXPECT_EQ(Generate(true), Done);
    EXPECT_TRUE(QFile::exists(folder + "/model_b.html"));
    QFile menu(folder + "/model_m.html");
    ASSERT_TRUE(menu.open(QIODevice::ReadOnly));
    EXPECT_FALSE(menu.readAll().contains("tables.html"));
    EXPECT_TRUE(Dialog.isVisible());
    Dialog.btnView->click();
    EXPECT_EQ(DocHost.DocumentationsShown, 1);
  });
  EXPECT_EQ(path, folder + "/index.html");
  EXPECT_TRUE(DocHost.Messages.isEmpty());
  EXPECT_TRUE(DocHost.Joined.isEmpty());

  // Opened again: the folder of the last site; the switches as they were left.
  Run([&] {
    EXPECT_EQ(Dialog.edDocFileName->text(), folder + "/");
    EXPECT_FALSE(Dialog.chbxEntity->isChecked());
  });
}

TEST_F(DocumentationDialogTest, AnEmptyFolderIsRefusedAndAFailureIsReportedWithThePathStillStored) {
  QFile blocker(Temp.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QString path = Run([&] {
    EXPECT_EQ(Generate(), QString());
    EXPECT_EQ(DocHost.Messages,
              QStringList({QString::fromUtf8("Nebyla zadána cesta, kam se má generovat dokumentace!")}));
    EXPECT_EQ(Dialog.focusWidget(), Dialog.edDocFileName);
    EXPECT_TRUE(DocHost.BusyCalls.empty());
  });
  EXPECT_TRUE(path.isEmpty());
  EXPECT_TRUE(Design.VisualModel->DocumentationPath.isEmpty());

  path = Run([&] {
    Dialog.edDocFileName->setText(Temp.filePath("file/site"));
    EXPECT_EQ(Generate(), QString()); // no success message
    ASSERT_EQ(DocHost.Joined.size(), 1);
    EXPECT_TRUE(DocHost.Joined[0].startsWith(QString::fromUtf8("Chyba při generování dokumentace.\n")));
    EXPECT_TRUE(DocHost.Joined[0].contains("Cannot create directory.")) << DocHost.Joined[0].toStdString();
    EXPECT_EQ(DocHost.BusyCalls, std::vector<bool>({true, false}));
  });
  EXPECT_EQ(path, Temp.filePath("file/site/index.html"));
  EXPECT_EQ(Design.VisualModel->DocumentationPath, path);
}

TEST_F(DocumentationDialogTest, ARelativeFolderIsTakenFromTheSchemaFilesFolder) {
  Design.VisualModel->FileName = Temp.filePath("schemata/model.xml");
  const QString path = Run([&] {
    Dialog.edDocFileName->setText("dokumentace");
    EXPECT_EQ(Generate(), Done);
    EXPECT_EQ(Dialog.edDocFileName->text(), "dokumentace/");
  });
  EXPECT_EQ(path, Temp.filePath("schemata/dokumentace/index.html"));
  EXPECT_TRUE(QFile::exists(path));
}

} // namespace
