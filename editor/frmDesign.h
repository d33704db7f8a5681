#pragma once
// The window of one open schema: its document, the desktop in a scroll box with two rulers
// that mark printer pages, the zoom, the docking places of the component browser (left)
// and the error list (bottom), the close query and the binding to the plug-in model.
// It reaches the program around it only through its TDesignHost.

#include "editor/BrowserHost.h"
#include "editor/CreateComp.h"
#include "editor/DesignHost.h"
#include "editor/DesignMouse.h"
#include "editor/ReferenceIndex.h"
#include "editor/SchemaHost.h"
#include "editor/ZoomMemory.h"
#include "diagram/ScrolledScrollBox.h"
#include "ui/Desktop.h"
#include "ui/Types.h"

#include <QSet>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QContextMenuEvent;
class QPainter;
class QSplitter;
class TDesignHost;
class TEntity;
class TEntryPoint;
class TfrmBrowser;
class TfrmErrorBrowser;
class TMorvikGraphic;
class TNote;
class TProjectInfo;
class TRectangle;
class TResizeBox;
class TResizeLine;
class TSelectingRect;
class TTextLabel;
class TRelation;
class TRuler;
class TVisualModel;
namespace Morvik {
class TCheckRecord;
class TModel;
class TTable;
class TReference;
}

// The desktop of a schema window: tells the window of every element that goes away.
class TDesignDesktop : public ui::TDesktop {
public:
  using ui::TDesktop::TDesktop;
  std::function<void(ui::TComponent* Component)> OnRemoved;

protected:
  void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;
  // The window's own menus pop up on the mouse release; the context-menu event of the
  // windowing system stops here instead of reaching a menu of a window around.
  void contextMenuEvent(QContextMenuEvent* Event) override;
};

class TfrmDesign : public QWidget, public TSchemaHost, public TBrowserHost {
  Q_OBJECT
public:
  // Width of the left ruler and height of the top ruler.
  static constexpr int RulerSize = 17;
  static constexpr int MinZoom = 125;
  static constexpr int MaxZoom = 4000;
  // Default desktop size when the settings hold no usable value.
  static constexpr int DefaultPages = 1;
  static constexpr int DefaultWidthPix = 4000;
  static constexpr int DefaultHeightPix = 2000;

  // An empty schema window: document, desktop size and colour from the design settings,
  // zoom 100 %, the view in the middle of the desktop, not modified.
  explicit TfrmDesign(TDesignHost* Host, QWidget* Parent = nullptr);
  // Frees the browsers, the elements and the document, then the model and the library.
  ~TfrmDesign() override;

  TDesignHost* Host() const { return FHost; }

  // Components.
  QSplitter* spLeft;
  QSplitter* spBottom;
  QWidget* pnLeftDock;
  QWidget* pnBottomDock;
  QWidget* pnBack;
  TRuler* pbTopRuler;
  TRuler* pbLeftRuler;
  TScrolledScrollBox* sbxDesktop;
  // The desktop inside the scroll box: owner and parent of every element and handle.
  TDesignDesktop* Desktop;

  // The component browser (docked at the left) and the error list (docked at the bottom
  // while shown); children of this window, made by the constructor and freed first by the
  // destructor.
  TfrmBrowser* Browser = nullptr;
  TfrmErrorBrowser* ErrorBrowser = nullptr;

  // The document (owned) and the plug-in binding.
  std::unique_ptr<TVisualModel> VisualModel;
  Morvik::TModel* Model = nullptr;
  void* PluginHandle = nullptr;
  // Why the last LoadModelLibrary failed (empty after success).
  QString LoadError;

  // The selected elements.
  std::vector<TMorvikGraphic*> Selection;

  bool Modified() const { return FModified; }
  // Zoom per mille: 125, 250, 500, 1000, 2000 or 4000.
  int Zoom() const { return FZoom; }
  int DesktopWidthPix() const { return FDesktopWidthPix; }
  int DesktopHeightPix() const { return FDesktopHeightPix; }
  int DesktopWidthPag() const { return FDesktopWidthPag; }
  int DesktopHeightPag() const { return FDesktopHeightPag; }

  // Scroll ranges: the desktop size at the current zoom.
  int HorzRange() const;
  int VertRange() const;
  // Visible part of the desktop (the scroll box's client size).
  int ClientWidth() const;
  int ClientHeight() const;

  // Desktop size in pages (0 when given in pixels) and in pixels at 100 %; false, changing
  // nothing, when all four are as they were.
  bool SetDesktopSize(int PagesW, int PagesH, int PixW, int PixH);
  void ReapplyDesktopSize();
  void KeepAllInsideDesktop();
  void KeepInsideDesktop(ui::TControl* Element);
  enum TRulers {
    rulLeft,
    rulTop,
    rulBoth
  };
  void RepaintRulers(TRulers Which);
  void SetRulersVisible(bool Visible);

