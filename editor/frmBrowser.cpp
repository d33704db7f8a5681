#include "editor/frmBrowser.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/BrowserHost.h"
#include "editor/DockedWindow.h"
#include "editor/VisualModel.h"
#include "ui/FailureReport.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <algorithm>

static void InitBrowserResources() { Q_INIT_RESOURCE(frmBrowser); }

namespace {

constexpr int ElementRole = Qt::UserRole;

// Lets the browser colour a node before it is drawn.
class TBrowserDelegate : public QStyledItemDelegate {
public:
  TBrowserDelegate(const TfrmBrowser* Browser, QObject* Parent)
      : QStyledItemDelegate(Parent), FBrowser(Browser) {}

protected:
  void initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const override {
    QStyledItemDelegate::initStyleOption(Option, Index);
    FBrowser->tvComponentsCustomDrawItem(Index, Option);
  }

private:
  const TfrmBrowser* FBrowser;
};

const QString ProjectInfoCaption = QStringLiteral("Informace o projektu");

// Rough costs of taking removed nodes out, in instructions: one node by its row, moving one
// node after it up a row, and one node of a group taken out whole and put back.
constexpr qsizetype TakeCost = 7000;
constexpr qsizetype MoveCost = 2;
constexpr qsizetype RefillCost = 1700;

} // namespace

// A node of the tree. Its element is kept in the node rather than in the item's data, so
// that a removed node lets go of it without telling the view.
class TfrmBrowser::TNode : public QTreeWidgetItem {
public:
  static constexpr int NodeType = QTreeWidgetItem::UserType + 1;

  TNode(const QString& Text, TMorvikGraphic* Element)
      : QTreeWidgetItem(QStringList{Text}, NodeType), FElement(Element) {}

  QVariant data(int Column, int Role) const override {
    if (Column == 0 && Role == ElementRole) return QVariant::fromValue(reinterpret_cast<quintptr>(FElement));
    return QTreeWidgetItem::data(Column, Role);
  }
  // The element goes; the node waits to be taken out.
  void Release() {
    FElement = nullptr;
    FRemoved = true;
  }
  static bool IsRemoved(const QTreeWidgetItem* Item) {
    return Item && Item->type() == NodeType && static_cast<const TNode*>(Item)->FRemoved;
  }

private:
  TMorvikGraphic* FElement;
  bool FRemoved = false;
};

TfrmBrowser::TfrmBrowser(TBrowserHost* Host, QWidget* Parent)
    : TfrmAbstract(Parent), FHost(Host), FOwnerWindow(Parent) {
  InitBrowserResources();
  setObjectName(QStringLiteral("frmBrowser"));
  setWindowTitle(QStringLiteral("Prohlížeč"));
  resize(168, height());
  imlBrowser = {
      QIcon(QStringLiteral(":/browser/entity.png")),   QIcon(QStringLiteral(":/browser/entrypoint.png")),
      QIcon(QStringLiteral(":/browser/note.png")),     QIcon(QStringLiteral(":/browser/projectinfo.png")),
      QIcon(QStringLiteral(":/browser/relation.png")), QIcon(QStringLiteral(":/browser/text.png"))};

  tvComponents = new QTreeWidget(this);
  tvComponents->setObjectName(QStringLiteral("tvComponents"));
  tvComponents->setHeaderHidden(true);
  tvComponents->setColumnCount(1);
  tvComponents->setIndentation(19);
  tvComponents->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tvComponents->setSelectionMode(QAbstractItemView::SingleSelection);
  tvComponents->setContextMenuPolicy(Qt::CustomContextMenu);
  tvComponents->setUniformRowHeights(true);
  tvComponents->setItemDelegate(new TBrowserDelegate(this, tvComponents));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tvComponents);

  const std::pair<const char*, TImage> groups[] = {{"Entity", imEntity},
                                                   {"Vstupní body", imEntryPoint},
                                                   {"Poznámky", imNote},
                                                   {"Texty", imTextLabel},
                                                   {"Relace", imRelation}};
  for (const auto& [text, image] : groups) AddNode(nullptr, image, QString::fromUtf8(text), nullptr);

  tvComponents->viewport()->installEventFilter(this);
  tvComponents->installEventFilter(this);
  GuardedConnect(tvComponents, &QWidget::customContextMenuRequested,
                 [this](const QPoint& Pos) { tvComponentsContextPopup(Pos); });
}

