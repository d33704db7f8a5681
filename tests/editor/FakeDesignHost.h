// The program around a schema window, as the window's tests need it: a plug-in folder, a
// printer page size, the tool, and a record of what the window told the program.
#pragma once

#include "editor/DesignHost.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

class FakeDesignHost : public TDesignHost {
public:
  int Tool() const override { return CurrentTool; }
  bool StickyTool() const override { return Sticky; }
  void SetTool(int Value) override { CurrentTool = Value; }
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

  int CurrentTool = 0;
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
};
