#pragma once
// What a schema window needs of the program around it: the current drawing tool, the busy
// cursor, the status bar and the zoom box of the main window, the plug-in folder, the
// printer's page size and the plain message display. The main window's data module
// implements it; tests use a small fake.

#include <QPoint>
#include <QSize>
#include <QString>
#include <QUrl>

class TEntity;
class TfrmDesign;
class TMorvikGraphic;
class TNote;
class TProjectInfo;
class TRelation;
class TTextLabel;
namespace Morvik {
class TCheckRecord;
class TParamObject;
class TProgress;
class TReverseGroups;
}

// What the reverse-engineering properties window gives back.
struct TReverseLogin {
  QString User;
  QString Password;
  QString DataSource;
};

// The pop-up menus of the desktop and its elements.
enum class TDesignMenu {
  Desktop,
  Entity,
  Note,
  ProjectInfo,
  TextLabel,
  Relation
};

// The drawing tools, by the value the host holds for them.
enum TDesignTool : int {
  toolArrow = 0,
  toolHand = 1,
  toolEntity = 2,
  toolRelation = 3,
  toolNote = 4,
  toolEntryPoint = 5,
  toolTextLabel = 6,
  toolProjectInfo = 7,
  toolZoom = 8
};

class TDesignHost {
public:
  virtual ~TDesignHost() = default;

  // The drawing tool (a value that names no tool counts as the arrow).
  virtual TDesignTool Tool() const = 0;
  // True keeps a creation tool after one use.
  virtual bool StickyTool() const = 0;
  virtual void SetTool(TDesignTool Tool) = 0;
  // The hourglass (true) or the default cursor (false) for the whole program.
  virtual void SetBusy(bool Busy) = 0;

  // The folder of the plug-in libraries, ending with '/'.
  virtual QString PluginFolder() const = 0;
  // One printer page in screen pixels; an empty size while there is no printer object.
  virtual QSize PrinterPageSize() const = 0;

  // The window's modified flag changed: the main window's status bar shows it.
  virtual void ModifiedChanged(TfrmDesign* Design) = 0;
  // The window's zoom (per mille) is to be shown in the main window's zoom box.
  virtual void ShowZoom(TfrmDesign* Design, int Zoom) = 0;
  // The plain message display (an information box with the program's title).
  virtual void ShowMessage(const QString& Message) = 0;

  // Pops up Menu at a global screen position, for the schema window's selection.
  virtual void PopupMenu(TfrmDesign* Design, TDesignMenu Menu, const QPoint& GlobalPos) {}
  // Opens the property dialog of Element (a double click); true when it stored anything.
  virtual bool EditElement(TfrmDesign* Design, TMorvikGraphic* Element) { return false; }

  // ---- Check, script, documentation ----------------------------------------------------
  // Text, a line feed and Detail in the standard message display (a command's failure).
  virtual void ShowJoinedMessage(const QString& Text, const QString& Detail) {
    ShowMessage(Text + QLatin1Char('\n') + Detail);
  }
  // The script viewer shows Script, highlighted, under Caption (modal).
  virtual void ShowScript(TfrmDesign* Design, const QString& Script, const QString& Caption) {}
  // The documentation dialog for Design; returns the generated site's index file, or empty.
  virtual QString DocumentationProperties(TfrmDesign* Design) { return QString(); }
  // Opens a local file URL in the desktop's viewer for it; false when that failed.
  virtual bool OpenLocalUrl(const QUrl& Url) { return false; }
  // Fills the schema-information window for Design and shows it modally.
  virtual void ShowSchemeInfo(TfrmDesign* Design) {}

  // Reverse engineering. The properties window with the source's options (null: none);
  // true on OK, with the login filled in.
  virtual bool ReverseProperties(Morvik::TParamObject* Options, TReverseLogin& Login) { return false; }
  // The item window over Groups (mode 0 schemas and object kinds, 1 the objects found);
  // true on OK, the ticks written back into the groups.
  virtual bool ReverseItems(Morvik::TReverseGroups* Groups, int Mode) { return false; }
  // The progress object of the progress window, handed to the plug-in; null without one.
  virtual Morvik::TProgress* ReverseProgress() { return nullptr; }
  // Shows (true) or hides (false) the progress window.
  virtual void ShowProgress(bool Visible) {}

  // ---- Schema file ------------------------------------------------------------------
  // Asks for the file to save a schema as, preset with Preset (empty: cancelled).
  virtual QString AskSaveFileName(const QString& Preset) { return QString(); }
  // A schema file was saved or opened: it goes to the top of the recent files.
  virtual void AddReopenFile(const QString& FileName) {}
  // The property dialogs of the window's elements and model; each stores into its element
  // (or plug-in object) on OK and answers true, and changes nothing when cancelled. Record:
  // a check finding whose place the dialog shows, or null.
  virtual bool EditModel(TfrmDesign* Design, const Morvik::TCheckRecord* Record) { return false; }
  virtual bool EditEntity(TfrmDesign* Design, TEntity* Entity, const Morvik::TCheckRecord* Record) {
    return false;
  }
  virtual bool EditRelation(TfrmDesign* Design, TRelation* Relation, const Morvik::TCheckRecord* Record) {
    return false;
  }
  virtual bool EditNote(TfrmDesign* Design, TNote* Note) { return false; }
  virtual bool EditTextLabel(TfrmDesign* Design, TTextLabel* TextLabel) { return false; }
  virtual bool EditProjectInfo(TfrmDesign* Design, TProjectInfo* ProjectInfo) { return false; }
};
