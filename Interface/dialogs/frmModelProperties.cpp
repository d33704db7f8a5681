#include "Interface/dialogs/frmModelProperties.h"

#include "editor/PluginText.h"

#include "Interface/dialogs/DialogPages.h"

#include "Interface/dialogs/CheckFinding.h"
#include "Interface/dialogs/fraParamEdit.h"
#include "Interface/edit/CheckRecord.h"
#include "Interface/edit/EditParamObject.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using Morvik::TCheckRecord;

TfrmModelProperties::TfrmModelProperties(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setObjectName(QStringLiteral("frmModelProperties"));
  setWindowTitle(QStringLiteral("Vlastnosti modelu"));

  pgcModel = new QTabWidget(Content());
  pgcModel->setObjectName(QStringLiteral("pgcModel"));
  tsProperties = new QWidget;
  tsProperties->setObjectName(QStringLiteral("tsProperties"));
  fraPEModel = new TfraParamEdit(tsProperties);
  fraPEModel->setObjectName(QStringLiteral("fraPEModel"));
  (new QVBoxLayout(tsProperties))->addWidget(fraPEModel);
  pgcModel->addTab(tsProperties, QStringLiteral("Vlastnosti"));
  mmNote = AddMemoPage(pgcModel, QStringLiteral("Poznámka"), "tsNote", "mmNote", tsNote);
  mmError = AddErrorPage(pgcModel, tsError);

  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pgcModel);
  btnApply = AddButton(QStringLiteral("&Použít"), "btnApply");
  GuardedConnect(btnApply, &QPushButton::clicked, [this] { btnApplyClick(); });

  // The arrow keys walk the parameters from the start.
  SetFirstFocus(fraPEModel->tvParam);
  SetDialogSize(460, 420, dsResizable, QSize(360, 320));
}

TfrmModelProperties::~TfrmModelProperties() = default;

bool TfrmModelProperties::Execute(Morvik::TModel* Model, const TCheckRecord* Record) {
  FModel = Model;
  FRecord = Record;
  FStored = false;
  LoadData();
  const bool ok = exec() == mrOk;
  if (ok) StoreData();
  fraPEModel->SetParamObject(nullptr);
  FMirror.reset();
  FRecord = nullptr;
  return ok || FStored;
}

void TfrmModelProperties::LoadData() {
  auto mirror = std::make_unique<TEditParamObject>(FModel);
  mirror->Load(FModel);
  fraPEModel->SetParamObject(mirror.get());
  FMirror = std::move(mirror);
  const char* note = FMirror->GetComment();
  mmNote->setPlainText(FromPlugin(note));
  pgcModel->setTabVisible(pgcModel->indexOf(tsError), FRecord != nullptr);
  mmError->setPlainText(CheckFindingText(FRecord));
}

void TfrmModelProperties::StoreData() {
  FMirror->SetComment(mmNote->toPlainText().toUtf8().constData());
  FMirror->Store(FModel);
  FStored = true;
  if (!FRecord) pgcModel->setCurrentWidget(tsProperties);
}

void TfrmModelProperties::btnApplyClick() {
  if (!FMirror) return;
  StoreData();
  LoadData();
}

void TfrmModelProperties::showEvent(QShowEvent* Event) {
  TfrmAbstractDialog::showEvent(Event);
  ui::Guarded([this] { FormActivate(); }, windowTitle());
}

void TfrmModelProperties::FormActivate() {
  pgcModel->setCurrentWidget(tsProperties);
  if (!FRecord || FRecord->LevelCount() == 0) return;
  if (FRecord->LevelType(0) < TCheckRecord::ltTable) fraPEModel->SelectLocation(FRecord, 0);
}
