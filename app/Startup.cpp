#include "app/Startup.h"

#include "Interface/dialogs/frmSelectDB.h"
#include "app/DesignSettingLink.h"
#include "app/MyPrinter.h"
#include "app/dmMain.h"
#include "app/frmAbout.h"
#include "app/frmDateTimeSetting.h"
#include "app/frmDesignSetting.h"
#include "app/frmFindDialog.h"
#include "app/frmMain.h"
#include "app/frmPrintProperties.h"
#include "app/PagePrinting.h"
#include "app/frmReport.h"
#include "docgen/frmDocumentationProperties.h"
#include "app/frmSchemeInfo.h"
#include "app/frmSplash.h"
#include "editor/frmDesign.h"
#include "ui/Application.h"
#include "ui/MB.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

TfrmDesignSetting* frmDesignSetting = nullptr;
TfrmSchemeInfo* frmSchemeInfo = nullptr;
TfrmAbout* frmAbout = nullptr;
TfrmSelectDB* frmSelectDB = nullptr;
TfrmReport* frmReport = nullptr;
TfrmFindDialog* frmFindDialog = nullptr;
TfrmDateTimeSetting* frmDateTimeSetting = nullptr;
TfrmDocumentationProperties* frmDocumentationProperties = nullptr;
TfrmPrintProperties* frmPrintProperties = nullptr;

// Owned here; freed in the reverse order of making.
struct TStartup::TWindows {
  std::unique_ptr<TfrmDesignSetting> DesignSetting;
  std::unique_ptr<TdmMain> DataModule;
  std::unique_ptr<TfrmMain> Main;
  std::unique_ptr<TfrmSchemeInfo> SchemeInfo;
  std::unique_ptr<TfrmAbout> About;
  std::unique_ptr<TfrmSelectDB> SelectDB;
  std::unique_ptr<TfrmFindDialog> FindDialog;
  std::unique_ptr<TfrmReport> Report;
  std::unique_ptr<TfrmDateTimeSetting> DateTimeSetting;
  std::unique_ptr<TfrmPrintProperties> PrintProperties;
  std::unique_ptr<TfrmDocumentationProperties> DocumentationProperties;

  ~TWindows() {
    frmDocumentationProperties = nullptr;
    DocumentationProperties.reset();
    frmPrintProperties = nullptr;
    PrintProperties.reset();
    frmDateTimeSetting = nullptr;
    DateTimeSetting.reset();
    frmReport = nullptr;
    Report.reset();
    frmFindDialog = nullptr;
    FindDialog.reset();
    frmSelectDB = nullptr;
    SelectDB.reset();
    frmAbout = nullptr;
    About.reset();
    frmSchemeInfo = nullptr;
    SchemeInfo.reset();
    // The main window closes the schema windows while their host is still there.
    frmMain = nullptr;
    Main.reset();
    dmMain = nullptr;
    DataModule.reset();
    frmDesignSetting = nullptr;
    DesignSetting.reset();
  }
};

TStartup::TStartup(const QString& ProgramPath, const QStringList& Arguments)
    : FProgramPath(ProgramPath), FArguments(Arguments), FWindows(std::make_unique<TWindows>()) {}

TStartup::~TStartup() = default;

void TStartup::Start() {
  TWindows& w = *FWindows;
  auto splash = std::make_unique<TfrmSplash>();
  splash->show();
  splash->repaint();
  CreationOrder << QStringLiteral("frmSplash");
  SplashTexts << splash->lProgress->text();

  w.DesignSetting = std::make_unique<TfrmDesignSetting>();
  frmDesignSetting = w.DesignSetting.get();
  CreationOrder << QStringLiteral("frmDesignSetting");
  w.DataModule = std::make_unique<TdmMain>();
  dmMain = w.DataModule.get();
  CreationOrder << QStringLiteral("dmMain");
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) ui::SetUpApplication(*app);
  QApplication::setApplicationName(QStringLiteral("Morvik"));
  CreationOrder << QStringLiteral("Application");
  splash->SetProgressText(QStringLiteral("Vytváření formulářů"));
  SplashTexts << splash->lProgress->text();

  w.Main = std::make_unique<TfrmMain>(FProgramPath, FArguments);
  frmMain = w.Main.get();
  CreationOrder << QStringLiteral("frmMain");
  w.SchemeInfo = std::make_unique<TfrmSchemeInfo>();
  frmSchemeInfo = w.SchemeInfo.get();
  CreationOrder << QStringLiteral("frmSchemeInfo");
  w.About = std::make_unique<TfrmAbout>();
  frmAbout = w.About.get();
  CreationOrder << QStringLiteral("frmAbout");
  // The plug-in list is filled once, from the folder the main window fixed.
  w.SelectDB = std::make_unique<TfrmSelectDB>();
  frmSelectDB = w.SelectDB.get();
  frmSelectDB->Scan(frmMain->PluginFolder);
  CreationOrder << QStringLiteral("frmSelectDB");
  // The script viewer needs its find dialog when it is made.
  w.FindDialog = std::make_unique<TfrmFindDialog>();
  frmFindDialog = w.FindDialog.get();
  CreationOrder << QStringLiteral("frmFindDialog");
  w.Report = std::make_unique<TfrmReport>(frmFindDialog);
  frmReport = w.Report.get();
  CreationOrder << QStringLiteral("frmReport");
  w.DateTimeSetting = std::make_unique<TfrmDateTimeSetting>();
  frmDateTimeSetting = w.DateTimeSetting.get();
  CreationOrder << QStringLiteral("frmDateTimeSetting");
  TfMB::Instance();
  CreationOrder << QStringLiteral("fMB");
  w.PrintProperties = std::make_unique<TfrmPrintProperties>();
  frmPrintProperties = w.PrintProperties.get();
  frmPrintProperties->SetPrinterSetupAction(dmMain->acSetPrinter);
  CreationOrder << QStringLiteral("frmPrintProperties");
  w.DocumentationProperties = std::make_unique<TfrmDocumentationProperties>(dmMain);
  frmDocumentationProperties = w.DocumentationProperties.get();
  CreationOrder << QStringLiteral("frmDocumentationProperties");

  // What the windows need of each other.
  frmDesignSetting->OpenDesigns = [] {
    std::vector<TDesignSettingTarget*> designs;
    if (frmMain)
      for (TfrmDesign* d : frmMain->Designs()) designs.push_back(TDesignSettingLink::Of(d));
    return designs;
  };
  frmDesignSetting->PrinterPageSize = [] { return dmMain ? dmMain->PrinterPageSize() : QSize(); };
  // On a PDF printer the viewer asks for the file to print into.
  frmReport->Printer = []() -> QPrinter* {
    if (!dmMain || !dmMain->Printer) return nullptr;
    return PrinterForJob(*dmMain->Printer, [] { return AskPdfFileName(frmReport); });
  };
  frmMain->ReportHintPanel = []() -> QLabel* {
    return frmReport && frmReport->isVisible() ? frmReport->sbPanel1 : nullptr;
  };

  splash->hide();
  splash.reset();
}

int TStartup::Run() {
  frmMain->show();
  return QApplication::exec();
}
