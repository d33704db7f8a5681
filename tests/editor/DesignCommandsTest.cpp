// The schema-wide commands on a window bound to the real plug-in: the model check with its
// error list, generating the script with the question about findings, a failed generation,
// the documentation path and its viewer, and the arrangement. The generated script of a
// drawn schema runs on a real Firebird database.
#include "FakeBrowserHost.h"
#include "FakeDesignHost.h"
#include "ShownDesign.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/Relation.h"
#include "diagram/ScrolledScrollBox.h"
#include "editor/DesignSamples.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"
#include "editor/frmErrorBrowser.h"
#include "tests/support/FakeKind.h"
#include "tests/support/FakeModel.h"
#include "tests/support/FirebirdRunner.h"
#include "tests/support/PluginModel.h"
#include "ui/MB.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace {

// A model whose script cannot be made.
class TFailingModel : public fake::TFakeModel {
public:
  using fake::TFakeModel::TFakeModel;
  const char* Generate() override { throw std::runtime_error("Došlo místo na disku."); }
};

// What a message box showed.
struct TShownBox {
  QString Text;
  QString Caption;
};

class DesignCommands : public ::testing::Test {
protected:
  void SetUp() override {
    TDesignSamples::SetCurrent(&samples);
    design = std::make_unique<TfrmDesign>(&host);
    ASSERT_TRUE(BindAndShow(*design, 800, 600)) << qPrintable(design->LoadError);
    // The error list of the window, hidden until a check finds something.
    if (!design->ErrorBrowser) {
      browserHost.Model = design->Model;
      design->ErrorBrowser = new TfrmErrorBrowser(&browserHost, nullptr, design.get());
      design->ErrorBrowser->hide();
    }
  }
  void TearDown() override {
    design.reset();
    TDesignSamples::SetCurrent(nullptr);
  }

  // Runs Command; a message box it shows is answered with Answer. Returns what the box showed,
  // or nothing when no box came up.
  std::optional<TShownBox> Answering(int Answer, const std::function<void()>& Command) {
    std::optional<TShownBox> shown;
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget())) {
        shown = TShownBox{box->lMsg->text(), box->windowTitle()};
        box->done(Answer);
      }
    });
    Command();
    // A box that was never shown leaves the timer to run here, finding nothing.
    QApplication::processEvents();
    return shown;
  }

  void Drag(QPoint From, QPoint To) {
    SendMouse(*design, QEvent::MouseButtonPress, From, Qt::LeftButton, Qt::LeftButton);
    SendMouse(*design, QEvent::MouseMove, (From + To) / 2, Qt::NoButton, Qt::LeftButton);
    SendMouse(*design, QEvent::MouseMove, To, Qt::NoButton, Qt::LeftButton);
    SendMouse(*design, QEvent::MouseButtonRelease, To, Qt::LeftButton, Qt::NoButton);
  }
  TEntity* DrawEntity(QPoint From, QPoint To) {
    host.CurrentTool = toolEntity;
    Drag(From, To);
    return design->VisualModel->Entities.back();
  }
  TRelation* DrawRelation(TEntity* From, TEntity* To) {
    host.CurrentTool = toolRelation;
    Drag(QPoint(From->Left() + 10, From->Top() + 10), QPoint(To->Left() + 10, To->Top() + 10));
    return design->VisualModel->Relations.back();
  }

  // Two tables with columns and a reference with one pair, drawn and then set through the
  // plug-in objects: a schema without findings.
  void DrawOrders() {
    TEntity* customer = DrawEntity(QPoint(20, 20), QPoint(160, 120));
    TEntity* order = DrawEntity(QPoint(300, 20), QPoint(440, 120));
    TRelation* places = DrawRelation(customer, order);
    Morvik::TModel* model = design->Model;
    customer->Table()->SetName("CUSTOMER");
    SchemaTest::AddColumn(model, customer->Table(), {"ID", "INTEGER", {}, {}, true});
    SchemaTest::AddColumn(model, customer->Table(), {"NAME", "VARCHAR", {{"Length", "40"}}});
    order->Table()->SetName("ORDERS");
    SchemaTest::AddColumn(model, order->Table(), {"ID", "INTEGER", {}, {}, true});
    SchemaTest::AddColumn(model, order->Table(), {"CUSTOMER_ID", "INTEGER"});
    places->Reference()->SetName("FK_ORDERS_CUSTOMER");
    places->Reference()->AddPair(SchemaTest::FindColumn(customer->Table(), "ID"),
                                 SchemaTest::FindColumn(order->Table(), "CUSTOMER_ID"));
  }

  TDesignSamples samples;
  FakeDesignHost host;
  TFakeBrowserHost browserHost;
  std::unique_ptr<TfrmDesign> design;
};

