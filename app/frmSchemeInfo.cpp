#include "app/frmSchemeInfo.h"

#include "Interface/MorvikInterface.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Entity.h"
#include "editor/VisualModel.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QTreeWidget>

TfrmSchemeInfo::TfrmSchemeInfo(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setWindowTitle(QStringLiteral("Informace o schématu"));
  lvInfo = new QTreeWidget(Content());
  lvInfo->setObjectName(QStringLiteral("lvInfo"));
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lvInfo);
  lvInfo->setRootIsDecorated(false);
  lvInfo->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvInfo->setHeaderLabels({QStringLiteral("Název"), QStringLiteral("Hodnota")});
}

void TfrmSchemeInfo::AddRow(const QString& Name, const QString& Value) {
  lvInfo->addTopLevelItem(new QTreeWidgetItem(QStringList{Name, Value}));
}

void TfrmSchemeInfo::FillInfo(const TVisualModel& Document, const Morvik::TModel* Model,
                              const QString& DateFormat) {
  lvInfo->clear();
  int attributes = 0;
  for (const TEntity* e : Document.Entities) attributes += e->Attributes()->Count();
  const int references = Model ? Model->GetReferenceCount() : 0;
  AddRow(QStringLiteral("Počet entit"), QString::number(Document.Entities.size()));
  AddRow(QStringLiteral("Počet atributů"), QString::number(attributes));
  AddRow(QStringLiteral("Počet relací"), QString::number(references));
  AddRow(QStringLiteral("Počet textů"), QString::number(Document.TextLabels.size()));
  AddRow(QStringLiteral("Počet vstupních bodů"), QString::number(Document.EntryPoints.size()));
  AddRow(QStringLiteral("Počet poznámek"), QString::number(Document.Notes.size()));
  AddRow(QStringLiteral("Datum vytvoření projektu"), FormatDateTime(DateFormat, Document.CreatedAt));
  AddRow(QStringLiteral("Datum poslední modifikace"), FormatDateTime(DateFormat, Document.UpdatedAt));
  AddRow(QStringLiteral("DB server"), Document.DBModelName);
  AddRow(QStringLiteral("Jméno DLL"), Document.DLLFileName);
  AddRow(QStringLiteral("Verze DLL"), Document.DLLVersion);
  lvInfo->resizeColumnToContents(0);
  lvInfo->resizeColumnToContents(1);
}
