#include "Interface/dialogs/fraParamEdit.h"

#include "editor/PluginText.h"

#include "Interface/edit/CheckRecord.h"
#include "Interface/edit/ParamFunctions.h"
#include "ui/Exception.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>

static void InitParamEditResources() { Q_INIT_RESOURCE(fraParamEdit); }

using namespace Morvik;

namespace {

constexpr int KindRole = Qt::UserRole;
constexpr int DataRole = Qt::UserRole + 1;
constexpr int StateRole = Qt::UserRole + 2;

const QString ValueSeparator = QStringLiteral(" = ");

QAction* MakeAction(QObject* Owner, const char* Name, const QString& Caption, const QString& Hint,
                    const QString& Icon) {
  auto* action = new QAction(QIcon(Icon), Caption, Owner);
  action->setObjectName(QString::fromLatin1(Name));
  action->setToolTip(Hint);
  action->setStatusTip(Hint);
  return action;
}

void ExpandAll(QTreeWidgetItem* Node) {
  Node->setExpanded(true);
  for (int i = 0; i < Node->childCount(); ++i) ExpandAll(Node->child(i));
}

// The node itself when every node above it is open, else the outermost closed one above it.
QTreeWidgetItem* ShownNode(QTreeWidgetItem* Node) {
  QTreeWidgetItem* shown = Node;
  for (QTreeWidgetItem* above = Node ? Node->parent() : nullptr; above; above = above->parent())
    if (!above->isExpanded()) shown = above;
  return shown;
}

} // namespace

