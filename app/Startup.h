#pragma once
// Bringing the program up: the splash window, the diagram-look settings, the data module,
// the application's title, then the program's windows in their fixed order (the main window
// first), the splash window away, and the event loop.

#include <QString>
#include <QStringList>
#include <memory>

class TfrmAbout;
class TfrmDateTimeSetting;
class TfrmDocumentationProperties;
class TfrmDesignSetting;
class TfrmFindDialog;
class TfrmReport;
class TfrmSchemeInfo;
class TfrmSelectDB;
class TfrmSelectReverse;
class TfrmReverseItems;
class TfrmReverseProgress;
class TfrmReverseProperties;
class TfrmSplash;
class TfrmMain;
class TdmMain;

// The program's single windows (null before the start-up made them and after it ended).
extern TfrmDesignSetting* frmDesignSetting;
extern TfrmSchemeInfo* frmSchemeInfo;
extern TfrmAbout* frmAbout;
extern TfrmSelectReverse* frmSelectReverse;
extern TfrmSelectDB* frmSelectDB;
extern TfrmReport* frmReport;
extern TfrmFindDialog* frmFindDialog;
extern TfrmReverseItems* frmReverseItems;
extern TfrmReverseProgress* frmReverseProgress;
extern TfrmReverseProperties* frmReverseProperties;
extern TfrmDateTimeSetting* frmDateTimeSetting;
extern TfrmDocumentationProperties* frmDocumentationProperties;

class TStartup {
public:
  // ProgramPath: the program's file (its folder holds DLL/, Images/, manual/); Arguments:
  // the command line after the program's name.
  TStartup(const QString& ProgramPath, const QStringList& Arguments);
  // Frees the windows, the last made first.
  ~TStartup();
  TStartup(const TStartup&) = delete;
  TStartup& operator=(const TStartup&) = delete;

  // Makes everything up to the event loop; the main window is not shown yet.
  void Start();
  // Shows the main window and runs the event loop until it closes.
  int Run();

  // What Start made, in order (the names of the single windows), and the texts the splash
  // window showed.
  QStringList CreationOrder;
  QStringList SplashTexts;

private:
  struct TWindows;
  QString FProgramPath;
  QStringList FArguments;
  std::unique_ptr<TWindows> FWindows;
};