// Nodes ----------------------------------------------------------------------------------

QTreeWidgetItem* TfrmBrowser::AddNode(QTreeWidgetItem* Parent, TImage Image, const QString& Text,
                                      TMorvikGraphic* Element) {
  auto* node = new TNode(Text, Element);
  node->setIcon(0, imlBrowser[static_cast<size_t>(Image)]);
  TNodeRef ref{node, -1, -1};
  if (Parent) {
    ref.Group = tvComponents->indexOfTopLevelItem(Parent);
    ref.Number = FRows[static_cast<size_t>(ref.Group)].Append();
    Parent->addChild(node);
  } else {
    tvComponents->addTopLevelItem(node);
  }
  if (Element) FNodes[Element] = ref;
  return node;
}

void TfrmBrowser::RemoveNode(const ui::TComponent* Element) {
  const TNodeRef* found = FNodes.Find(Element);
  if (!found) return;
  const TNodeRef ref = *found;
  FNodes.Remove(Element);
  if (ref.Group < 0) {
    delete tvComponents->takeTopLevelItem(tvComponents->indexOfTopLevelItem(ref.Node));
    return;
  }
  ref.Node->Release();
  FRemoved[static_cast<size_t>(ref.Group)].push_back({ref.Node, ref.Number, -1});
  if (FRemovalRuns == 0) TakeOutRemoved(static_cast<TGroup>(ref.Group));
}

void TfrmBrowser::EndRemovals() {
  if (FRemovalRuns == 0 || --FRemovalRuns > 0) return;
  for (size_t group = 0; group < FRemoved.size(); ++group) TakeOutRemoved(static_cast<TGroup>(group));
}

void TfrmBrowser::TakeOutRemoved(TGroup Group) {
  std::vector<TRemovedNode>& removed = FRemoved[static_cast<size_t>(Group)];
  if (removed.empty()) return;
  const TNodeRows& rows = FRows[static_cast<size_t>(Group)];
  for (TRemovedNode& node : removed) node.Row = rows.Row(node.Number);
  std::sort(removed.begin(), removed.end(),
            [](const TRemovedNode& A, const TRemovedNode& B) { return A.Row > B.Row; });
  // Taken out from the last up, each node moves the staying nodes after it.
  const qsizetype count = GroupNode(Group)->childCount();
  qsizetype moved = 0;
  for (size_t i = 0; i < removed.size(); ++i) moved += count - 1 - removed[i].Row - static_cast<qsizetype>(i);
  if (static_cast<qsizetype>(removed.size()) * TakeCost + moved * MoveCost > count * RefillCost)
    TakeOutTogether(Group);
  else
    TakeOutOneByOne(Group, removed);
  removed.clear();
}

void TfrmBrowser::TakeOutOneByOne(TGroup Group, const std::vector<TRemovedNode>& Removed) {
  TNodeRows& rows = FRows[static_cast<size_t>(Group)];
  QTreeWidgetItem* group = GroupNode(Group);
  for (const TRemovedNode& node : Removed) {
    int row = node.Row;
    if (group->child(row) != node.Node) row = group->indexOfChild(node.Node);
    rows.Remove(node.Number);
    // Taken out by its row, the node is not searched for among its siblings.
    delete group->takeChild(row);
  }
}