TfraParamEdit::TfraParamEdit(QWidget* Parent) : QFrame(Parent) {
  InitParamEditResources();
  setObjectName(QStringLiteral("fraParamEdit"));
  ilIcons = {QIcon(QStringLiteral(":/paramedit/param_scalar.png")),
             QIcon(QStringLiteral(":/paramedit/param_list.png")),
             QIcon(QStringLiteral(":/paramedit/param_item.png"))};

  acNew = MakeAction(this, "acNew", QStringLiteral("&Nový"), QStringLiteral("Nová položka"),
                     QStringLiteral(":/paramedit/new.png"));
  acNew->setShortcut(QKeySequence(Qt::Key_Insert));
  acDelete = MakeAction(this, "acDelete", QStringLiteral("&Smazat"), QStringLiteral("Smazání položky"),
                        QStringLiteral(":/paramedit/delete.png"));
  acDelete->setShortcut(QKeySequence(Qt::Key_Delete));
  acCollapse =
      MakeAction(this, "acCollapse", QStringLiteral("&Zabalit"), QStringLiteral("Zabalení celé struktury"),
                 QStringLiteral(":/paramedit/collapse.png"));
  acExpand = MakeAction(this, "acExpand", QStringLiteral("&Rozbalit"),
                        QStringLiteral("Rozbalení celé struktury"), QStringLiteral(":/paramedit/expand.png"));
  ui::GuardedConnect(
      acNew, &QAction::triggered, this, [this] { acNewExecute(); }, ui::TFailureTitle::Context);
  ui::GuardedConnect(
      acDelete, &QAction::triggered, this, [this] { acDeleteExecute(); }, ui::TFailureTitle::Context);
  ui::GuardedConnect(
      acCollapse, &QAction::triggered, this, [this] { acCollapseExecute(); }, ui::TFailureTitle::Context);
  ui::GuardedConnect(
      acExpand, &QAction::triggered, this, [this] { acExpandExecute(); }, ui::TFailureTitle::Context);

  pnBack = new QFrame(this);
  pnBack->setObjectName(QStringLiteral("pnBack"));
  auto* backLayout = new QHBoxLayout(this);
  backLayout->setContentsMargins(0, 0, 0, 0);
  backLayout->addWidget(pnBack);

  Splitter1 = new QSplitter(Qt::Horizontal, pnBack);
  Splitter1->setObjectName(QStringLiteral("Splitter1"));
  Splitter1->setChildrenCollapsible(false);
  auto* splitLayout = new QHBoxLayout(pnBack);
  splitLayout->setContentsMargins(0, 0, 0, 0);
  splitLayout->addWidget(Splitter1);

  pnLeft = new QFrame(Splitter1);
  pnLeft->setObjectName(QStringLiteral("pnLeft"));
  pnLeft->setMinimumWidth(20);
  ToolBar1 = new QToolBar(pnLeft);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->addAction(acExpand);
  ToolBar1->addAction(acCollapse);
  ToolBar1->addAction(acNew);
  ToolBar1->addAction(acDelete);
  tvParam = new QTreeWidget(pnLeft);
  tvParam->setObjectName(QStringLiteral("tvParam"));
  tvParam->setHeaderHidden(true);
  tvParam->setColumnCount(1);
  tvParam->setIndentation(19);
  tvParam->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tvParam->setSelectionMode(QAbstractItemView::SingleSelection);
  tvParam->setContextMenuPolicy(Qt::CustomContextMenu);
  // New and Delete answer their keys while the tree has the focus, so that the keys keep
  // their meaning in the editors.
  for (QAction* action : {acNew, acDelete}) {
    action->setShortcutContext(Qt::WidgetShortcut);
    tvParam->addAction(action);
  }
  auto* leftLayout = new QVBoxLayout(pnLeft);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->setSpacing(0);
  leftLayout->addWidget(ToolBar1);
  leftLayout->addWidget(tvParam);

  pnParam = new QFrame(Splitter1);
  pnParam->setObjectName(QStringLiteral("pnParam"));
  pnParam->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pnParam->setMinimumWidth(20);
  lParamName = new QLabel(QStringLiteral("Název parametru:"), pnParam);
  lParamName->setObjectName(QStringLiteral("lParamName"));
  edString = new QLineEdit(pnParam);
  edString->setObjectName(QStringLiteral("edString"));
  edNumber = new QLineEdit(pnParam);
  edNumber->setObjectName(QStringLiteral("edNumber"));
  chbxBoolean = new QCheckBox(pnParam);
  chbxBoolean->setObjectName(QStringLiteral("chbxBoolean"));
  lbxList = new QListWidget(pnParam);
  lbxList->setObjectName(QStringLiteral("lbxList"));
  lbxList->setSelectionMode(QAbstractItemView::SingleSelection);
  mmMemo = new QPlainTextEdit(pnParam);
  mmMemo->setObjectName(QStringLiteral("mmMemo"));
  lHelp = new QLabel(pnParam);
  lHelp->setObjectName(QStringLiteral("lHelp"));
  lHelp->setWordWrap(true);
  lHelp->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  // The list and the memo take half of the panel below the name, the help the other half.
  auto* paramLayout = new QVBoxLayout(pnParam);
  paramLayout->addWidget(lParamName);
  paramLayout->addWidget(edString);
  paramLayout->addWidget(edNumber);
  paramLayout->addWidget(chbxBoolean);
  paramLayout->addWidget(lbxList, 1);
  paramLayout->addWidget(mmMemo, 1);
  paramLayout->addStretch(0);
  paramLayout->addWidget(lHelp, 1);
  HideEditors();

  Splitter1->addWidget(pnLeft);
  Splitter1->addWidget(pnParam);
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setSizes({209, 200});

  mnuVector = new QMenu(this);
  mnuVector->setObjectName(QStringLiteral("mnuVector"));
  mnuVector->addAction(acNew);
  mnuParamObject = new QMenu(this);
  mnuParamObject->setObjectName(QStringLiteral("mnuParamObject"));
  mnuParamObject->addAction(acDelete);

  ui::GuardedConnect(
      tvParam, &QTreeWidget::currentItemChanged, this,
      [this](QTreeWidgetItem* Current, QTreeWidgetItem* Previous) { tvParamChange(Current, Previous); },
      ui::TFailureTitle::Context);
  ui::GuardedConnect(
      tvParam, &QTreeWidget::itemCollapsed, this, [this] { KeepSelectionShown(); },
      ui::TFailureTitle::Context);
  ui::GuardedConnect(
      tvParam, &QWidget::customContextMenuRequested, this,
      [this](const QPoint& Pos) { tvParamContextPopup(Pos); }, ui::TFailureTitle::Context);
  // Only changes the user makes count; the frame's own filling is screened by FLoading.
  ui::GuardedConnect(
      edString, &QLineEdit::textEdited, this, [this] { ComponentChange(); }, ui::TFailureTitle::Context);
  ui::GuardedConnect(
      edNumber, &QLineEdit::textEdited, this, [this] { edNumberChange(); }, ui::TFailureTitle::Context);
  ui::GuardedConnect(
      chbxBoolean, &QCheckBox::toggled, this, [this] { ComponentChange(); }, ui::TFailureTitle::Context);
  ui::GuardedConnect(
      lbxList, &QListWidget::currentRowChanged, this, [this] { ComponentChange(); },
      ui::TFailureTitle::Context);
  ui::GuardedConnect(
      mmMemo, &QPlainTextEdit::textChanged, this, [this] { ComponentChange(); }, ui::TFailureTitle::Context);
  UpdateActions();
}

