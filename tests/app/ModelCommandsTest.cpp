// The schema-wide commands reached from the main window's actions, with the program started as
// it starts: generating opens the script viewer, which prints to PDF;
// showing the script again; the documentation viewer gets only a local file's address.
#include "Interface/MorvikInterface.h"
#include "app/MyPrinter.h"
#include "app/Startup.h"
#include "tests/app/StartedProgram.h"
#include "app/dmMain.h"
#include "app/frmMain.h"
#include "app/frmReport.h"
#include "app/frmSchemeInfo.h"
#include "diagram/Entity.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"
#include "ui/MB.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTreeWidget>
#include <QLabel>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString PdfText(const QString& Pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), Pdf, QStringLiteral("-")});
  if (!p.waitForFinished(30000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// Answers whatever modal window comes up while it lives: a message box with Yes (its text is
// kept), the script viewer by keeping its text and caption, printing it when a PDF file is
// given, and closing it.
class TModalAnswers {
public:
  explicit TModalAnswers(QString PdfFile = QString()) : File(std::move(PdfFile)) {
    QObject::connect(&Timer, &QTimer::timeout, [this] { Answer(); });
    Timer.start(20);
  }

  QStringList Boxes;
  QStringList ViewerTexts;
  QStringList ViewerCaptions;
  QString File;

private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<TfMB*>(modal)) {
      Boxes << box->lMsg->text();
      box->done(mrYes);
    } else if (modal == frmReport && !InViewer) {
      InViewer = true;
      ViewerTexts << frmReport->seReport->text();
      ViewerCaptions << frmReport->windowTitle();
      if (!File.isEmpty()) frmReport->acPrint->trigger();
      frmReport->reject();
      InViewer = false;
    }
  }

  QTimer Timer;
  bool InViewer = false;
};

// Each test has one new schema window, and the addresses given to the viewer are kept in opened.
class ModelCommands : public TStartedProgram {
protected:
  void SetUp() override {
    TStartedProgram::SetUp();
    opened.clear();
    dmMain->UrlOpener = [this](const QUrl& Url) {
      opened << Url;
      return true;
    };
    design = New();
    ASSERT_NE(design, nullptr);
  }

  // One table with a key column, made through the plug-in objects.
  void AddCustomer() {
    TEntity* entity = design->CreateEntityAt(ui::TMouseButton::mbLeft, 40, 40);
    ASSERT_NE(entity, nullptr);
    Morvik::TTable* table = entity->Table();
    table->SetName("CUSTOMER");
    Morvik::TColumn* id = table->AddColumn();
    id->SetName("ID");
    for (int i = 0; i < design->Model->GetDataTypeCount(); ++i)
      if (QString::fromUtf8(design->Model->GetDataTypeInfo(i)->GetName()) == "INTEGER") id->SetDataType(i);
    id->SetKey(true);
  }

  QList<QUrl> opened;
  TfrmDesign* design = nullptr;
};

TEST_F(ModelCommands, GeneratedScriptOpensInTheViewerAndPrintsOnThePdfPrinter) {
  AddCustomer();
  QTemporaryDir dir;
  const QString file = dir.filePath("script.pdf");
  QPrinter pdf(QPrinter::HighResolution);
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(file);
  const auto programPrinter = frmReport->Printer;
  frmReport->Printer = [&pdf] { return &pdf; };
  dmMain->UpdateActions();
  EXPECT_TRUE(dmMain->acGenerate->isEnabled());
  EXPECT_FALSE(dmMain->acShowScript->isEnabled());

  {
    TModalAnswers answers(file);
    dmMain->acGenerate->trigger();
    ASSERT_EQ(answers.ViewerTexts.size(), 1);
    EXPECT_EQ(answers.ViewerCaptions[0], "Vygenerovaný skript");
    EXPECT_EQ(answers.ViewerTexts[0], design->VisualModel->Script);
  }
  const QString script = design->VisualModel->Script;
  EXPECT_TRUE(script.contains("CREATE TABLE CUSTOMER")) << qPrintable(script);
  const QString printed = PdfText(file);
  EXPECT_TRUE(printed.contains("CREATE TABLE CUSTOMER")) << qPrintable(printed);

  // Shown again, under the schema's name.
  dmMain->UpdateActions();
  ASSERT_TRUE(dmMain->acShowScript->isEnabled());
  TModalAnswers again;
  dmMain->acShowScript->trigger();
  ASSERT_EQ(again.ViewerTexts.size(), 1);
  EXPECT_EQ(again.ViewerTexts[0], script);
  EXPECT_EQ(again.ViewerCaptions[0],
            "Vygenerovaný skript projektu \"" + design->VisualModel->SchemeName + "\"");
  frmReport->Printer = programPrinter;
}