TEST_F(DesignCommands, CleanSchemaIsGeneratedWithoutQuestionAndItsScriptRunsInFirebird) {
  DrawOrders();
  const auto check = Answering(mrOk, [&] { design->CheckModelCommand(); });
  ASSERT_TRUE(check);
  EXPECT_EQ(check->Caption, "Kontrola chyb");
  EXPECT_EQ(check->Text, "Kontrola chyb ukončena, nebyla nalezena žádná chyba.");
  EXPECT_TRUE(design->ErrorBrowser->isHidden());
  EXPECT_TRUE(design->VisualModel->CheckedAt.isValid());

  design->SetModified(false, mkNothing);
  const auto question = Answering(mrYes, [&] { design->GenerateScript(); });
  EXPECT_FALSE(question) << qPrintable(question->Text);
  ASSERT_EQ(host.Scripts.size(), 1);
  EXPECT_EQ(host.ScriptCaptions[0], "Vygenerovaný skript");
  const QString script = design->VisualModel->Script;
  EXPECT_EQ(host.Scripts[0], script);
  EXPECT_TRUE(script.contains("CREATE TABLE CUSTOMER")) << qPrintable(script);
  EXPECT_TRUE(script.contains("FK_ORDERS_CUSTOMER")) << qPrintable(script);
  // Generating changes nothing that is saved.
  EXPECT_FALSE(design->Modified());
  EXPECT_TRUE(host.Joined.isEmpty());

  design->ShowScript();
  ASSERT_EQ(host.Scripts.size(), 2);
  EXPECT_EQ(host.Scripts[1], script);
  EXPECT_EQ(host.ScriptCaptions[1],
            "Vygenerovaný skript projektu \"" + design->VisualModel->SchemeName + "\"");

  SchemaTest::FirebirdDatabase db;
  const SchemaTest::ProcessResult run = db.RunScript(script.toStdString(), false);
  ASSERT_EQ(run.exitCode, 0) << run.output << "\n" << script.toStdString();
  const SchemaTest::ProcessResult extracted = db.Extract();
  ASSERT_EQ(extracted.exitCode, 0) << extracted.output;
  EXPECT_NE(extracted.output.find("CREATE TABLE CUSTOMER"), std::string::npos) << extracted.output;
  EXPECT_NE(extracted.output.find("CREATE TABLE ORDERS"), std::string::npos) << extracted.output;
  EXPECT_NE(extracted.output.find("FK_ORDERS_CUSTOMER FOREIGN KEY (CUSTOMER_ID) REFERENCES CUSTOMER (ID)"),
            std::string::npos)
      << extracted.output;
}

TEST_F(DesignCommands, FindingsAskFirstAndNoKeepsThePreviousScript) {
  // A table without columns is a finding.
  DrawEntity(QPoint(20, 20), QPoint(160, 120));
  design->VisualModel->Script = "previous";
  const auto no = Answering(mrNo, [&] { design->GenerateScript(); });
  ASSERT_TRUE(no);
  const int count = design->ErrorCount();
  ASSERT_GT(count, 0);
  EXPECT_EQ(no->Text, "Projekt obsahuje chyby (celkem " + QString::number(count) +
                          ").\nPřejete si přesto vygenerovat skript?");
  EXPECT_EQ(no->Caption, "Projekt obsahuje chyby");
  EXPECT_EQ(design->VisualModel->Script, "previous");
  EXPECT_TRUE(host.Scripts.isEmpty());
  // Findings bring the hidden error list up, docked at the bottom.
  EXPECT_FALSE(design->ErrorBrowser->isHidden());
  EXPECT_EQ(design->ErrorBrowser->parentWidget(), design->pnBottomDock);

  const auto yes = Answering(mrYes, [&] { design->GenerateScript(); });
  ASSERT_TRUE(yes);
  ASSERT_EQ(host.Scripts.size(), 1);
  EXPECT_NE(design->VisualModel->Script, "previous");
  EXPECT_EQ(host.Scripts[0], design->VisualModel->Script);
}

