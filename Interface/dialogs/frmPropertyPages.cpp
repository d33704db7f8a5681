#include "Interface/dialogs/frmPropertyPages.h"

#include "Interface/dialogs/CheckFinding.h"
#include "Interface/dialogs/RowsPage.h"
#include "Interface/dialogs/fraParamEdit.h"
#include "Interface/edit/CheckRecord.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Appends to Pages a page named PageName, captioned Caption, filled by one multi-line text
// named MemoName; Page receives the page.
QPlainTextEdit* AddMemoPage(QTabWidget* Pages, const QString& Caption, const char* PageName,
                            const char* MemoName, QWidget*& Page) {
  Page = new QWidget;
  Page->setObjectName(QString::fromLatin1(PageName));
  auto* memo = new QPlainTextEdit(Page);
  memo->setObjectName(QString::fromLatin1(MemoName));
  (new QVBoxLayout(Page))->addWidget(memo);
  Pages->addTab(Page, Caption);
  return memo;
}

} // namespace

TfrmPropertyPages::TfrmPropertyPages(const char* PagesName, QWidget* Parent) : TfrmAbstractDialog(Parent) {
  pages = new QTabWidget(Content());
  pages->setObjectName(QString::fromLatin1(PagesName));
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages);
}

void TfrmPropertyPages::AddNotePage() {
  mmNote = AddMemoPage(pages, QStringLiteral("Poznámka"), "tsNote", "mmNote", tsNote);
}

void TfrmPropertyPages::AddErrorPage() {
  mmError = AddMemoPage(pages, QStringLiteral("Popis chyby"), "tsError", "mmError", tsError);
  mmError->setReadOnly(true);
}

void TfrmPropertyPages::AddApplyButton() {
  btnApply = AddButton(QStringLiteral("&Použít"), "btnApply");
  GuardedConnect(btnApply, &QPushButton::clicked, [this] { btnApplyClick(); });
}

void TfrmPropertyPages::GoToFinding(const Morvik::TCheckRecord* Record, TfraParamEdit* Params, int RowType,
                                    TRowsPage* Rows, std::function<void()> EditRow) {
  if (!Record || Record->LevelCount() <= 1) return;
  const int type = Record->LevelType(1);
  if (type < Morvik::TCheckRecord::ltTable) {
    Params->SelectLocation(Record, 1);
    return;
  }
  if (type != RowType) return;
  pages->setCurrentWidget(Rows);
  Rows->List()->setFocus();
  const int row = Record->LevelIndex(1);
  if (row < 0 || row >= Rows->List()->topLevelItemCount()) return;
  Rows->SelectRow(row);
  QTimer::singleShot(0, this, [this, EditRow = std::move(EditRow)] { ui::Guarded(EditRow, windowTitle()); });
}

void TfrmPropertyPages::ShowFinding(const Morvik::TCheckRecord* Record) {
  mmError->setPlainText(CheckFindingText(Record));
  pages->setTabVisible(pages->indexOf(tsError), Record != nullptr);
}

void TfrmPropertyPages::btnApplyClick() {
  if (!Editing()) return;
  StoreData();
  stored = true;
  LoadData();
}

bool TfrmPropertyPages::EditModally() {
  stored = false;
  LoadData();
  const bool ok = exec() == mrOk;
  // A mirror whose reloading failed is not there to store.
  if (ok && Editing()) StoreData();
  return ok || stored;
}

void TfrmPropertyPages::showEvent(QShowEvent* Event) {
  TfrmAbstractDialog::showEvent(Event);
  ui::Guarded([this] { FormActivate(); }, windowTitle());
}