// Node data ------------------------------------------------------------------------------

TfraParamEdit::TNodeKind TfraParamEdit::NodeKind(const QTreeWidgetItem* Node) {
  return static_cast<TNodeKind>(Node->data(0, KindRole).toInt());
}

bool TfraParamEdit::NodeDisabled(const QTreeWidgetItem* Node) {
  return Node->data(0, StateRole).toInt() == 1;
}

int TfraParamEdit::NodePosition(const QTreeWidgetItem* Node) { return Node->data(0, DataRole).toInt(); }

TParamObject* TfraParamEdit::NodeItem(const QTreeWidgetItem* Node) {
  return reinterpret_cast<TParamObject*>(Node->data(0, DataRole).value<quintptr>());
}

TParamObject* TfraParamEdit::OwnerOf(const QTreeWidgetItem* Node) const {
  return Node->parent() ? NodeItem(Node->parent()) : FRoot;
}

QTreeWidgetItem* TfraParamEdit::ParamNode(QTreeWidgetItem* Parent, int Pos) const {
  if (Pos < 0) return nullptr;
  return Parent ? Parent->child(Pos) : tvParam->topLevelItem(Pos);
}

// Building --------------------------------------------------------------------------------

void TfraParamEdit::SetParamObject(TParamObject* Object) {
  FClearing = true;
  FShownNode = nullptr;
  FEdited = false;
  tvParam->clear();
  FClearing = false;
  HideEditors();
  FRoot = Object;
  if (FRoot) {
    BuildNodes(nullptr, FRoot);
    tvParam->expandAll();
    if (tvParam->topLevelItemCount() > 0) tvParam->setCurrentItem(tvParam->topLevelItem(0));
  }
  UpdateActions();
}

bool TfraParamEdit::IsEmpty() const {
  return FRoot && FRoot->GetParamCount() == 0 && FRoot->GetListParamCount() == 0;
}

QTreeWidgetItem* TfraParamEdit::AddNode(QTreeWidgetItem* Parent, TNodeKind Kind, const QString& Text) {
  auto* node = new QTreeWidgetItem(QStringList{Text});
  node->setData(0, KindRole, static_cast<int>(Kind));
  node->setData(0, StateRole, 0);
  node->setIcon(0, ilIcons[static_cast<size_t>(Kind)]);
  if (Parent)
    Parent->addChild(node);
  else
    tvParam->addTopLevelItem(node);
  return node;
}

QString TfraParamEdit::ScalarText(const TParamObject* Object, int Idx) {
  const TParamInfo* info = Object->GetParam(Idx);
  const QString value = FromPlugin(Object->GetParamValue(Idx));
  QString text;
  switch (info->GetType()) {
    case ptString: text = QLatin1Char('"') + value + QLatin1Char('"'); break;
    case ptNumber: text = value; break;
    case ptBoolean:
      text = value == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
      break;
    case ptEnum: {
      const int n = TextToInt(Object->GetParamValue(Idx));
      if (n >= 0 && n < info->GetOptionCount()) text = FromPlugin(info->GetOption(n));
      break;
    }
    case ptMemo:
      if (!value.isEmpty()) text = QStringLiteral("...");
      break;
    default: break;
  }
  return FromPlugin(info->GetName()) + ValueSeparator + text;
}

