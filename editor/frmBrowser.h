// The component browser of one schema window: a tree of the schema's entities, entry
// points, notes, free text labels, complete relations and the project-information block,
// one group node per kind. Double click or Enter on a node shows and selects its element on
// the desktop; the right button also opens the element's pop-up menu. The code that adds,
// renames or deletes an element keeps the tree up to date through the operations below;
// an element must leave the tree before it is freed. Within a run of removals a removed node
// lets go of its element at once and leaves its group when the run ends, with the group's
// other removed nodes.
#pragma once

#include "editor/NodeRows.h"
#include "ui/PointerTable.h"
#include "ui/frmAbstract.h"

#include <QIcon>

#include <array>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class QStyleOptionViewItem;
class TBrowserHost;
class TEntity;
class TEntryPoint;
class TMorvikGraphic;
class TNote;
class TProjectInfo;
class TRelation;
class TTextLabel;
namespace ui {
class TComponent;
}

class TfrmBrowser : public TfrmAbstract {
  Q_OBJECT
public:
  // The group nodes, in their order at the top level.
  enum TGroup {
    grEntities = 0,
    grEntryPoints = 1,
    grNotes = 2,
    grTextLabels = 3,
    grRelations = 4
  };
  // Picture indexes.
  enum TImage {
    imEntity = 0,
    imEntryPoint = 1,
    imNote = 2,
    imProjectInfo = 3,
    imRelation = 4,
    imTextLabel = 5
  };

  // Parent: the schema window, which owns the browser.
  TfrmBrowser(TBrowserHost* Host, QWidget* Parent = nullptr);

  QTreeWidget* tvComponents;

  void AddEntityNode(TEntity* Entity);
  void RemoveEntityNode(TEntity* Entity);
  // Also renews the node of the entity's entry point.
  void UpdateEntityNode(TEntity* Entity);
  void AddEntryPointNode(TEntryPoint* EntryPoint);
  void RemoveEntryPointNode(TEntryPoint* EntryPoint);
  void AddNoteNode(TNote* Note);
  void RemoveNoteNode(TNote* Note);
  void UpdateNoteNode(TNote* Note);
  // Free labels (Tag 0) only; relation labels are not listed.
  void AddTextLabelNode(TTextLabel* TextLabel);
  void RemoveTextLabelNode(TTextLabel* TextLabel);
  void UpdateTextLabelNode(TTextLabel* TextLabel);
  // Complete relations (both ends entities) only.
  void AddRelationNode(TRelation* Relation);
  void RemoveRelationNode(TRelation* Relation);
  // Also renews the nodes of the entities at both ends: the relation dialog opens their
  // dialogs, which may have renamed them.
  void UpdateRelationNode(TRelation* Relation);
  void AddProjectInfoNode(TProjectInfo* ProjectInfo);
  void RemoveProjectInfoNode();

  // A run of removals (runs nest; the outermost one counts): until it ends, a removed
  // element's node no longer knows its element (NodeElement gives null) but stays in its
  // group; the end takes every such node out, keeping the order of the rest, and keeps the
  // tree's current and selected nodes that stay. A current node that goes hands over to the
  // next node that stays, else the previous one, else its group, as a single removal does.
  void BeginRemovals() { ++FRemovalRuns; }
  void EndRemovals();

  // Selects the node of Element and gives the tree the focus; nothing when it has none.
  void ShowElement(const ui::TComponent* Element);
  // Shows the node's element (an entry point's entity) on the desktop and selects it there;
  // false for no node or a group node.
  bool LocateNode(QTreeWidgetItem* Node);

  // The group node of a kind, and the node of an element (null when it has none).
  QTreeWidgetItem* GroupNode(TGroup Group) const;
  QTreeWidgetItem* ProjectInfoNode() const;
  QTreeWidgetItem* NodeOf(const ui::TComponent* Element) const;
  static TMorvikGraphic* NodeElement(const QTreeWidgetItem* Node);

  // Node texts.
  static QString EntityText(const TEntity* Entity);
  static QString EntryPointText(const TEntryPoint* EntryPoint);
  // The note's text trimmed, line breaks as blanks, at most 20 characters.
  static QString NoteText(const TNote* Note);
  static QString RelationText(const TRelation* Relation);

  // Event handlers; positions in the tree's viewport.
  void tvComponentsDblClick(const QPoint& Pos);
  void tvComponentsKeyPress(int Key);
  void tvComponentsContextPopup(const QPoint& Pos);
  // A node of the entities group whose entity is not valid is drawn red, unless selected.
  void tvComponentsCustomDrawItem(const QModelIndex& Index, QStyleOptionViewItem* Option) const;
  void FormHide();

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void hideEvent(QHideEvent* Event) override;
  // Esc does not close a docked window.
  void keyPressEvent(QKeyEvent* Event) override;

private:
  class TNode;
  // A removed node still in its group, with its number there.
  struct TRemovedNode {
    TNode* Node;
    int Number;
    int Row;
  };

  QTreeWidgetItem* AddNode(QTreeWidgetItem* Parent, TImage Image, const QString& Text,
                           TMorvikGraphic* Element);
  void RemoveNode(const ui::TComponent* Element);
  // Takes the removed nodes of a group out: one by one from the last up, or the whole group
  // out at once and the rest back in, whichever costs less.
  void TakeOutRemoved(TGroup Group);
  void TakeOutOneByOne(TGroup Group, const std::vector<TRemovedNode>& Removed);
  void TakeOutTogether(TGroup Group);
  void SetNodeText(const ui::TComponent* Element, const QString& Text);
  // The node's item proper (picture and text) holds Pos.
  bool IsOnItem(QTreeWidgetItem* Node, const QPoint& Pos) const;

  TBrowserHost* FHost;
  QWidget* FOwnerWindow;
  std::array<QIcon, 6> imlBrowser;
  // Every element node by its element, with its group (-1: the top level) and its number
  // there: finding and removing a node take the same time whatever the size of the schema.
  struct TNodeRef {
    TNode* Node;
    int Group;
    int Number;
  };
  std::array<TNodeRows, 5> FRows;
  ui::TPointerTable<TNodeRef> FNodes;
  int FRemovalRuns = 0;
  // The nodes of each group removed in the run under way.
  std::array<std::vector<TRemovedNode>, 5> FRemoved;
};

// A run of removals of a browser (none without one) for the life of the object.
class TNodeRemovalRun {
public:
  explicit TNodeRemovalRun(TfrmBrowser* Browser) : FBrowser(Browser) {
    if (FBrowser) FBrowser->BeginRemovals();
  }
  ~TNodeRemovalRun() {
    if (FBrowser) FBrowser->EndRemovals();
  }
  TNodeRemovalRun(const TNodeRemovalRun&) = delete;
  TNodeRemovalRun& operator=(const TNodeRemovalRun&) = delete;

private:
  TfrmBrowser* FBrowser;
};