void TfrmBrowser::TakeOutTogether(TGroup Group) {
  QTreeWidgetItem* group = GroupNode(Group);
  QItemSelectionModel* selection = tvComponents->selectionModel();
  QTreeWidgetItem* current = tvComponents->currentItem();
  const bool currentHere = current && current->parent() == group;
  QList<QTreeWidgetItem*> selected;
  for (QTreeWidgetItem* node : tvComponents->selectedItems())
    if (node->parent() == group && !TNode::IsRemoved(node)) selected.push_back(node);
  // The node that becomes current when the current one goes.
  QTreeWidgetItem* successor = nullptr;
  {
    // While the group is out, the view hears nothing of its current node and selection; what
    // stays is put back as it was.
    const QSignalBlocker quiet(selection);
    if (currentHere) selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    const QList<QTreeWidgetItem*> children = group->takeChildren();
    QList<QTreeWidgetItem*> kept;
    kept.reserve(children.size());
    // The current node's row among the staying nodes, and whether it goes.
    qsizetype currentRow = -1;
    bool currentGoes = false;
    for (QTreeWidgetItem* node : children) {
      const bool goes = TNode::IsRemoved(node);
      if (node == current) {
        currentRow = kept.size();
        currentGoes = goes;
      }
      if (goes)
        delete node;
      else
        kept.push_back(node);
    }
    group->addChildren(kept);
    for (QTreeWidgetItem* node : selected) node->setSelected(true);
    if (currentHere && !currentGoes) {
      const QModelIndex groupIndex = tvComponents->model()->index(Group, 0);
      selection->setCurrentIndex(tvComponents->model()->index(static_cast<int>(currentRow), 0, groupIndex),
                                 QItemSelectionModel::NoUpdate);
    } else if (currentGoes) {
      successor = currentRow < kept.size() ? kept[currentRow] : currentRow > 0 ? kept[currentRow - 1] : group;
    }
  }
  TNodeRows& rows = FRows[static_cast<size_t>(Group)];
  for (const TRemovedNode& node : FRemoved[static_cast<size_t>(Group)]) rows.Remove(node.Number);
  if (successor)
    tvComponents->setCurrentItem(successor);
  else
    tvComponents->viewport()->update();
}

void TfrmBrowser::SetNodeText(const ui::TComponent* Element, const QString& Text) {
  if (QTreeWidgetItem* node = NodeOf(Element)) node->setText(0, Text);
}

QTreeWidgetItem* TfrmBrowser::GroupNode(TGroup Group) const { return tvComponents->topLevelItem(Group); }

QTreeWidgetItem* TfrmBrowser::ProjectInfoNode() const { return tvComponents->topLevelItem(5); }

QTreeWidgetItem* TfrmBrowser::NodeOf(const ui::TComponent* Element) const {
  const TNodeRef* ref = FNodes.Find(Element);
  return ref ? ref->Node : nullptr;
}

TMorvikGraphic* TfrmBrowser::NodeElement(const QTreeWidgetItem* Node) {
  return Node ? reinterpret_cast<TMorvikGraphic*>(Node->data(0, ElementRole).value<quintptr>()) : nullptr;
}

// Texts ----------------------------------------------------------------------------------

QString TfrmBrowser::EntityText(const TEntity* Entity) { return Entity->Caption(); }

QString TfrmBrowser::EntryPointText(const TEntryPoint* EntryPoint) {
  const auto* entity = dynamic_cast<const TEntity*>(EntryPoint->Entity());
  return QStringLiteral("Bod (") + (entity ? entity->Caption() : QString()) + QLatin1Char(')');
}

QString TfrmBrowser::NoteText(const TNote* Note) {
  QString text = Note->Text();
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text.at(first).unicode() <= ' ') ++first;
  while (last > first && text.at(last - 1).unicode() <= ' ') --last;
  text = text.mid(first, last - first);
  text.remove(QLatin1Char('\r'));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text.left(20);
}

QString TfrmBrowser::RelationText(const TRelation* Relation) {
  const Morvik::TReference* reference = Relation->Reference();
  const char* name = reference ? reference->GetName() : nullptr;
  if (!name || !*name) return QStringLiteral("Nespecifikovano");
  return QString::fromUtf8(name);
}

