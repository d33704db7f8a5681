#include "Interface/dialogs/frmSelectReverse.h"

#include "Interface/MorvikInterface.h"

#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// Columns of a row: the caption and the sub-items.
enum {
  colSource,
  colModel,
  colAuthor,
  colVersion,
  colFile,
  colIndex,
  colCount
};
} // namespace

TfrmSelectReverse::TfrmSelectReverse(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setObjectName(QStringLiteral("frmSelectReverse"));
  setWindowTitle(QStringLiteral("Výběr zdroje pro reverse"));
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  lvReverse = MakeList("lvReverse");
  lvReverseOnly = MakeList("lvReverseOnly");
  layout->addWidget(lvReverse);
  layout->addWidget(lvReverseOnly);
  lvReverseOnly->hide();
  SetDialogSize(420, 220, dsResizable, QSize(300, 150));
}

QTreeWidget* TfrmSelectReverse::MakeList(const char* Name) {
  auto* list = new QTreeWidget(Content());
  list->setObjectName(QString::fromLatin1(Name));
  list->setRootIsDecorated(false);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setColumnCount(colCount);
  // The shown columns with their headings; the model name and the source index stay hidden.
  const struct {
    int Column;
    const char* Heading;
    int Width;
  } shown[] = {
      {colSource, "Název", 100}, {colAuthor, "Autor", 80}, {colVersion, "Verze", 100}, {colFile, "DLL", 100}};
  QTreeWidgetItem* header = list->headerItem();
  for (int c = 0; c < colCount; ++c) list->setColumnHidden(c, true);
  for (const auto& s : shown) {
    header->setText(s.Column, QString::fromUtf8(s.Heading));
    list->setColumnWidth(s.Column, s.Width);
    list->setColumnHidden(s.Column, false);
  }
  GuardedConnect(list, &QTreeWidget::itemDoubleClicked, [this] { lvReverseDblClick(); });
  return list;
}

void TfrmSelectReverse::SetSources(const std::vector<TReverseSourceRow>& Rows) {
  lvReverse->clear();
  for (const TReverseSourceRow& r : Rows)
    new QTreeWidgetItem(lvReverse, {r.SourceName, r.ModelName, r.Author, r.Version, r.FileName,
                                    QString::number(r.SourceIndex)});
}

void TfrmSelectReverse::FilterByModel(const QString& ModelName) {
  lvReverseOnly->clear();
  for (int i = 0; i < lvReverse->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = lvReverse->topLevelItem(i);
    if (row->text(colModel) != ModelName) continue;
    QStringList texts;
    for (int c = 0; c < colCount; ++c) texts << row->text(c);
    new QTreeWidgetItem(lvReverseOnly, texts);
  }
}

void TfrmSelectReverse::FilterByModel(const Morvik::TModelInfo* Model) {
  FilterByModel(Model && Model->GetName() ? QString::fromUtf8(Model->GetName()) : QString());
}

QTreeWidget* TfrmSelectReverse::Shown() const { return FOnlyThisModel ? lvReverseOnly : lvReverse; }

bool TfrmSelectReverse::Execute(bool OnlyThisModel) {
  FOnlyThisModel = OnlyThisModel;
  lvReverseOnly->setVisible(OnlyThisModel);
  lvReverse->setVisible(!OnlyThisModel);
  QTreeWidget* list = Shown();
  if (list->topLevelItemCount() > 0 && list->selectedItems().isEmpty())
    list->setCurrentItem(list->topLevelItem(0));
  SetFirstFocus(list);
  return exec() == QDialog::Accepted && SelectedRow();
}

void TfrmSelectReverse::lvReverseDblClick() {
  if (SelectedRow()) done(QDialog::Accepted);
}

QTreeWidgetItem* TfrmSelectReverse::SelectedRow() const {
  const QList<QTreeWidgetItem*> items = Shown()->selectedItems();
  return items.isEmpty() ? nullptr : items.first();
}

int TfrmSelectReverse::SelectedSourceIndex() const {
  const QTreeWidgetItem* row = SelectedRow();
  bool number = false;
  const int index = row ? row->text(colIndex).toInt(&number) : -1;
  return number ? index : -1;
}

QString TfrmSelectReverse::SelectedFileName() const {
  return SelectedRow() ? SelectedRow()->text(colFile) : QString();
}

QString TfrmSelectReverse::SelectedModelName() const {
  return SelectedRow() ? SelectedRow()->text(colModel) : QString();
}

QString TfrmSelectReverse::SelectedVersion() const {
  return SelectedRow() ? SelectedRow()->text(colVersion) : QString();
}
