// The program around a schema window, as the window's tests need it: a plug-in folder, a
// printer page size, the tool, and a record of what the window told the program.
#pragma once

#include "Interface/MorvikInterface.h"
#include "editor/DesignHost.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <vector>

// Records what a plug-in reports of its progress.
class FakeProgress : public Morvik::TProgress {
public:
  void Start(const char* Caption, int Max) override {
    Texts << QStringLiteral("start %1 %2").arg(Caption).arg(Max);
  }
  void Step(const char* Text) override { Texts << QString::fromUtf8(Text); }
  QStringList Texts;
};

class FakeDesignHost : public TDesignHost {
public:
  TDesignTool Tool() const override { return CurrentTool; }
  bool StickyTool() const override { return Sticky; }
  void SetTool(TDesignTool Value) override { CurrentTool = Value; }
  void SetBusy(bool Busy) override { BusyCalls.push_back(Busy); }
  QString PluginFolder() const override { return Folder; }
  QSize PrinterPageSize() const override { return PageSize; }
  void ModifiedChanged(TfrmDesign*) override { ++ModifiedChanges; }
  void ShowZoom(TfrmDesign*, int Zoom) override { ShownZooms.push_back(Zoom); }
  void ShowMessage(const QString& Message) override { Messages << Message; }
  void PopupMenu(TfrmDesign*, TDesignMenu Menu, const QPoint&) override { Menus.push_back(Menu); }
  bool EditElement(TfrmDesign*, TMorvikGraphic* Element) override {
    Edited.push_back(Element);
    return false;
  }
  void ShowJoinedMessage(const QString& Text, const QString& Detail) override {
    Joined << Text + QLatin1Char('\n') + Detail;
  }
  void ShowScript(TfrmDesign*, const QString& Script, const QString& Caption) override {
    Scripts << Script;
    ScriptCaptions << Caption;
  }
  QString DocumentationProperties(TfrmDesign*) override {
    ++DocumentationDialogs;
    return DocumentationPath;
  }
  bool OpenLocalUrl(const QUrl& Url) override {
    Opened.push_back(Url);
    return OpenSucceeds;
  }
  QString AskSaveFileName(const QString& Preset) override {
    SavePresets << Preset;
    return SaveName;
  }
  void AddReopenFile(const QString& FileName) override { Reopened << FileName; }

  // Reverse engineering: the dialogs answer as set here.
  bool ReverseProperties(Morvik::TParamObject* Options, TReverseLogin& Login) override {
    ReverseOptions.push_back(Options);
    if (!AcceptProperties) return false;
    Login = NextLogin;
    return true;
  }
  bool ReverseItems(Morvik::TReverseGroups* Groups, int Mode) override {
    ItemModes.push_back(Mode);
    if (OnReverseItems) OnReverseItems(Groups, Mode);
    return Mode == 0 ? AcceptSchemas : AcceptItems;
  }
  Morvik::TProgress* ReverseProgress() override { return &Progress; }
  void ShowProgress(bool Visible) override { ProgressShown.push_back(Visible); }

  bool AcceptProperties = true;
  bool AcceptSchemas = true;
  bool AcceptItems = true;
  TReverseLogin NextLogin;
  std::function<void(Morvik::TReverseGroups*, int)> OnReverseItems;
  std::vector<Morvik::TParamObject*> ReverseOptions;
  std::vector<int> ItemModes;
  std::vector<bool> ProgressShown;
  FakeProgress Progress;

  // The property dialogs: Dialog (when set) plays the user and answers; none confirms
  // nothing. Dialogs records every element a dialog opened on (null for the model).
  bool EditModel(TfrmDesign*, const Morvik::TCheckRecord* Record) override { return Open(nullptr, Record); }
  bool EditEntity(TfrmDesign*, TEntity* Entity, const Morvik::TCheckRecord* Record) override {
    return Open(Entity, Record);
  }
  bool EditRelation(TfrmDesign*, TRelation* Relation, const Morvik::TCheckRecord* Record) override {
    return Open(Relation, Record);
  }
  bool EditNote(TfrmDesign*, TNote* Note) override { return Open(Note, nullptr); }
  bool EditTextLabel(TfrmDesign*, TTextLabel* Label) override { return Open(Label, nullptr); }
  bool EditProjectInfo(TfrmDesign*, TProjectInfo* Info) override { return Open(Info, nullptr); }
  std::function<bool(const void* Element, const Morvik::TCheckRecord* Record)> Dialog;
  std::vector<const void*> Dialogs;

  TDesignTool CurrentTool = toolArrow;
  bool Sticky = false;
  QString Folder = QStringLiteral(MORVIK_PLUGIN_DIR "/");
  QSize PageSize;
  std::vector<bool> BusyCalls;
  int ModifiedChanges = 0;
  std::vector<int> ShownZooms;
  QStringList Messages;
  std::vector<TDesignMenu> Menus;
  std::vector<TMorvikGraphic*> Edited;
  QStringList Joined;
  // What the script viewer was given, in order.
  QStringList Scripts;
  QStringList ScriptCaptions;
  // What the documentation dialog returns, and how often it ran.
  QString DocumentationPath;
  int DocumentationDialogs = 0;
  std::vector<QUrl> Opened;
  bool OpenSucceeds = true;
  // The answer of the save dialog, the presets it was shown with, and the recent files.
  QString SaveName;
  QStringList SavePresets;
  QStringList Reopened;

private:
  bool Open(const void* Element, const Morvik::TCheckRecord* Record) {
    Dialogs.push_back(Element);
    return Dialog && Dialog(Element, Record);
  }
};