// Adding, removing and renewing ------------------------------------------------------------

void TfrmBrowser::AddEntityNode(TEntity* Entity) {
  if (!Entity || NodeOf(Entity)) return;
  AddNode(GroupNode(grEntities), imEntity, EntityText(Entity), Entity);
}

void TfrmBrowser::RemoveEntityNode(TEntity* Entity) { RemoveNode(Entity); }

void TfrmBrowser::UpdateEntityNode(TEntity* Entity) {
  if (!Entity) return;
  SetNodeText(Entity, EntityText(Entity));
  if (const TEntryPoint* entryPoint = FHost->DesignDocument()->FindEntryPointByEntity(Entity))
    SetNodeText(entryPoint, EntryPointText(entryPoint));
}

void TfrmBrowser::AddEntryPointNode(TEntryPoint* EntryPoint) {
  if (!EntryPoint || NodeOf(EntryPoint)) return;
  AddNode(GroupNode(grEntryPoints), imEntryPoint, EntryPointText(EntryPoint), EntryPoint);
}

void TfrmBrowser::RemoveEntryPointNode(TEntryPoint* EntryPoint) { RemoveNode(EntryPoint); }

void TfrmBrowser::AddNoteNode(TNote* Note) {
  if (!Note || NodeOf(Note)) return;
  AddNode(GroupNode(grNotes), imNote, NoteText(Note), Note);
}

void TfrmBrowser::RemoveNoteNode(TNote* Note) { RemoveNode(Note); }

void TfrmBrowser::UpdateNoteNode(TNote* Note) {
  if (Note) SetNodeText(Note, NoteText(Note));
}

void TfrmBrowser::AddTextLabelNode(TTextLabel* TextLabel) {
  if (!TextLabel || TextLabel->Tag() != 0 || NodeOf(TextLabel)) return;
  AddNode(GroupNode(grTextLabels), imTextLabel, TextLabel->Caption(), TextLabel);
}

void TfrmBrowser::RemoveTextLabelNode(TTextLabel* TextLabel) {
  if (TextLabel && TextLabel->Tag() == 0) RemoveNode(TextLabel);
}

void TfrmBrowser::UpdateTextLabelNode(TTextLabel* TextLabel) {
  if (TextLabel) SetNodeText(TextLabel, TextLabel->Caption());
}

void TfrmBrowser::AddRelationNode(TRelation* Relation) {
  if (!Relation || !TVisualModel::IsRelationComplete(Relation) || NodeOf(Relation)) return;
  AddNode(GroupNode(grRelations), imRelation, RelationText(Relation), Relation);
}

void TfrmBrowser::RemoveRelationNode(TRelation* Relation) { RemoveNode(Relation); }

void TfrmBrowser::UpdateRelationNode(TRelation* Relation) {
  if (!Relation) return;
  SetNodeText(Relation, RelationText(Relation));
  for (TRectangle* end : {Relation->Base(), Relation->Target()})
    if (auto* entity = dynamic_cast<TEntity*>(end)) UpdateEntityNode(entity);
}

void TfrmBrowser::AddProjectInfoNode(TProjectInfo* ProjectInfo) {
  if (!ProjectInfo || NodeOf(ProjectInfo)) return;
  AddNode(nullptr, imProjectInfo, ProjectInfoCaption, ProjectInfo);
}

void TfrmBrowser::RemoveProjectInfoNode() {
  QTreeWidgetItem* node = ProjectInfoNode();
  if (!node) return;
  const TMorvikGraphic* element = NodeElement(node);
  if (NodeOf(element) == node)
    RemoveNode(element);
  else
    delete node;
}

// Finding and locating ---------------------------------------------------------------------

