#pragma once
// The program's commands: every action with its caption, shortcut, picture and enabling
// rule, the menus built from them, the image lists, the current drawing tool, the printer
// object and the list of recently opened files. The schema windows reach the program
// through it (it is their host).

#include "docgen/DocumentationHost.h"
#include "editor/DesignHost.h"

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QFileDialog;
class TMyPrinter;
class TPropertyDialogs;
class TfrmDesign;
namespace ui {
class TComponent;
class TImageList;
}

class TdmMain : public QObject, public TDesignHost, public TDocumentationHost {
  Q_OBJECT
public:
  explicit TdmMain(QObject* Parent = nullptr);
  ~TdmMain() override;

  // The actions, in the order of their list.
  QAction *acNew, *acOpen, *acSave, *acSaveAs, *acClose, *acExit;
  QAction *acWindowCascade, *acWindowTileHorizontal, *acWindowTileVertical, *acWindowMinimizeAll,
      *acWindowClose;
  QAction *acArrow, *acHand, *acEntity, *acRelation, *acNote, *acEntryPoint, *acText, *acProjectInfo,
      *acScale;
  QAction *acCut, *acCopy, *acPaste, *acDelete;
  QAction *acEntityDelete, *acEntityProperties, *acEntryPointDelete, *acNoteDelete, *acNoteProperties;
  QAction *acRelationDelete, *acRelationProperties, *acAddText, *acRemoveTextLabel;
  QAction *acTextLabelDelete, *acTextLabelProperties, *acProjectInfoDelete, *acProjectInfoProperties;
  QAction* acModelProperties;
  QAction *acReverse, *acDiffReverse, *acCheck, *acGenerate, *acShowScript, *acGenerateDoc, *acShowDoc,
      *acArrange;
  QAction *acShowBrowser, *acShowErrorBrowser, *acShowRulers, *acFidnInBrowser;
  QAction *acSPFile, *acSPDesign, *acSPWindow, *acSPClipboard, *acSPDatabase, *acSPView;
  QAction *acSetting, *acSetPrinter, *acPrint, *acHelp, *acSchemeInfo, *acAbout;

  // Every action of the list, in order.
  const std::vector<QAction*>& Actions() const { return FActions; }
  // The category of an action ("File", "Design", ...).
  static QString Category(const QAction* Action);

  // The main menu's menus, in order, and the others.
  std::vector<QMenu*> mnuMain;
  QMenu* miReOpen;
  QMenu* miWindow;
  QMenu* mnuPalette;
  QMenu* mnuDesktop;
  QMenu* mnuEntity;
  QMenu* mnuRelation;
  QMenu* mnuNote;
  QMenu* mnuProjectInfo;
  QMenu* mnuTextLabel;
  QMenu* mnuEntryPoint;
  QMenu* mnuReOpen;

  // Image lists: the actions' pictures (17 and 18 are the modified mark, enabled and not)
  // and the key picture of attribute rows.
  ui::TImageList* imlActions;
  ui::TImageList* imlDesign;

  // The current drawing tool (0 arrow ... 8 zoom) and whether it stays after one use.
  TDesignTool FTool = toolArrow;
  bool FStickyTool = false;
  // The printer object; null when none could be set up.
  std::unique_ptr<TMyPrinter> Printer;
  // The property dialogs, made when first needed.
  TPropertyDialogs& PropertyDialogs();
  std::unique_ptr<TPropertyDialogs> FPropertyDialogs;
  // Numbers the unnamed new schemas.
  int NewCount = 0;