TEST_F(ModelCommands, ShowDocumentationHandsTheViewerOnlyALocalFile) {
  dmMain->UpdateActions();
  EXPECT_FALSE(dmMain->acShowDoc->isEnabled());
  QTemporaryDir dir;
  const QString index = dir.filePath("index.html");
  QFile f(index);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("<html></html>");
  f.close();

  design->VisualModel->DocumentationPath = index;
  dmMain->UpdateActions();
  ASSERT_TRUE(dmMain->acShowDoc->isEnabled());
  dmMain->acShowDoc->trigger();
  EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(index)});

  opened.clear();
  design->VisualModel->DocumentationPath = "https://example.com/index.html";
  TModalAnswers answers;
  dmMain->acShowDoc->trigger();
  EXPECT_TRUE(opened.isEmpty());
  EXPECT_EQ(answers.Boxes, QStringList{"Nemohu spustit prohlížeč HTML souborů."});
  // The data module itself refuses any address but a local file's.
  EXPECT_FALSE(dmMain->OpenLocalUrl(QUrl("https://example.com/index.html")));
  EXPECT_TRUE(opened.isEmpty());
}

// The information action fills the window for the active schema and shows it; the help action
// opens the page beside the program, and says so when nothing can open it.
TEST_F(ModelCommands, SchemeInfoAndHelpActionsOpenTheirWindows) {
  AddCustomer();
  dmMain->UpdateActions();
  ASSERT_TRUE(dmMain->acSchemeInfo->isEnabled());
  QMap<QString, QString> rows;
  bool shown = false;
  QTimer::singleShot(0, [&] {
    shown = QApplication::activeModalWidget() == frmSchemeInfo;
    for (int i = 0; i < frmSchemeInfo->lvInfo->topLevelItemCount(); ++i)
      rows[frmSchemeInfo->lvInfo->topLevelItem(i)->text(0)] = frmSchemeInfo->lvInfo->topLevelItem(i)->text(1);
    frmSchemeInfo->done(QDialog::Rejected);
  });
  dmMain->acSchemeInfo->trigger();
  EXPECT_TRUE(shown);
  EXPECT_EQ(rows.value("Počet entit"), "1");
  EXPECT_EQ(rows.value("DB server"), "InterBase 6");
  EXPECT_EQ(rows.value("Jméno DLL"), "varne.so");

  const QString help = QDir(QFileInfo(ProgramPath).absolutePath()).filePath("manual/main.html");
  ASSERT_TRUE(QFileInfo::exists(help)) << help.toStdString();
  ASSERT_TRUE(dmMain->acHelp->isEnabled());
  dmMain->acHelp->trigger();
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(QFileInfo(opened[0].toLocalFile()).canonicalFilePath(), QFileInfo(help).canonicalFilePath());

  dmMain->UrlOpener = [](const QUrl&) { return false; };
  TModalAnswers answers;
  dmMain->acHelp->trigger();
  ASSERT_EQ(answers.Boxes.size(), 1);
  EXPECT_TRUE(answers.Boxes[0].startsWith(
      "Nemohu spustit prohlížeč HTML souborů abych otevřel soubor s nápovědou\n"));
  EXPECT_TRUE(answers.Boxes[0].endsWith("manual/main.html"));
}

} // namespace