void TfrmBrowser::ShowElement(const ui::TComponent* Element) {
  QTreeWidgetItem* node = NodeOf(Element);
  if (!node) return;
  tvComponents->setCurrentItem(node);
  tvComponents->scrollToItem(node);
  tvComponents->setFocus();
}

bool TfrmBrowser::LocateNode(QTreeWidgetItem* Node) {
  TMorvikGraphic* element = NodeElement(Node);
  if (!element) return false;
  if (auto* entryPoint = dynamic_cast<TEntryPoint*>(element)) {
    element = entryPoint->Entity();
    if (!element) return false;
  }
  FHost->LocateElement(element);
  return true;
}

bool TfrmBrowser::IsOnItem(QTreeWidgetItem* Node, const QPoint& Pos) const {
  if (!Node) return false;
  const QRect cell = tvComponents->visualItemRect(Node);
  const int iconWidth = tvComponents->iconSize().isValid() ? tvComponents->iconSize().width() : 16;
  const int right =
      cell.left() + iconWidth + 8 + tvComponents->fontMetrics().horizontalAdvance(Node->text(0));
  return cell.contains(Pos) && Pos.x() <= right;
}

// Events ---------------------------------------------------------------------------------

void TfrmBrowser::tvComponentsDblClick(const QPoint& Pos) {
  QTreeWidgetItem* node = tvComponents->itemAt(Pos);
  if (IsOnItem(node, Pos)) LocateNode(node);
}

void TfrmBrowser::tvComponentsKeyPress(int Key) {
  if (Key == Qt::Key_Return || Key == Qt::Key_Enter) LocateNode(tvComponents->currentItem());
}

void TfrmBrowser::tvComponentsContextPopup(const QPoint& Pos) {
  QTreeWidgetItem* node = tvComponents->itemAt(Pos);
  if (!IsOnItem(node, Pos)) return;
  tvComponents->setCurrentItem(node);
  if (!LocateNode(node)) return;
  TMorvikGraphic* element = NodeElement(node);
  if (dynamic_cast<TEntryPoint*>(element)) return;
  FHost->PopupElementMenu(element, tvComponents->viewport()->mapToGlobal(Pos));
}

void TfrmBrowser::tvComponentsCustomDrawItem(const QModelIndex& Index, QStyleOptionViewItem* Option) const {
  if (Option->state & QStyle::State_Selected) return;
  const QModelIndex group = Index.parent();
  if (!group.isValid() || group.parent().isValid() || group.row() != grEntities) return;
  if (Index.data(Qt::DisplayRole).toString().isEmpty()) return;
  const auto* entity = dynamic_cast<const TEntity*>(
      reinterpret_cast<TMorvikGraphic*>(Index.data(ElementRole).value<quintptr>()));
  if (entity && !entity->Valid()) {
    Option->palette.setColor(QPalette::Text, Qt::red);
    Option->palette.setColor(QPalette::WindowText, Qt::red);
  }
}

bool TfrmBrowser::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == tvComponents->viewport() && Event->type() == QEvent::MouseButtonDblClick) {
    const QPoint pos = static_cast<QMouseEvent*>(Event)->position().toPoint();
    ui::Guarded([&] { tvComponentsDblClick(pos); }, windowTitle());
  } else if (Watched == tvComponents && Event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(Event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ui::Guarded([&] { tvComponentsKeyPress(key); }, windowTitle());
      return true;
    }
  }
  return TfrmAbstract::eventFilter(Watched, Event);
}

void TfrmBrowser::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Escape) {
    Event->ignore();
    return;
  }
  TfrmAbstract::keyPressEvent(Event);
}

void TfrmBrowser::hideEvent(QHideEvent* Event) {
  TfrmAbstract::hideEvent(Event);
  // Only a hide of the browser itself undocks it, not one of the window around it.
  if (isHidden() && !isWindow()) ui::Guarded([this] { FormHide(); }, windowTitle());
}

void TfrmBrowser::FormHide() {
  UndockWindow(this, FOwnerWindow);
  FHost->DockedWindowHidden(this);
}