  // Zooms to PerMille in halving or doubling steps; the point (X, Y) of the visible part
  // becomes the centre of the view.
  void SetZoom(int PerMille, int X, int Y);
  void SetZoomCentered(int PerMille);
  void UpdateZoomCombo();

  // Stamps the document's times after a change of Kind and shows the modified state.
  void SetModified(bool Modified, TModifiedKind Kind) override;
  // With an empty FileName the schema is called Name; otherwise after the file.
  void SetFileName(const QString& FileName, const QString& Name);
  void UpdateCaption();
  // May the window close: asks whether to save a modified schema.
  bool QuerySaveChanges();
  // Saves the schema; true when it was saved. The schema-file unit gives it its body.
  virtual bool Save();
  // Reads the file FileName into the window; true on success. The schema-file unit gives
  // it its body.
  virtual bool LoadSchema();
  // The close query of the window (the save question).
  bool FormCloseQuery();
  // Closes the window (and its frame) without asking (the main window has asked already,
  // or loading failed).
  void CloseWithoutQuery();

  // Plug-in binding.
  bool BindModel(const QString& DLLFileName, const QString& DBModelName, const QString& DLLVersion);
  bool LoadModelLibrary();
  void FreeModelLibrary();
  void BindEntityToTable(TEntity* Entity, Morvik::TTable* Table) override;
  void BindRelationToReference(TRelation* Relation, Morvik::TReference* Reference) override;
  // The library file that a stored plug-in name stands for in Folder, or empty when the
  // name is no bare file name (a path, "..", an absolute path).
  static QString PluginPath(const QString& Folder, const QString& DLLFileName);

  // Docking: the first show docks the window into its panel, filling it.
  void pnLeftDockDockDrop(QWidget* Client, int Width);
  void pnLeftDockUnDock();
  void pnBottomDockDockDrop(QWidget* Client, int Height);
  void pnBottomDockUnDock();
  // Shows a hidden docked window (docking it the first time) or hides a visible one;
  // Left: the left panel, else the bottom one.
  void ToggleDockedWindow(QWidget* Window, bool Left);

  // Rulers.
  void pbTopRulerPaint(QPainter& Painter);
  void pbLeftRulerPaint(QPainter& Painter);
  // The page mark of the top ruler: "A" ... "Z", "AA", "AB", ...
  static QString PageLetter(int Index);

  void sbxDesktopScroll();
  void sbxDesktopChangedPosition(TSettingPosition Direction, int OldValue, int NewValue);

  // Reports a failure of a handler with the message box.
  void ReportError(const QString& Message);

  // ---- Schema file and clipboard --------------------------------------------------------
  // Save as when the schema has no file yet, else writes its file.
  // (Save and LoadSchema are declared above.)
  bool SaveAs();
  // Writes the schema to its file at 100 %; the zoom and the view come back afterwards, also
  // after a failure, and a failed save leaves the old file as it was. True when saved.
  bool SaveSchema();
  // The selection as clipboard text; true on success.
  bool CopyToClipboard();
  // Adds the clipboard's elements of a schema of the same plug-in model, selected; false
  // when the clipboard holds no schema data, data of another model, or the reading failed.
  bool PasteFromClipboard();
  // Copies the selection to the clipboard, then deletes it as DeleteSelection does; a copy
  // that failed deletes nothing.
  void Cut();
  // Told after the model check that follows a load or a paste.
  std::function<void()> OnModelChecked;

  // TSchemaHost: what the schema file's readers need of the window.
  ui::TDesktop* SchemaDesktop() override;
  TVisualModel& SchemaDocument() override;
  Morvik::TModel* SchemaModel() override;
  int SchemaZoom() const override;
  TElementHandlers SchemaHandlers() override;
  void AddToBrowser(TMorvikGraphic* Element) override;

  // ---- Mouse tools -----------------------------------------------------------------------
  // The mouse of this window: the tools, their dispatch and the drag under way.
  TDesignMouse& Mouse() { return *FMouse; }
  // The handlers every element and handle of this window gets (the mouse's).
  TElementHandlers ElementHandlers();

