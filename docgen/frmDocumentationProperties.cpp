#include "docgen/frmDocumentationProperties.h"

#include "docgen/Documentation.h"
#include "docgen/DocumentationHost.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The busy cursor for as long as it lives.
class TBusy {
public:
  explicit TBusy(TDocumentationHost* Host) : host(Host) { host->SetBusy(true); }
  ~TBusy() { host->SetBusy(false); }
  TBusy(const TBusy&) = delete;
  TBusy& operator=(const TBusy&) = delete;

private:
  TDocumentationHost* host;
};

QCheckBox* Switch(const QString& Caption, const char* Name, QWidget* Parent) {
  auto* box = new QCheckBox(Caption, Parent);
  box->setObjectName(QString::fromLatin1(Name));
  box->setChecked(true);
  return box;
}

} // namespace

TfrmDocumentationProperties::TfrmDocumentationProperties(TDocumentationHost* Host, QWidget* Parent)
    : TfrmAbstractDialog(Parent), FHost(Host) {
  setObjectName(QStringLiteral("frmDocumentationProperties"));
  setWindowTitle(QStringLiteral("Generování dokumentace"));
  btnOK->setText(QStringLiteral("&Generuj"));
  btnCancel->setText(QStringLiteral("&Zavřít"));
  btnView = AddButton(QStringLiteral("Zobraz dokumentaci"), "btnView");

  QWidget* content = Content();
  Label1 = new QLabel(QStringLiteral("&Adresář do kterého se bude generovat HTML dokumentace:"), content);
  Label1->setObjectName(QStringLiteral("Label1"));
  edDocFileName = new QLineEdit(content);
  edDocFileName->setObjectName(QStringLiteral("edDocFileName"));
  Label1->setBuddy(edDocFileName);
  btnBrowse = new QPushButton(QStringLiteral("&Najdi"), content);
  btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
  btnBrowse->setAutoDefault(true);

  GroupBox1 = new QGroupBox(QStringLiteral(" Možnosti "), content);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  chbxEntity = Switch(QStringLiteral("&Tabulky"), "chbxEntity", GroupBox1);
  chbxRelation = Switch(QStringLiteral("&Relace"), "chbxRelation", GroupBox1);
  chbxScript = Switch(QStringLiteral("Naposledy vygenerovaný &SQL skript"), "chbxScript", GroupBox1);
  btnScript = new QPushButton(QStringLiteral("Generování skriptu"), GroupBox1);
  btnScript->setObjectName(QStringLiteral("btnScript"));
  btnScript->setToolTip(QStringLiteral("Generování skriptu"));
  btnScript->setStatusTip(QStringLiteral("Generování skriptu"));
  btnScript->setAutoDefault(true);
  lScriptInfo = new QLabel(GroupBox1);
  lScriptInfo->setObjectName(QStringLiteral("lScriptInfo"));
  lScriptInfo->setWordWrap(true);
  lScriptInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Room for the two lines of the warning, shown or not.
  lScriptInfo->setMinimumHeight(2 * lScriptInfo->fontMetrics().lineSpacing() + 2);
  lScriptInfo->setStyleSheet(QStringLiteral("color: #B00000"));
  chbxNote = Switch(QStringLiteral("&Poznámky"), "chbxNote", GroupBox1);
  chbxAddInfo = Switch(QStringLiteral("&Další informace"), "chbxAddInfo", GroupBox1);
  chbxDescription = Switch(QStringLiteral("&Vysvětlivky parametrů"), "chbxDescription", GroupBox1);

  auto* options = new QGridLayout(GroupBox1);
  options->addWidget(chbxEntity, 0, 0, 1, 2);
  options->addWidget(chbxRelation, 1, 0, 1, 2);
  options->addWidget(chbxScript, 2, 0);
  options->addWidget(btnScript, 2, 1);
  options->addWidget(lScriptInfo, 3, 0, 1, 2);
  options->addWidget(chbxNote, 4, 0, 1, 2);
  options->addWidget(chbxAddInfo, 5, 0, 1, 2);
  options->addWidget(chbxDescription, 6, 0, 1, 2);
  options->setColumnStretch(0, 1);

  auto* grid = new QGridLayout(content);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(Label1, 0, 0, 1, 2);
  grid->addWidget(edDocFileName, 1, 0);
  grid->addWidget(btnBrowse, 1, 1);
  grid->addWidget(GroupBox1, 2, 0, 1, 2);
  grid->setRowStretch(3, 1);
  SetContentTabOrder({edDocFileName, btnBrowse, chbxEntity, chbxRelation, chbxScript, btnScript, chbxNote,
                      chbxAddInfo, chbxDescription});
  SetFirstFocus(edDocFileName);
  SetDialogSize(430, 300);

  GuardedConnect(btnBrowse, &QPushButton::clicked, [this] { btnBrowseClick(); });
  GuardedConnect(chbxScript, &QCheckBox::clicked, [this] { chbxScriptClick(); });
  GuardedConnect(btnScript, &QPushButton::clicked, [this] { btnScriptClick(); });
  GuardedConnect(btnView, &QPushButton::clicked, [this] { FHost->ShowDocumentation(); });
}