TEST_F(DesignCommands, FailedGenerationIsReportedAndKeepsThePreviousScript) {
  DrawOrders();
  design->VisualModel->Script = "previous";
  FakeKind kind;
  TFailingModel failing(kind);
  Morvik::TModel* bound = design->Model;
  design->Model = &failing;
  const auto box = Answering(mrYes, [&] { design->GenerateScript(); });
  design->Model = bound;
  EXPECT_FALSE(box);
  EXPECT_EQ(host.Joined, QStringList{"Chyba při generování skriptu.\nDošlo místo na disku."});
  EXPECT_TRUE(host.Scripts.isEmpty());
  EXPECT_EQ(design->VisualModel->Script, "previous");
  // The busy cursor went back.
  ASSERT_FALSE(host.BusyCalls.empty());
  EXPECT_FALSE(host.BusyCalls.back());
}

TEST_F(DesignCommands, DocumentationOpensOnlyAnExistingLocalHtmlFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString index = dir.filePath("site/index.html");
  QDir().mkpath(dir.filePath("site"));
  for (const QString& name : {index, dir.filePath("tool.html"), dir.filePath("notes.txt")}) {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html></html>");
  }
  QFile(dir.filePath("tool.html")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  struct Case {
    const char* What;
    QString Path;
    bool Opens;
  };
  const Case cases[] = {
      {"the site's index", index, true},
      {"a missing file", dir.filePath("site/gone.html"), false},
      {"a folder", dir.filePath("site"), false},
      {"a web address", "http://example.com/index.html", false},
      {"a file address", "file://" + index, false},
      {"a relative path", "site/index.html", false},
      {"a program", dir.filePath("tool.html"), false},
      {"another kind of file", dir.filePath("notes.txt"), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    host.Opened.clear();
    design->VisualModel->DocumentationPath = c.Path;
    const auto box = Answering(mrOk, [&] { design->ShowDocumentation(); });
    if (c.Opens) {
      EXPECT_FALSE(box);
      ASSERT_EQ(host.Opened.size(), 1u);
      EXPECT_EQ(host.Opened[0], QUrl::fromLocalFile(index));
    } else {
      EXPECT_TRUE(host.Opened.empty());
      ASSERT_TRUE(box);
      EXPECT_EQ(box->Text, "Nemohu spustit prohlížeč HTML souborů.");
      EXPECT_EQ(box->Caption, "Chyba!");
    }
  }
  // A viewer that fails to start is reported too.
  host.OpenSucceeds = false;
  design->VisualModel->DocumentationPath = index;
  const auto failed = Answering(mrOk, [&] { design->ShowDocumentation(); });
  ASSERT_TRUE(failed);
  EXPECT_EQ(failed->Text, "Nemohu spustit prohlížeč HTML souborů.");
  // Before any documentation was generated nothing happens.
  host.Opened.clear();
  design->VisualModel->DocumentationPath.clear();
  EXPECT_FALSE(Answering(mrOk, [&] { design->ShowDocumentation(); }));
  EXPECT_TRUE(host.Opened.empty());
}

TEST_F(DesignCommands, NewDocumentationPathMarksTheSchemaModified) {
  design->SetModified(false, mkNothing);
  design->DocumentationProperties();
  EXPECT_EQ(host.DocumentationDialogs, 1);
  EXPECT_FALSE(design->Modified());
  host.DocumentationPath = "/tmp/site/index.html";
  design->DocumentationProperties();
  EXPECT_EQ(design->VisualModel->DocumentationPath, "/tmp/site/index.html");
  EXPECT_TRUE(design->Modified());
  // The same path again changes nothing.
  design->SetModified(false, mkNothing);
  design->DocumentationProperties();
  EXPECT_FALSE(design->Modified());
}

TEST_F(DesignCommands, ArrangeAsksThenStartsAtFullSizeFromTheTopLeftCorner) {
  TEntity* entity = DrawEntity(QPoint(200, 200), QPoint(340, 300));
  design->SetZoomCentered(2000);
  design->sbxDesktop->SetHorzPosition(300);
  design->SetModified(false, mkNothing);
  const auto no = Answering(mrNo, [&] { design->Arrange(); });
  ASSERT_TRUE(no);
  EXPECT_EQ(no->Text, "Opravdu si přejete přerovnat schéma?");
  EXPECT_EQ(design->Zoom(), 2000);
  EXPECT_FALSE(design->Modified());

  EXPECT_TRUE(Answering(mrYes, [&] { design->Arrange(); }));
  EXPECT_EQ(design->Zoom(), 1000);
  EXPECT_EQ(design->sbxDesktop->HorzPosition(), 0);
  EXPECT_EQ(design->sbxDesktop->VertPosition(), 0);
  EXPECT_TRUE(design->Modified());
  EXPECT_TRUE(design->Selection.empty());
  // The one box went to the top-left corner.
  EXPECT_LT(entity->Left(), 200);
  EXPECT_LT(entity->Top(), 200);
}

} // namespace
