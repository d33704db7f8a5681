#include "Interface/dialogs/frmEditRefColumns.h"

#include "editor/PluginText.h"

#include "Interface/MorvikInterface.h"
#include "ui/MB.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>

namespace {

void FillColumns(QComboBox* Box, const Morvik::TTable* Table, int Selected) {
  Box->clear();
  if (Table)
    for (int i = 0; i < Table->GetColumnCount(); ++i) {
      const char* name = Table->GetColumn(i)->GetName();
      Box->addItem(FromPlugin(name));
    }
  Box->setCurrentIndex(Selected >= 0 && Selected < Box->count() ? Selected : -1);
}

} // namespace

TfrmEditRefColumns::TfrmEditRefColumns(QWidget* Parent) : TfrmPropertyPages("pcColumns", Parent) {
  setObjectName(QStringLiteral("frmEditRefColumns"));
  setWindowTitle(QStringLiteral("Výběr atributů relace"));

  pcColumns = Pages();
  tsColumns = new QWidget;
  tsColumns->setObjectName(QStringLiteral("tsColumns"));
  lParent = new QLabel(QStringLiteral("&Primární:"), tsColumns);
  cbxParent = new QComboBox(tsColumns);
  cbxParent->setObjectName(QStringLiteral("cbxParent"));
  lParent->setBuddy(cbxParent);
  lChild = new QLabel(QStringLiteral("&Cizí:"), tsColumns);
  cbxChild = new QComboBox(tsColumns);
  cbxChild->setObjectName(QStringLiteral("cbxChild"));
  lChild->setBuddy(cbxChild);
  auto* grid = new QGridLayout(tsColumns);
  grid->addWidget(lParent, 0, 0);
  grid->addWidget(cbxParent, 0, 1);
  grid->addWidget(lChild, 1, 0);
  grid->addWidget(cbxChild, 1, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(2, 1);
  pcColumns->addTab(tsColumns, QStringLiteral("Atributy"));
  AddErrorPage();
  SetFirstFocus(cbxParent);
  SetDialogSize(300, 160);
}

bool TfrmEditRefColumns::Execute(const Morvik::TTable* ParentTable, const Morvik::TTable* ChildTable,
                                 const Morvik::TCheckRecord* Record, int& ChildIndex, int& ParentIndex) {
  FillColumns(cbxParent, ParentTable, ParentIndex);
  FillColumns(cbxChild, ChildTable, ChildIndex);
  ShowFinding(Record);
  pcColumns->setCurrentWidget(tsColumns);
  const bool ok = exec() == mrOk;
  ParentIndex = cbxParent->currentIndex();
  ChildIndex = cbxChild->currentIndex();
  return ok;
}

bool TfrmEditRefColumns::CanClose() {
  if (cbxParent->currentIndex() >= 0 && cbxChild->currentIndex() >= 0) return true;
  MB(QStringLiteral("Nebyl vybrán sloupec!"), QStringLiteral("Chyba!"), mtError, MsgButtons({mbOK}), mbOK, 0);
  return false;
}
