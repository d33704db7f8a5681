#include "Interface/dialogs/frmModelProperties.h"

#include "editor/PluginText.h"

#include "Interface/dialogs/fraParamEdit.h"
#include "Interface/edit/CheckRecord.h"
#include "Interface/edit/EditParamObject.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using Morvik::TCheckRecord;

TfrmModelProperties::TfrmModelProperties(QWidget* Parent) : TfrmPropertyPages("pgcModel", Parent) {
  setObjectName(QStringLiteral("frmModelProperties"));
  setWindowTitle(QStringLiteral("Vlastnosti modelu"));

  pgcModel = Pages();
  tsProperties = new QWidget;
  tsProperties->setObjectName(QStringLiteral("tsProperties"));
  fraPEModel = new TfraParamEdit(tsProperties);
  fraPEModel->setObjectName(QStringLiteral("fraPEModel"));
  (new QVBoxLayout(tsProperties))->addWidget(fraPEModel);
  pgcModel->addTab(tsProperties, QStringLiteral("Vlastnosti"));
  AddNotePage();
  AddErrorPage();
  AddApplyButton();

  // The arrow keys walk the parameters from the start.
  SetFirstFocus(fraPEModel->tvParam);
  SetDialogSize(460, 420, dsResizable, QSize(360, 320));
}

TfrmModelProperties::~TfrmModelProperties() = default;

bool TfrmModelProperties::Execute(Morvik::TModel* Model, const TCheckRecord* Record) {
  FModel = Model;
  FRecord = Record;
  const bool stored = EditModally();
  fraPEModel->SetParamObject(nullptr);
  FMirror.reset();
  FRecord = nullptr;
  return stored;
}

void TfrmModelProperties::LoadData() {
  auto mirror = std::make_unique<TEditParamObject>(FModel);
  mirror->Load(FModel);
  fraPEModel->SetParamObject(mirror.get());
  FMirror = std::move(mirror);
  const char* note = FMirror->GetComment();
  mmNote->setPlainText(FromPlugin(note));
  ShowFinding(FRecord);
}

void TfrmModelProperties::StoreData() {
  FMirror->SetComment(mmNote->toPlainText().toUtf8().constData());
  FMirror->Store(FModel);
  if (!FRecord) pgcModel->setCurrentWidget(tsProperties);
}

void TfrmModelProperties::FormActivate() {
  pgcModel->setCurrentWidget(tsProperties);
  if (!FRecord || FRecord->LevelCount() == 0) return;
  if (FRecord->LevelType(0) < TCheckRecord::ltTable) fraPEModel->SelectLocation(FRecord, 0);
}
