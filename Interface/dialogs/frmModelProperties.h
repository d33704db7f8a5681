#pragma once
// The model dialog: the schema-wide parameters and the note of the plug-in model, edited on
// a mirror and stored on OK or Apply.

#include "Interface/dialogs/frmPropertyPages.h"

#include <memory>

class QTabWidget;
class TEditParamObject;
class TfraParamEdit;
namespace Morvik {
class TCheckRecord;
class TModel;
}

class TfrmModelProperties : public TfrmPropertyPages {
  Q_OBJECT
public:
  explicit TfrmModelProperties(QWidget* Parent = nullptr);
  ~TfrmModelProperties() override;

  // Loads the model's parameters, shows the dialog modally and stores on OK. True when
  // anything was stored: on OK, and on Cancel after Apply. Record: a finding or null.
  bool Execute(Morvik::TModel* Model, const Morvik::TCheckRecord* Record);
  // The parameter mirror while the dialog is open; null otherwise.
  TEditParamObject* Mirror() const { return FMirror.get(); }

  // Components.
  QTabWidget* pgcModel;
  QWidget* tsProperties;
  TfraParamEdit* fraPEModel;

  // Event handlers.
  void FormActivate() override;

protected:
  bool Editing() const override { return FMirror != nullptr; }
  void LoadData() override;
  void StoreData() override;

private:
  Morvik::TModel* FModel = nullptr;
  const Morvik::TCheckRecord* FRecord = nullptr;
  std::unique_ptr<TEditParamObject> FMirror;
};
