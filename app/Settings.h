#pragma once
// The settings file: where it lives, the main window's placement, the recent files and the
// diagram-look defaults in it, and the message helper of failed commands.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class TIniFile;
class TfrmDesignSetting;

// The settings file of the program ProgramPath: beside the program, named after it with
// ".ini", when that folder is writable; otherwise of the same name in the user's
// configuration folder.
QString SettingsFileName(const QString& ProgramPath);

// Section "MainWindow": "State" (0 normal, 1 minimised, 2 maximised), and the position and
// size unless the window is maximised, so that a maximised close keeps the last normal ones.
void WriteMainWindow(TIniFile& IniFile, const QWidget& Window);
// Places the window as written, each value defaulting to the window's own, held on the
// available part of its screen; maximises it for state 2 only.
void ReadMainWindow(const TIniFile& IniFile, QWidget& Window);
// Section "ReOpenFiles": "0" (the top entry) to at most "9".
void WriteReopenFiles(TIniFile& IniFile, const QStringList& Paths);
// Hands the paths to Add from "9" down to "0", skipping empty ones, so that Add putting each
// on top brings back the written order.
void ReadReopenFiles(const TIniFile& IniFile, const std::function<void(const QString& Path)>& Add);

// The program's settings file.
class TSettingsFile {
public:
  explicit TSettingsFile(const QString& FileName) : FFileName(FileName) {}
  const QString& FileName() const { return FFileName; }

  // Writes the main window, the recent files and the look defaults (Look may be null).
  // A file that cannot be written is reported the first time only; false then.
  bool Save(const QWidget& MainWindow, const QStringList& RecentFiles, const TfrmDesignSetting* Look);
  // Reads what Save wrote; a missing file or key leaves the defaults.
  void Load(QWidget& MainWindow, const std::function<void(const QString& Path)>& AddRecentFile,
            TfrmDesignSetting* Look) const;

  // Shows the failure to write the file (the message box unless replaced, as tests do).
  std::function<void(const QString& Message)> ReportFailure;

private:
  QString FFileName;
  bool FReported = false;
};

// Text naming a failed operation, a line feed and Detail (the caught exception's message) in
// the program's plain message display.
void ShowJoinedMessage(const QString& Text, const QString& Detail);