  // ---- Selection -------------------------------------------------------------------------
  void Select(TMorvikGraphic* Element);
  void Deselect(TMorvikGraphic* Element);
  void ClearSelection();
  void DeselectAllBut(TMorvikGraphic* Element);
  void SelectOnly(TMorvikGraphic* Element);
  bool HasSelection() const { return !Selection.empty(); }
  ui::TRect SelectionBounds() const;
  // The handle box of a selected rectangle element ("ResBox_" + name), or null.
  TResizeBox* ResizeBoxOf(const TRectangle* Element) const;
  // Box's bounds with what lies beyond the desktop cut off.
  ui::TRect CutToDesktop(const ui::TControl* Box) const;

  // ---- Creating elements (desktop positions) --------------------------------------------
  // A release at (X, Y) of the creation tools: the element fills the mouse's creation box,
  // or stands at the point without one; the creation box goes in every case.
  TEntity* CreateEntityAt(ui::TMouseButton Button, int X, int Y);
  TNote* CreateNoteAt(ui::TMouseButton Button, int X, int Y);
  TTextLabel* CreateTextLabelAt(ui::TMouseButton Button, int X, int Y);
  TProjectInfo* CreateProjectInfoAt(ui::TMouseButton Button, int X, int Y);
  TEntryPoint* CreateEntryPointFor(TEntity* Entity, ui::TMouseButton Button);

  // ---- Check, script, documentation and arrange --------------------------------------
  // Runs the model check into the error list, stamps the check time, shows the list when
  // there are findings and hides it when there are none; returns the summary (empty while
  // the window has no error list).
  QString CheckModel();
  // Findings of the last check.
  int ErrorCount() const;
  void CheckModelCommand();
  // Checks, asks when there are findings, generates the model's script into the document
  // and shows it; a failed generation is reported and keeps the previous script.
  void GenerateScript();
  void ShowScript();
  void DocumentationProperties();
  // Opens the generated documentation when its path names an existing local HTML file.
  void ShowDocumentation();
  // The schema-information window, filled for this window and shown modally.
  void ShowSchemeInfo();
  // The local HTML file a documentation path may open, or empty when it names none (a
  // missing file, a folder, an address, a program).
  static QString DocumentationFile(const QString& Path);
  // Asks, then re-arranges every element at 100 % from the desktop's top-left corner.
  void Arrange();
  // Lays every box of the document out within Right x Bottom (desktop positions).
  void ArrangeElements(int Right, int Bottom);

  // A new element is on the desktop and in the document (the component browser lists it).
  void ElementAdded(TMorvikGraphic* Element);
  std::function<void(TMorvikGraphic* Element)> OnElementAdded;

  // ---- Reverse engineering ----------------------------------------------------------------
  // Reads tables and references from a database through the model's reverse-engineering
  // object, source SourceIndex (nothing when -1), and mirrors the plug-in's result in the
  // diagram. Differential: the run is into this window's existing schema; the steps are
  // the same. Failures of the plug-in other than a refused login or a failed query pass
  // on, the progress window hidden and the cursor normal again.
  void ReverseEngineer(int SourceIndex, bool Differential);
  // Deletes a relation with its label; its reference is deleted from the model unless the
  // plug-in has dropped it or the model no longer holds it.
  void DeleteReversedRelation(TRelation* Relation);
  // Deletes an entity with its relations and entry point; its table is deleted from the
  // model unless the plug-in has dropped it.
  void DeleteReversedEntity(TEntity* Entity);
  // Places the new entities (IsNew) on the desktop.
  void PlaceNewEntities();

  // ---- Browsers, the check and the editing commands --------------------------------------
  // Lists a new element in the component browser (relation labels and incomplete relations
  // are left out by the browser).
  void AddBrowserNode(TMorvikGraphic* Element);
  // Selects the node of the one selected element (a relation label's relation).
  void FindSelectedInBrowser();

  // Deleting: the whole selection, element by element, then SetModified (true, mkModel);
  // DeleteSelectionElements alone is the deletion without the mark (Cut uses it).
  void DeleteSelection();
  void DeleteSelectionElements();
  // Each deletion takes the element's relations (and a relation its label, an entity its
  // entry point and the references of its table) with it, takes the element out of the
  // document and the browser, deletes its plug-in object and frees it.
  void DeleteEntity(TEntity* Entity);
  void DeleteAttachedRelations(TRectangle* Element);
  void DeleteRelation(TRelation* Relation);
  void DeleteNote(TNote* Note);
  void DeleteTextLabel(TTextLabel* TextLabel);
  void DeleteProjectInfo(TProjectInfo* ProjectInfo);
  void DeleteEntryPoint(TEntryPoint* EntryPoint);
  // The commands on one selected element of their kind; nothing for any other selection.
  void DeleteSelectedEntity();
  void DeleteSelectedRelation();
  void DeleteSelectedNote();
  void DeleteSelectedProjectInfo();
  void DeleteSelectedTextLabel();
  void DeleteSelectedEntryPoint();
  bool SelectedEntityHasEntryPoint() const;

