#include "editor/frmErrorBrowser.h"

#include "Interface/MorvikInterface.h"
#include "Interface/edit/CheckReport.h"
#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "editor/BrowserHost.h"
#include "editor/DockedWindow.h"
#include "editor/VisualModel.h"
#include "editor/frmBrowser.h"
#include "ui/FailureReport.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>

using Morvik::TCheckRecord;

namespace {

constexpr int RecordRole = Qt::UserRole;

} // namespace

TfrmErrorBrowser::TfrmErrorBrowser(TBrowserHost* Host, TfrmBrowser* Browser, QWidget* Parent)
    : TfrmAbstract(Parent), FHost(Host), FBrowser(Browser), FOwnerWindow(Parent) {
  setObjectName(QStringLiteral("frmErrorBrowser"));
  setWindowTitle(QStringLiteral("frmErrorBrowser"));
  resize(595, 65);
  lbErrors = new QListWidget(this);
  lbErrors->setObjectName(QStringLiteral("lbErrors"));
  lbErrors->setSelectionMode(QAbstractItemView::SingleSelection);
  lbErrors->setUniformItemSizes(true);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lbErrors);
  lbErrors->viewport()->installEventFilter(this);
}

TfrmErrorBrowser::~TfrmErrorBrowser() = default;

int TfrmErrorBrowser::ErrorCount() const { return FReport ? FReport->Count() : 0; }

QString TfrmErrorBrowser::ErrorWord(int Count) {
  if (Count == 1) return QStringLiteral("chyba.");
  if (Count >= 2 && Count <= 4) return QStringLiteral("chyby.");
  return QStringLiteral("chyb.");
}

const TCheckRecord* TfrmErrorBrowser::LineRecord(const QListWidgetItem* Line) {
  return Line ? reinterpret_cast<const TCheckRecord*>(Line->data(RecordRole).value<quintptr>()) : nullptr;
}

QString TfrmErrorBrowser::RunCheck() {
  // The lines point into the report: they go first.
  lbErrors->clear();
  FReport.reset();
  if (Morvik::TModel* model = FHost->DesignModel()) FReport = std::make_unique<Morvik::TCheckReport>(model);
  const int count = ErrorCount();
  for (int i = 0; i < count; ++i) {
    const TCheckRecord* record = FReport->Record(i);
    auto* line = new QListWidgetItem(QString::fromUtf8(record->Path()) + QStringLiteral(":  ") +
                                     QString::fromUtf8(record->Message()));
    line->setData(RecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(record)));
    lbErrors->addItem(line);
  }
  if (count == 0) return QStringLiteral("Kontrola chyb ukončena, nebyla nalezena žádná chyba.");
  const QString total = QString::number(count) + QLatin1Char(' ') + ErrorWord(count);
  lbErrors->addItem(QStringLiteral("Celkem ") + total);
  return QStringLiteral("Kontrola chyb ukončena\nCelkem  ") + total;
}

bool TfrmErrorBrowser::OpenRecord(const TCheckRecord* Record) {
  if (!Record || Record->LevelCount() == 0) return false;
  const int type = Record->LevelType(0);
  const int index = Record->LevelIndex(0);
  if (type < TCheckRecord::ltTable) return FHost->EditModelAt(Record);
  const Morvik::TModel* model = FHost->DesignModel();
  const TVisualModel* document = FHost->DesignDocument();
  if (!model) return false;
  if (type == TCheckRecord::ltTable) {
    if (index < 0 || index >= model->GetTableCount()) return false;
    TEntity* entity = document->FindEntityByTable(model->GetTable(index));
    if (!entity) return false;
    FHost->LocateElement(entity);
    if (!FHost->EditEntityAt(entity, Record)) return false;
    if (FBrowser) FBrowser->UpdateEntityNode(entity);
    return true;
  }
  if (type == TCheckRecord::ltReference) {
    if (index < 0 || index >= model->GetReferenceCount()) return false;
    TRelation* relation = document->FindRelationByReference(model->GetReference(index));
    if (!relation) return false;
    FHost->LocateElement(relation);
    if (!FHost->EditRelationAt(relation, Record)) return false;
    if (FBrowser) FBrowser->UpdateRelationNode(relation);
    return true;
  }
  return false;
}

void TfrmErrorBrowser::lvErrorsDblClick(const QPoint& Pos) {
  const QListWidgetItem* line = lbErrors->itemAt(Pos);
  if (!line || !lbErrors->visualItemRect(line).contains(Pos)) return;
  // The check that a confirmed dialog re-runs replaces the report the record belongs to.
  if (OpenRecord(LineRecord(line))) FHost->SetModified(true, mkModel);
}

bool TfrmErrorBrowser::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == lbErrors->viewport() && Event->type() == QEvent::MouseButtonDblClick) {
    const QPoint pos = static_cast<QMouseEvent*>(Event)->position().toPoint();
    ui::Guarded([&] { lvErrorsDblClick(pos); }, windowTitle());
    return true;
  }
  return TfrmAbstract::eventFilter(Watched, Event);
}

void TfrmErrorBrowser::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Escape) {
    Event->ignore();
    return;
  }
  TfrmAbstract::keyPressEvent(Event);
}

void TfrmErrorBrowser::hideEvent(QHideEvent* Event) {
  TfrmAbstract::hideEvent(Event);
  // Only a hide of the list itself undocks it, not one of the window around it.
  if (isHidden() && !isWindow()) ui::Guarded([this] { FormHide(); }, windowTitle());
}

void TfrmErrorBrowser::FormHide() {
  UndockWindow(this, FOwnerWindow);
  FHost->DockedWindowHidden(this);
}
