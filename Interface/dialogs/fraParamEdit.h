// The parameter editor: the parameters of one parameter object as a tree, list items added
// and deleted in place, and the selected scalar edited with the editor of its value type.
// Disabled parameters are grey and not editable. A value goes into the object only when the
// user changed it, so browsing leaves every value as it was.
#pragma once

#include "Interface/MorvikInterface.h"

#include <QFrame>
#include <QIcon>

#include <array>

namespace Morvik {
class TCheckRecord;
}

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

class TfraParamEdit : public QFrame {
  Q_OBJECT
public:
  // Node kinds, which are also the indexes of the node pictures.
  enum TNodeKind {
    nkScalar = 0,
    nkList = 1,
    nkItem = 2
  };

  explicit TfraParamEdit(QWidget* Parent = nullptr);

  // Shows Object (not owned; it must outlive its use here), every node expanded and the
  // first node selected. Null shows nothing.
  void SetParamObject(Morvik::TParamObject* Object);
  Morvik::TParamObject* ParamObject() const { return FRoot; }
  // An object is shown and it has no parameters at all.
  bool IsEmpty() const;
  // Selects the place that Record describes from its level Level on, below Node (null: the
  // top level), and puts the focus into the editor. A level that names no node stops there.
  void SelectLocation(const Morvik::TCheckRecord* Record, int Level, QTreeWidgetItem* Node = nullptr);

  // Components.
  QFrame* pnBack;
  QFrame* pnLeft;
  QToolBar* ToolBar1;
  QTreeWidget* tvParam;
  QSplitter* Splitter1;
  QFrame* pnParam;
  QLabel* lParamName;
  QLineEdit* edString;
  QLineEdit* edNumber;
  QCheckBox* chbxBoolean;
  QListWidget* lbxList;
  QPlainTextEdit* mmMemo;
  QLabel* lHelp;
  QAction* acNew;
  QAction* acDelete;
  QAction* acCollapse;
  QAction* acExpand;
  QMenu* mnuVector;
  QMenu* mnuParamObject;

  // Node data.
  static TNodeKind NodeKind(const QTreeWidgetItem* Node);
  static bool NodeDisabled(const QTreeWidgetItem* Node);
  // The position of a scalar or list node in its object.
  static int NodePosition(const QTreeWidgetItem* Node);
  // The object of an item node.
  static Morvik::TParamObject* NodeItem(const QTreeWidgetItem* Node);
  // The object a scalar or list node belongs to: its item, or the shown object.
  Morvik::TParamObject* OwnerOf(const QTreeWidgetItem* Node) const;

  // Event handlers.
  void tvParamChange(QTreeWidgetItem* Current, QTreeWidgetItem* Previous);
  void tvParamContextPopup(const QPoint& Pos);
  void ComponentChange();
  void edNumberChange();
  void acNewExecute();
  void acDeleteExecute();
  void acCollapseExecute();
  void acExpandExecute();
  // Enables New and Delete for the selected node.
  void UpdateActions();
  // Moves the selection out of a closed branch to the closed node that hides it.
  void KeepSelectionShown();

private:
  void BuildNodes(QTreeWidgetItem* Parent, Morvik::TParamObject* Object);
  QTreeWidgetItem* AddNode(QTreeWidgetItem* Parent, TNodeKind Kind, const QString& Text);
  // The enabled state of every parameter node below Parent (null: the top level).
  void UpdateStates(QTreeWidgetItem* Parent, Morvik::TParamObject* Object, bool DependentOnly);
  void SetDisabled(QTreeWidgetItem* Node, bool Disabled);
  QTreeWidgetItem* ParamNode(QTreeWidgetItem* Parent, int Pos) const;
  static QString ScalarText(const Morvik::TParamObject* Object, int Idx);
  static QString ItemText(const Morvik::TParamObject* Owner, int ListIdx, const Morvik::TParamObject* Item);
  void HideEditors();
  void ShowEditor(QTreeWidgetItem* Node);
  // Writes the shown editor's value into the object, when the user changed it.
  void StoreValue();
  void FocusEditor();

  Morvik::TParamObject* FRoot = nullptr;
  // Set while the tree is being emptied: selection changes are ignored.
  bool FClearing = false;
  // Set while the frame itself fills an editor: its change signals are not the user's.
  bool FLoading = false;
  // The scalar node whose editor is shown, and whether the user changed that editor.
  QTreeWidgetItem* FShownNode = nullptr;
  bool FEdited = false;
  std::array<QIcon, 3> ilIcons;
};