void TfrmDocumentationProperties::Execute(TfrmDesign* Design, QString& Path) {
  FDesign = Design;
  FPath.clear();
  exec();
  Path = FPath;
}

void TfrmDocumentationProperties::showEvent(QShowEvent* Event) {
  TfrmAbstractDialog::showEvent(Event);
  ui::Guarded([this] { FormActivate(); }, windowTitle());
}

void TfrmDocumentationProperties::FormActivate() {
  const QString path = FDesign ? FDesign->VisualModel->DocumentationPath : QString();
  edDocFileName->setText(path.left(path.lastIndexOf(QLatin1Char('/')) + 1));
  chbxScriptClick();
  UpdateViewButton();
}

void TfrmDocumentationProperties::chbxScriptClick() {
  const bool noScript = FDesign && FDesign->VisualModel->Script.isEmpty();
  lScriptInfo->setText(chbxScript->isChecked() && noScript
                           ? QStringLiteral("Skript nebyl doposud vygenerován! Pokud jej nevygenerujete, "
                                            "nebude součástí dokumentace!")
                           : QString());
}

void TfrmDocumentationProperties::btnScriptClick() {
  FHost->GenerateScript();
  chbxScriptClick();
}

void TfrmDocumentationProperties::btnBrowseClick() {
  const QString folder = QFileDialog::getExistingDirectory(
      this, QStringLiteral("Výběr adresáře pro dokumentaci"), edDocFileName->text());
  if (!folder.isEmpty()) edDocFileName->setText(folder);
}

bool TfrmDocumentationProperties::CanClose() {
  btnOKClick();
  return false;
}

void TfrmDocumentationProperties::btnOKClick() {
  if (!FDesign) return;
  if (edDocFileName->text().isEmpty()) {
    FHost->ShowMessage(QStringLiteral("Nebyla zadána cesta, kam se má generovat dokumentace!"));
    edDocFileName->setFocus();
    return;
  }
  if (!edDocFileName->text().endsWith(QLatin1Char('/'))) edDocFileName->setText(edDocFileName->text() + '/');
  TVisualModel* document = FDesign->VisualModel.get();
  const QString folder = edDocFileName->text();

  bool generated = false;
  {
    TDocumentation documentation(document, FDesign->Model, folder, FHost);
    TBusy busy(FHost);
    try {
      documentation.Generate(chbxEntity->isChecked(), chbxRelation->isChecked(), chbxScript->isChecked(),
                             chbxNote->isChecked(), chbxAddInfo->isChecked(), chbxDescription->isChecked(),
                             FHost->ImagesFolder());
      generated = true;
    } catch (...) {
      FHost->ShowJoinedMessage(QStringLiteral("Chyba při generování dokumentace."),
                               ui::MessageOf(std::current_exception(), ui::UnexpectedErrorText()));
    }
  }
  FPath = QDir(TDocumentation::SiteFolder(document, folder)).filePath(QStringLiteral("index.html"));
  document->DocumentationPath = FPath;
  UpdateViewButton();
  if (generated)
    MB(QStringLiteral("Dokumentace aktuálního schématu byla vygenerována."),
       QStringLiteral("Generování dokumentace"), mtInformation, MsgButtons({mbOK}));
}

void TfrmDocumentationProperties::UpdateViewButton() {
  btnView->setEnabled(FDesign && !FDesign->VisualModel->DocumentationPath.isEmpty());
}