QString TfraParamEdit::ItemText(const TParamObject* Owner, int ListIdx, const TParamObject* Item) {
  const TListParamInfo* info = Owner->GetListParamInfo(ListIdx);
  const int naming = info->GetItemNameParam();
  if (naming >= 0 && naming < Item->GetParamCount()) {
    const QString value = FromPlugin(Item->GetParamValue(naming));
    if (!value.isEmpty()) return value;
  }
  return FromPlugin(info->GetName());
}

void TfraParamEdit::BuildNodes(QTreeWidgetItem* Parent, TParamObject* Object) {
  const int count = Object->GetParamCount() + Object->GetListParamCount();
  for (int p = 0; p < count; ++p) {
    const int k = Object->GetKindIndex(p);
    if (Object->GetParamKind(p) == pkScalar) {
      AddNode(Parent, nkScalar, ScalarText(Object, k))->setData(0, DataRole, p);
      continue;
    }
    QTreeWidgetItem* listNode = AddNode(Parent, nkList, FromPlugin(Object->GetListParamInfo(k)->GetName()));
    listNode->setData(0, DataRole, p);
    TListParam* list = Object->GetListParam(k);
    for (int j = 0; j < list->GetItemsCount(); ++j) {
      TParamObject* item = list->GetItem(j);
      QTreeWidgetItem* itemNode = AddNode(listNode, nkItem, ItemText(Object, k, item));
      itemNode->setData(0, DataRole, QVariant::fromValue(reinterpret_cast<quintptr>(item)));
      BuildNodes(itemNode, item);
    }
  }
  UpdateStates(Parent, Object, true);
}

void TfraParamEdit::UpdateStates(QTreeWidgetItem* Parent, TParamObject* Object, bool DependentOnly) {
  const int count = Object->GetParamCount() + Object->GetListParamCount();
  for (int p = 0; p < count; ++p) {
    if (DependentOnly && Object->GetDependParam(p) == -1) continue;
    if (QTreeWidgetItem* node = ParamNode(Parent, p)) SetDisabled(node, !IsParamEnabled(Object, p));
  }
}

void TfraParamEdit::SetDisabled(QTreeWidgetItem* Node, bool Disabled) {
  Node->setData(0, StateRole, Disabled ? 1 : 0);
  if (Disabled)
    Node->setForeground(0, tvParam->palette().brush(QPalette::Disabled, QPalette::Text));
  else
    Node->setData(0, Qt::ForegroundRole, QVariant());
}

// Editors --------------------------------------------------------------------------------

void TfraParamEdit::HideEditors() {
  for (QWidget* editor :
       std::initializer_list<QWidget*>{lParamName, edString, edNumber, chbxBoolean, lbxList, mmMemo})
    editor->hide();
  lHelp->clear();
}

void TfraParamEdit::tvParamChange(QTreeWidgetItem* Current, QTreeWidgetItem* Previous) {
  if (FClearing) return;
  // Leaving a node first keeps what the user typed there.
  StoreValue();
  FShownNode = nullptr;
  FEdited = false;
  HideEditors();
  UpdateActions();
  if (!Current || NodeKind(Current) != nkScalar || NodeDisabled(Current)) return;
  ShowEditor(Current);
}

