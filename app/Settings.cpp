#include "app/Settings.h"

#include "app/dmMain.h"
#include "app/frmDesignSetting.h"
#include "ui/IniFile.h"
#include "ui/MB.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace {

const QString MainWindowSection = QStringLiteral("MainWindow");
const QString ReopenSection = QStringLiteral("ReOpenFiles");
const QString LookSection = QStringLiteral("Design_Setting");
constexpr int MaxReopenFiles = 10;
constexpr int Maximised = 2;
// How much of the main window stays on the screen, at least, so that it can be grabbed.
constexpr int MinVisiblePart = 100;

int StateOf(const QWidget& Window) {
  if (Window.isMaximized()) return Maximised;
  if (Window.isMinimized()) return 1;
  return 0;
}

// A placement held on Screen: at most the screen's size, and with its top edge on the screen
// for at least a part of the window's width, so that the window can be grabbed and moved. The
// numbers come from the file as they stand, so no rectangle is formed of them before.
QRect HeldOnScreen(int Left, int Top, int Width, int Height, const QRect& Screen) {
  const int width = std::clamp(Width, 1, std::max(1, Screen.width()));
  const int height = std::clamp(Height, 1, std::max(1, Screen.height()));
  const int seenX = std::min(MinVisiblePart, width), seenY = std::min(MinVisiblePart, height);
  const int left = std::clamp(Left, Screen.left() - width + seenX, Screen.right() + 1 - seenX);
  const int top = std::clamp(Top, Screen.top(), std::max(Screen.top(), Screen.bottom() + 1 - seenY));
  return QRect(left, top, width, height);
}

} // namespace

QString SettingsFileName(const QString& ProgramPath) {
  const QFileInfo program(ProgramPath);
  const QString name = program.completeBaseName() + QStringLiteral(".ini");
  const QFileInfo folder(program.absolutePath());
  if (folder.isDir() && folder.isWritable()) return QDir(folder.absoluteFilePath()).filePath(name);
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(name);
}

void WriteMainWindow(TIniFile& IniFile, const QWidget& Window) {
  const int state = StateOf(Window);
  IniFile.WriteInteger(MainWindowSection, QStringLiteral("State"), state);
  if (state == Maximised) return;
  IniFile.WriteInteger(MainWindowSection, QStringLiteral("Left"), Window.x());
  IniFile.WriteInteger(MainWindowSection, QStringLiteral("Top"), Window.y());
  IniFile.WriteInteger(MainWindowSection, QStringLiteral("Width"), Window.width());
  IniFile.WriteInteger(MainWindowSection, QStringLiteral("Height"), Window.height());
}

void ReadMainWindow(const TIniFile& IniFile, QWidget& Window) {
  const int state = IniFile.ReadInteger(MainWindowSection, QStringLiteral("State"), 0);
  const int left = IniFile.ReadInteger(MainWindowSection, QStringLiteral("Left"), Window.x());
  const int top = IniFile.ReadInteger(MainWindowSection, QStringLiteral("Top"), Window.y());
  const int width = IniFile.ReadInteger(MainWindowSection, QStringLiteral("Width"), Window.width());
  const int height = IniFile.ReadInteger(MainWindowSection, QStringLiteral("Height"), Window.height());
  // The screen the window was on, or its own when that one is gone.
  const QScreen* screen = QGuiApplication::screenAt(QPoint(left, top));
  if (!screen) screen = Window.screen();
  if (!screen) {
    Window.move(left, top);
    Window.resize(width, height);
  } else {
    const QRect placed = HeldOnScreen(left, top, width, height, screen->availableGeometry());
    Window.move(placed.topLeft());
    Window.resize(placed.size());
  }
  if (state == Maximised) Window.setWindowState(Window.windowState() | Qt::WindowMaximized);
}

void WriteReopenFiles(TIniFile& IniFile, const QStringList& Paths) {
  for (int i = 0; i < Paths.size() && i < MaxReopenFiles; ++i)
    IniFile.WriteString(ReopenSection, QString::number(i), Paths[i]);
}

void ReadReopenFiles(const TIniFile& IniFile, const std::function<void(const QString& Path)>& Add) {
  for (int i = MaxReopenFiles - 1; i >= 0; --i) {
    const QString path = IniFile.ReadString(ReopenSection, QString::number(i), QString());
    if (!path.isEmpty()) Add(path);
  }
}

bool TSettingsFile::Save(const QWidget& MainWindow, const QStringList& RecentFiles,
                         const TfrmDesignSetting* Look) {
  TIniFile ini(FFileName);
  WriteMainWindow(ini, MainWindow);
  // The list is written whole: entries that left it leave the file too.
  ini.EraseSection(ReopenSection);
  WriteReopenFiles(ini, RecentFiles);
  if (Look) Look->WriteSettings(ini, LookSection);
  QDir().mkpath(QFileInfo(FFileName).absolutePath());
  QString reason;
  if (ini.UpdateFile(&reason)) return true;
  if (!FReported) {
    FReported = true;
    const QString message = QStringLiteral("Nastavení se nepodařilo uložit do souboru ") + FFileName +
                            QStringLiteral(".\n") + reason;
    if (ReportFailure)
      ReportFailure(message);
    else
      MB(message, QStringLiteral("Morvik"), mtWarning, MsgButtons({mbOK}));
  }
  return false;
}

void TSettingsFile::Load(QWidget& MainWindow, const std::function<void(const QString& Path)>& AddRecentFile,
                         TfrmDesignSetting* Look) const {
  const TIniFile ini(FFileName);
  ReadMainWindow(ini, MainWindow);
  if (AddRecentFile) ReadReopenFiles(ini, AddRecentFile);
  if (Look) Look->ReadSettings(ini, LookSection);
}

void ShowJoinedMessage(const QString& Text, const QString& Detail) {
  if (dmMain) dmMain->ShowJoinedMessage(Text, Detail);
}
