#include "app/Settings.h"

#include "app/dmMain.h"
#include "app/frmDesignSetting.h"
#include "ui/IniFile.h"
#include "ui/MB.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

namespace {

const QString MainWindowSection = QStringLiteral("MainWindow");
const QString ReopenSection = QStringLiteral("ReOpenFiles");
const QString LookSection = QStringLiteral("Design_Setting");
constexpr int MaxReopenFiles = 10;
constexpr int Maximised = 2;

int StateOf(const QWidget& Window) {
  if (Window.isMaximized()) return Maximised;
  if (Window.isMinimized()) return 1;
  return 0;
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
  Window.move(left, top);
  const int width = IniFile.ReadInteger(MainWindowSection, QStringLiteral("Width"), Window.width());
  const int height = IniFile.ReadInteger(MainWindowSection, QStringLiteral("Height"), Window.height());
  Window.resize(width, height);
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
  if (ini.UpdateFile()) return true;
  if (!FReported) {
    FReported = true;
    const QString message =
        QStringLiteral("Nastavení se nepodařilo uložit do souboru ") + FFileName + QLatin1Char('.');
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