void TfraParamEdit::ShowEditor(QTreeWidgetItem* Node) {
  const TParamObject* owner = OwnerOf(Node);
  const int k = owner->GetKindIndex(NodePosition(Node));
  const TParamInfo* info = owner->GetParam(k);
  const char* value = owner->GetParamValue(k);
  const QString name = Node->text(0).section(ValueSeparator, 0, 0);
  FLoading = true;
  lHelp->setText(FromPlugin(info->GetHelp()));
  switch (info->GetType()) {
    case ptString:
      lParamName->setText(name + QLatin1Char(':'));
      lParamName->show();
      edString->setText(FromPlugin(value));
      edString->show();
      break;
    case ptNumber:
      lParamName->setText(name + QLatin1Char(':'));
      lParamName->show();
      edNumber->setText(FromPlugin(value));
      edNumber->show();
      break;
    case ptBoolean:
      chbxBoolean->setText(name);
      chbxBoolean->setChecked(std::string_view(value ? value : "") == "1");
      chbxBoolean->show();
      break;
    case ptEnum: {
      lParamName->setText(name + QLatin1Char(':'));
      lParamName->show();
      lbxList->clear();
      for (int i = 0; i < info->GetOptionCount(); ++i) lbxList->addItem(FromPlugin(info->GetOption(i)));
      const int n = TextToInt(value);
      lbxList->setCurrentRow(n >= 0 && n < lbxList->count() ? n : -1);
      lbxList->show();
      break;
    }
    case ptMemo:
      lParamName->setText(name + QLatin1Char(':'));
      lParamName->show();
      mmMemo->setPlainText(FromPlugin(value));
      mmMemo->show();
      break;
    default: break;
  }
  FLoading = false;
  FShownNode = Node;
  FEdited = false;
}

void TfraParamEdit::ComponentChange() {
  if (FLoading || FClearing || !FShownNode) return;
  FEdited = true;
  StoreValue();
}

void TfraParamEdit::edNumberChange() {
  const QString text = edNumber->text();
  QString kept;
  for (const QChar c : text)
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c == QLatin1Char('-') && kept.isEmpty()))
      kept += c;
  if (kept.size() < text.size()) {
    const int caret = edNumber->cursorPosition();
    edNumber->setText(kept);
    edNumber->setCursorPosition(std::min<int>(caret, static_cast<int>(kept.size())));
  }
  ComponentChange();
}

void TfraParamEdit::StoreValue() {
  QTreeWidgetItem* node = FShownNode;
  if (FClearing || !node || !FEdited || NodeKind(node) != nkScalar || NodeDisabled(node)) return;
  TParamObject* owner = OwnerOf(node);
  const int k = owner->GetKindIndex(NodePosition(node));
  const std::string old = owner->GetParamValue(k) ? owner->GetParamValue(k) : "";
  QString value;
  switch (owner->GetParam(k)->GetType()) {
    case ptString: value = edString->text(); break;
    case ptNumber: value = edNumber->text(); break;
    case ptBoolean: value = chbxBoolean->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); break;
    case ptEnum: value = QString::number(lbxList->currentRow()); break;
    case ptMemo:
      value = mmMemo->toPlainText();
      // A memo written with CR LF line ends keeps them.
      if (old.find("\r\n") != std::string::npos) value.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
      break;
    default: return;
  }
  const QByteArray stored = value.toUtf8();
  if (old == stored.constData()) return;
  owner->SetParamValue(k, stored.constData());
  node->setText(0, ScalarText(owner, k));

  // An item named by this parameter takes the new name.
  QTreeWidgetItem* itemNode = node->parent();
  QTreeWidgetItem* listNode = itemNode ? itemNode->parent() : nullptr;
  if (listNode) {
    const TParamObject* listOwner = OwnerOf(listNode);
    const int listIdx = listOwner->GetKindIndex(NodePosition(listNode));
    if (listOwner->GetListParamInfo(listIdx)->GetItemNameParam() == k)
      itemNode->setText(0, ItemText(listOwner, listIdx, owner));
  }
  UpdateStates(node->parent(), owner, false);
  UpdateActions();
}

void TfraParamEdit::FocusEditor() {
  for (QWidget* editor : std::initializer_list<QWidget*>{chbxBoolean, edString, edNumber, mmMemo, lbxList}) {
    if (editor->isVisibleTo(this) && editor->isEnabled()) {
      editor->setFocus();
      return;
    }
  }
}

