#pragma once
// The main window: the frame of the schema windows, the menu and tool bars of the data
// module's actions, the zoom box and the status bar with the modified mark and the hints.
// It derives the program's folders from the program's path, opens the schema named on the
// command line, and tells the rest of the program which schema window is active.

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class QToolButton;
class TfrmDesign;
class TSettingsFile;

class TfrmMain : public QMainWindow {
  Q_OBJECT
public:
  // ProgramPath: the program file the folders are derived from; Arguments: the command
  // line's arguments after the program's name.
  TfrmMain(const QString& ProgramPath, const QStringList& Arguments, QWidget* Parent = nullptr);
  ~TfrmMain() override;

  QString IniFileName;
  QString PluginFolder;
  QString ImagesFolder;
  QString HelpFileName;
  bool FirstActivation = true;

  QMdiArea* ClientArea = nullptr;
  QToolBar* tbrFile;
  QToolBar* tbrDesign;
  QToolBar* tbrView;
  QToolBar* tbrWindow;
  QToolBar* tbrClipboard;
  QToolBar* tbrDatabase;
  QComboBox* cbxZoom;
  QLabel* sbrPanel0; // the modified mark
  QLabel* sbrPanel1; // the hints
  // The design tool bar's buttons in order (arrow, hand, zoom, then the six creation tools).
  std::vector<QToolButton*> DesignButtons;

  bool HasActiveDesign() const;
  TfrmDesign* ActiveDesign() const;
  // Every open schema window, in the order of the frame.
  std::vector<TfrmDesign*> Designs() const;
  // Every child window of the frame.
  std::vector<QMdiSubWindow*> ChildWindows() const;
  // "Morvik", or with a maximised active child window "Morvik - [" + its caption + "]".
  QString Caption() const;
  // Shows Caption() as the frame's caption.
  void UpdateCaption();
  // Puts a new schema window into the frame and shows it.
  QMdiSubWindow* AddDesign(TfrmDesign* Design);

  // The settings file (IniFileName): read when the window is made, written when it closes.
  std::unique_ptr<TSettingsFile> Settings;
  // The script viewer's status panel for hints while the viewer is visible; null otherwise.
  std::function<QLabel*()> ReportHintPanel;

  // Handlers.
  void FormActivate();
  void sbrMainDrawPanel();
  void sbtnDesignMouseUp(QToolButton* Button, Qt::KeyboardModifiers Shift);
  void cbxZoomChange();
  void ShowHint(const QString& Hint);
  // Asks every schema window whether it may close; true when all agree, then closes them
  // all without asking again.
  bool CloseAllDesigns();
  // The tool bars in the order of their palette actions.
  std::vector<QToolBar*> ToolBars() const;

protected:
  void changeEvent(QEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  // The application's hint handler: the hint of any window's control, dialogs included, goes
  // where ShowHint puts it.
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  QMenu* createPopupMenu() override;

private:
  void CreateToolBars();
  QToolBar* NewToolBar(const char* Name, const QString& Title);

  QStringList FArguments;
};

// The program's main window.
extern TfrmMain* frmMain;
