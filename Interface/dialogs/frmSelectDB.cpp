#include "Interface/dialogs/frmSelectDB.h"

#include "editor/PluginText.h"

#include "Interface/MorvikInterface.h"
#include "ui/Exception.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <dlfcn.h>
#include <exception>

namespace {

QString LoaderError() {
  const char* reason = dlerror();
  return reason ? QString::fromLocal8Bit(reason) : QString();
}

} // namespace

TfrmSelectDB::TfrmSelectDB(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setObjectName(QStringLiteral("frmSelectDB"));
  setWindowTitle(QStringLiteral("Výběr cílové databáze"));
  lvTargetDB = new QTreeWidget(Content());
  lvTargetDB->setObjectName(QStringLiteral("lvTargetDB"));
  lvTargetDB->setRootIsDecorated(false);
  lvTargetDB->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvTargetDB->setSelectionMode(QAbstractItemView::SingleSelection);
  lvTargetDB->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvTargetDB->setHeaderLabels(
      {QStringLiteral("Název"), QStringLiteral("Autor"), QStringLiteral("Verze"), QStringLiteral("DLL")});
  const int widths[] = {90, 70, 150, 70};
  for (int i = 0; i < 4; ++i) lvTargetDB->setColumnWidth(i, widths[i]);
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lvTargetDB);
  GuardedConnect(lvTargetDB, &QTreeWidget::itemDoubleClicked, [this] { lvTargetDBDblClick(); });
  SetFirstFocus(lvTargetDB);
  SetDialogSize(400, 220, dsResizable, QSize(300, 150));
  ShowMessage = [](const QString& Message) {
    QMessageBox::information(nullptr, QStringLiteral("Morvik"), Message);
  };
}

void TfrmSelectDB::Scan(const QString& Folder) {
  lvTargetDB->clear();
  lvTargetDB->clearSelection();
  const QStringList files =
      QDir(Folder).entryList({QStringLiteral("*.so")}, QDir::Files | QDir::Readable, QDir::Name);
  for (const QString& file : files) ScanLibrary(Folder, file);
  if (lvTargetDB->topLevelItemCount() > 0) lvTargetDB->setCurrentItem(lvTargetDB->topLevelItem(0));
}

void TfrmSelectDB::ScanLibrary(const QString& Folder, const QString& FileName) {
  void* handle = dlopen(QFile::encodeName(Folder + FileName).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return; // not a loadable library: skipped without a word
  dlerror();
  auto models = reinterpret_cast<Morvik::TModelsFunc>(dlsym(handle, Morvik::ModelsExportName));
  if (!models) {
    ShowMessage(QStringLiteral("Error in resolving function\n") + LoaderError());
  } else {
    try {
      const Morvik::TModels* list = models();
      const int count = list ? list->GetCount() : 0;
      for (int i = 0; i < count; ++i) {
        const Morvik::TModelInfo* info = list->GetModelInfo(i);
        if (!info) continue;
        const QString model = FromPlugin(info->GetName());
        const QString author = FromPlugin(list->GetAuthor());
        const QString version = FromPlugin(list->GetVersion());
        AddModelItem(model, FileName, author, version);
        if (const Morvik::TReverseSources* sources = info->GetReverseSources())
          for (int j = 0; j < sources->GetCount(); ++j)
            AddReverseItem({FromPlugin(sources->GetSource(j)), model, j, version, author, FileName});
      }
    } catch (...) {
      ShowMessage(ui::MessageOf(std::current_exception(), QStringLiteral("Error in resolving function")));
    }
  }
  if (dlclose(handle) != 0) ShowMessage(QStringLiteral("Nepodařilo se uvolnit knihovnu!"));
}

void TfrmSelectDB::AddModelItem(const QString& ModelName, const QString& FileName, const QString& Author,
                                const QString& Version) {
  new QTreeWidgetItem(lvTargetDB, {ModelName, Author, Version, FileName});
}

void TfrmSelectDB::AddReverseItem(const TReverseSourceRow& Row) { FReverseItems.push_back(Row); }

void TfrmSelectDB::lvTargetDBDblClick() {
  if (HasSelection()) done(QDialog::Accepted);
}

bool TfrmSelectDB::HasSelection() const { return !lvTargetDB->selectedItems().isEmpty(); }

QString TfrmSelectDB::SelectedText(int Column) const {
  const QList<QTreeWidgetItem*> items = lvTargetDB->selectedItems();
  return items.isEmpty() ? QString() : items.first()->text(Column);
}

QString TfrmSelectDB::SelectedFileName() const { return SelectedText(3); }
QString TfrmSelectDB::SelectedModelName() const { return SelectedText(0); }
QString TfrmSelectDB::SelectedVersion() const { return SelectedText(2); }