  // The label of a relation between entities that shows its reference's name.
  bool CanShowRelationLabel() const;
  bool CanHideRelationLabel() const;
  void ShowRelationLabel();
  void HideRelationLabel();

  // The property commands, on one selected element of their kind (a relation's label
  // stands for its relation); each marks the change and renews the browser's node.
  bool EditSelectedEntity();
  bool EditSelectedRelation();
  bool EditSelectedNote();
  bool EditSelectedTextLabel();
  bool EditSelectedProjectInfo();
  bool EditModelProperties();
  // The dialog of Element's kind (a double click); true when it was confirmed.
  bool EditElementProperties(TMorvikGraphic* Element);
  // The relation dialog (Record: a finding to show, or null). On OK a changed name renews
  // the relation's label, an empty name hides it, and a newly named reference gets one
  // unless its label was hidden before.
  bool EditRelation(TRelation* Relation, const Morvik::TCheckRecord* Record);

  // TBrowserHost.
  TVisualModel* DesignDocument() override;
  Morvik::TModel* DesignModel() override;
  void LocateElement(TMorvikGraphic* Element) override;
  void PopupElementMenu(TMorvikGraphic* Element, const QPoint& Pos) override;
  // The pop-up menu of Element's kind (the desktop's for anything else).
  static TDesignMenu MenuOf(const TMorvikGraphic* Element);
  bool EditModelAt(const Morvik::TCheckRecord* Record) override;
  bool EditEntityAt(TEntity* Entity, const Morvik::TCheckRecord* Record) override;
  bool EditRelationAt(TRelation* Relation, const Morvik::TCheckRecord* Record) override;
  void DockedWindowHidden(QWidget* Window) override;
  // Scrolls the desktop so that Element is in view.
  void ScrollIntoView(const ui::TControl* Element);

protected:
  void closeEvent(QCloseEvent* Event) override;

private:
  // The zoom and the view, remembered while the window works at 100 %.
  struct TViewState {
    int Zoom = 1000, H = 0, V = 0;
  };
  TViewState SaveView() const;
  // Back to a remembered zoom and view; never raises.
  void RestoreView(const TViewState& View) noexcept;
  // Writes the schema to Path; the path becomes a recent file on success.
  bool SaveSchemaTo(const QString& Path);
  void RunModelCheck();

  // A new element is listed, marks the schema changed (Kind), becomes the selection, and
  // the tool returns to the arrow unless it is sticky.
  void NewElementPlaced(TMorvikGraphic* Element, TModifiedKind Kind);
  void CreateComponents();
  void CreateBrowsers();
  // A new label at (0, 0) that shows Relation's reference name and follows the relation.
  void AddRelationLabel(TRelation* Relation);
  void SizeDesktopWidget();
  void ScaleDesktop(int NewZoom);
  void AdjustAfterScaling(int PerMille);
  void InitialDesktopSize();
  void PaintHatch(QPainter& Painter, const QRect& Area);

  TDesignHost* FHost;
  // Made before the desktop's handlers are wired, freed before the desktop.
  std::unique_ptr<TDesignMouse> FMouse;
  bool FModified = false;
  int FZoom = 1000;
  int FDesktopWidthPix = 0;
  int FDesktopHeightPix = 0;
  int FDesktopWidthPag = 0;
  int FDesktopHeightPag = 0;
  bool FSkipCloseQuery = false;
  TZoomMemory FZoomMemory;
  // The view before and after the last zoom, to return to it exactly when the zoom goes
  // back at the same point with the view untouched.
  struct TView {
    int Zoom = 0, H = 0, V = 0, X = 0, Y = 0;
    bool operator==(const TView&) const = default;
  };
  TView FViewBefore;
  TView FViewAfter;
  // The elements of Selection, to tell at once whether one is selected.
  QSet<const ui::TComponent*> FSelected;
  // While elements are deleted: the model's references by table, told of every reference
  // deleted meanwhile.
  std::unique_ptr<TReferenceIndex> FReferenceIndex;
  // Deletes Reference from the model, telling the index.
  void DeleteModelReference(Morvik::TReference* Reference);
  // Puts the elements of Chosen that are still selected back into Selection, in their order
  // and before any selected since: Chosen was taken out of Selection to be walked whole.
  void KeepSelected(const std::vector<TMorvikGraphic*>& Chosen);
  // The handles of the one selected box show it alone.
  void ShowSingleSelection();
  // Frees the handles of a selected element: the box of a rectangle, the end handles of a
  // relation.
  void DeleteHandles(TMorvikGraphic* Element);
};