// Actions --------------------------------------------------------------------------------

void TfraParamEdit::UpdateActions() {
  const QTreeWidgetItem* node = tvParam->currentItem();
  const bool usable = node && !NodeDisabled(node);
  acNew->setEnabled(usable && NodeKind(node) == nkList);
  acDelete->setEnabled(usable && NodeKind(node) == nkItem);
}

void TfraParamEdit::acNewExecute() {
  QTreeWidgetItem* listNode = tvParam->currentItem();
  if (!listNode || NodeKind(listNode) != nkList || NodeDisabled(listNode)) return;
  TParamObject* owner = OwnerOf(listNode);
  const int k = owner->GetKindIndex(NodePosition(listNode));
  TParamObject* item = owner->GetListParam(k)->AddItem();
  QTreeWidgetItem* itemNode = AddNode(listNode, nkItem, FromPlugin(owner->GetListParamInfo(k)->GetName()));
  itemNode->setData(0, DataRole, QVariant::fromValue(reinterpret_cast<quintptr>(item)));
  BuildNodes(itemNode, item);
  ExpandAll(listNode);
  UpdateActions();
}

void TfraParamEdit::acDeleteExecute() {
  QTreeWidgetItem* itemNode = tvParam->currentItem();
  if (!itemNode || NodeKind(itemNode) != nkItem || NodeDisabled(itemNode)) return;
  QTreeWidgetItem* listNode = itemNode->parent();
  TParamObject* owner = OwnerOf(listNode);
  const int k = owner->GetKindIndex(NodePosition(listNode));
  owner->GetListParam(k)->DeleteItem(listNode->indexOfChild(itemNode));
  tvParam->setCurrentItem(listNode);
  delete itemNode;
  UpdateActions();
}

void TfraParamEdit::acCollapseExecute() {
  tvParam->collapseAll();
  KeepSelectionShown();
}

void TfraParamEdit::KeepSelectionShown() {
  // Delete and the editor act on the selection, which must not be out of sight.
  QTreeWidgetItem* current = tvParam->currentItem();
  QTreeWidgetItem* shown = ShownNode(current);
  if (shown != current) tvParam->setCurrentItem(shown);
}

void TfraParamEdit::acExpandExecute() { tvParam->expandAll(); }

void TfraParamEdit::tvParamContextPopup(const QPoint& Pos) {
  QTreeWidgetItem* node = tvParam->itemAt(Pos);
  if (!node) return;
  tvParam->setCurrentItem(node);
  const QPoint global = tvParam->viewport()->mapToGlobal(Pos);
  if (NodeKind(node) == nkList)
    mnuVector->popup(global);
  else if (NodeKind(node) == nkItem)
    mnuParamObject->popup(global);
}

// Locations ------------------------------------------------------------------------------

void TfraParamEdit::SelectLocation(const TCheckRecord* Record, int Level, QTreeWidgetItem* Node) {
  if (tvParam->isVisible()) tvParam->setFocus();
  if (!Record || Level < 0 || Level >= Record->LevelCount()) return;
  switch (Record->LevelType(Level)) {
    case TCheckRecord::ltParam: {
      QTreeWidgetItem* target = ParamNode(Node, Record->LevelIndex(Level));
      if (!target) return;
      tvParam->setCurrentItem(target);
      if (NodeKind(target) == nkList) {
        if (Level + 1 >= Record->LevelCount() || Record->LevelType(Level + 1) != TCheckRecord::ltListItem)
          return;
        const int itemIdx = Record->LevelIndex(Level + 1);
        if (itemIdx < 0 || itemIdx >= target->childCount()) return;
        QTreeWidgetItem* itemNode = target->child(itemIdx);
        tvParam->setCurrentItem(itemNode);
        SelectLocation(Record, Level + 2, itemNode);
      } else if (NodeKind(target) == nkScalar) {
        FocusEditor();
      }
      return;
    }
    case TCheckRecord::ltObject: FocusEditor(); return;
    default: return;
  }
}