  // TDesignHost.
  TDesignTool Tool() const override { return FTool; }
  bool StickyTool() const override { return FStickyTool; }
  // Set from Shift whenever a tool button is released.
  void SetStickyTool(bool Value) { FStickyTool = Value; }
  void SetTool(TDesignTool Tool) override;
  void SetBusy(bool Busy) override;
  QString PluginFolder() const override;
  QSize PrinterPageSize() const override;
  void ModifiedChanged(TfrmDesign* Design) override;
  void ShowZoom(TfrmDesign* Design, int Zoom) override;
  void ShowMessage(const QString& Message) override;
  // The script viewer, the documentation dialog and the desktop's HTML viewer for the
  // schema-wide commands.
  void ShowJoinedMessage(const QString& Text, const QString& Detail) override;
  void ShowScript(TfrmDesign* Design, const QString& Script, const QString& Caption) override;
  QString DocumentationProperties(TfrmDesign* Design) override;
  bool OpenLocalUrl(const QUrl& Url) override;
  void ShowSchemeInfo(TfrmDesign* Design) override;
  // TDocumentationHost: for the active schema window.
  QString ImagesFolder() const override;
  void GenerateScript() override;
  void ShowDocumentation() override;
  void Progress(int Done, int Total) override;
  // Opens a local file URL (by default in the desktop's viewer; tests replace it).
  std::function<bool(const QUrl& Url)> UrlOpener;
  void PopupMenu(TfrmDesign* Design, TDesignMenu Menu, const QPoint& GlobalPos) override;
  // The property dialogs, opened by double clicks, the Edit… commands and the error list.
  bool EditElement(TfrmDesign* Design, TMorvikGraphic* Element) override;
  bool EditModel(TfrmDesign* Design, const Morvik::TCheckRecord* Record) override;
  bool EditEntity(TfrmDesign* Design, TEntity* Entity, const Morvik::TCheckRecord* Record) override;
  bool EditRelation(TfrmDesign* Design, TRelation* Relation, const Morvik::TCheckRecord* Record) override;
  bool EditNote(TfrmDesign* Design, TNote* Note) override;
  bool EditTextLabel(TfrmDesign* Design, TTextLabel* TextLabel) override;
  bool EditProjectInfo(TfrmDesign* Design, TProjectInfo* ProjectInfo) override;
  // Reverse engineering: the login and item windows, and the one progress window, which
  // saving, loading and pasting show as well.
  bool ReverseProperties(Morvik::TParamObject* Options, TReverseLogin& Login) override;
  bool ReverseItems(Morvik::TReverseGroups* Groups, int Mode) override;
  Morvik::TProgress* ReverseProgress() override;
  void ShowProgress(bool Visible) override;

  // The standard message display (an information box unless replaced, as tests do).
  std::function<void(const QString& Message)> MessageDisplay;
  // Asks for a schema file to open (empty: cancelled). By default the open dialog.
  std::function<QString()> AskOpenFileName;
  // Asks for the file to save a schema as, preset with a path or name (empty: cancelled).
  // By default the save dialog.
  std::function<QString(const QString& Preset)> AskSaveSchemeName;
  QString AskSaveFileName(const QString& Preset) override;

  // A new, unnamed schema window bound to the plug-in model; null (reported) on failure.
  TfrmDesign* NewDesign(const QString& DLLFileName, const QString& DBModelName, const QString& DLLVersion);
  // Opens a schema file in a new schema window and records it as recent.
  void OpenFile(const QString& FileName);
  // Puts FileName at the top of the recent files; paths compare exactly.
  void AddReopenFile(const QString& FileName) override;
  // The recent paths, newest first.
  QStringList ReopenFiles() const;
  void miReOpenClick(QAction* Item);

  void CheckToolAction(QAction* Action);
  void SetCursorOnDesigns(int Cursor);
  // Enables, disables and checks every action after the state of the program.
  void UpdateActions();
  // Gives Action its enabling rule, which UpdateActions follows from then on. Every action
  // starts with a rule that keeps it disabled.
  void SetEnabling(QAction* Action, std::function<bool()> Rule) { FEnabling[Action] = std::move(Rule); }

  // Execute handlers.
  void acNewExecute();
  void acOpenExecute();
  void acSaveExecute();
  void acSaveAsExecute();
  void acCutExecute();
  void acCopyExecute();
  void acPasteExecute();
  void acCloseExecute();
  void acExitExecute();
  void acWindowCascadeExecute();
  void acWindowTileHorizontalExecute();
  void acWindowTileVerticalExecute();
  void acWindowMinimizeAllExecute();
  void acWindowCloseExecute();
  void acShowBrowserExecute();
  void acShowErrorBrowserExecute();
  void acShowRulersExecute();
  void acSettingExecute();
  void acSetPrinterExecute();
  void acPrintExecute();
  // A new schema window reverse-engineered from the chosen source; the active window
  // brought in line with a source of its own model.
  void acReverseExecute();
  void acDiffReverseExecute();
  // The editing commands of the active window: Edit…, delete, labels, find in the browser.
  void WireEditingCommands();
  void acHelpExecute();
  void acAboutExecute();

private:
  QAction* MakeAction(const char* Name, const char* Category, const QString& Caption, const QString& Shortcut,
                      const QString& Hint, const char* Picture);
  void CreateActions();
  void CreateMenus();
  // Runs Handler when Action fires; any failure is shown with the message box.
  void OnExecute(QAction* Action, std::function<void()> Handler);
  bool HasDesign() const;
  TfrmDesign* Design() const;

  std::vector<QAction*> FActions;
  std::vector<std::unique_ptr<QMenu>> FMenus;
  std::unique_ptr<ui::TComponent> FImageOwner;
  std::map<QAction*, std::function<bool()>> FEnabling;
  int FBusy = 0;
};

// The program's data module.
extern TdmMain* dmMain;
