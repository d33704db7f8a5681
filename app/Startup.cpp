#include "app/Startup.h"

#include "Interface/dialogs/frmReverseItems.h"
#include "Interface/dialogs/frmReverseProgress.h"
#include "Interface/dialogs/frmReverseProperties.h"
#include "Interface/dialogs/frmSelectDB.h"
#include "Interface/dialogs/frmSelectReverse.h"
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
TfrmSelectReverse* frmSelectReverse = nullptr;
TfrmSelectDB* frmSelectDB = nullptr;
TfrmReport* frmReport = nullptr;
TfrmFindDialog* frmFindDialog = nullptr;
TfrmReverseItems* frmReverseItems = nullptr;
TfrmReverseProgress* frmReverseProgress = nullptr;
TfrmReverseProperties* frmReverseProperties = nullptr;
TfrmDateTimeSetting* frmDateTimeSetting = nullptr;
TfrmDocumentationProperties* frmDocumentationProperties = nullptr;
TfrmPrintProperties* frmPrintProperties = nullptr;

// Owned here; freed in the reverse order of making.
struct TStartup::TWindows {
  // Frees one window after its global no longer points at it.
  template <class T>
  static void Free(std::unique_ptr<T>& Holder, T*& Global) {
    Global = nullptr;
    Holder.reset();
  }

  std::unique_ptr<TfrmDesignSetting> DesignSetting;
  std::unique_ptr<TdmMain> DataModule;
  std::unique_ptr<TfrmMain> Main;
  std::unique_ptr<TfrmSchemeInfo> SchemeInfo;
  std::unique_ptr<TfrmAbout> About;
  std::unique_ptr<TfrmSelectReverse> SelectReverse;
  std::unique_ptr<TfrmSelectDB> SelectDB;
  std::unique_ptr<TfrmFindDialog> FindDialog;
  std::unique_ptr<TfrmReport> Report;
  std::unique_ptr<TfrmReverseItems> ReverseItems;
  std::unique_ptr<TfrmReverseProgress> ReverseProgress;
  std::unique_ptr<TfrmReverseProperties> ReverseProperties;
  std::unique_ptr<TfrmDateTimeSetting> DateTimeSetting;
  std::unique_ptr<TfrmPrintProperties> PrintProperties;
  std::unique_ptr<TfrmDocumentationProperties> DocumentationProperties;

  ~TWindows() {
    Free(DocumentationProperties, frmDocumentationProperties);
    Free(PrintProperties, frmPrintProperties);
    Free(DateTimeSetting, frmDateTimeSetting);
    Free(ReverseProperties, frmReverseProperties);
    Free(ReverseProgress, frmReverseProgress);
    Free(ReverseItems, frmReverseItems);
    Free(Report, frmReport);
    Free(FindDialog, frmFindDialog);
    Free(SelectDB, frmSelectDB);
    Free(SelectReverse, frmSelectReverse);
    Free(About, frmAbout);
    Free(SchemeInfo, frmSchemeInfo);
    // The main window closes the schema windows while their host is still there.
    Free(Main, frmMain);
    Free(DataModule, dmMain);
    Free(DesignSetting, frmDesignSetting);
  }
};

TStartup::TStartup(const QString& ProgramPath, const QStringList& Arguments)
    : FProgramPath(ProgramPath), FArguments(Arguments), FWindows(std::make_unique<TWindows>()) {}

TStartup::~TStartup() = default;

void TStartup::Start() {
  TWindows& w = *FWindows;
  // Qt's texts are Czech before the first window is made: a Qt dialog keeps the texts of the
  // moment it was made.
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) ui::SetUpApplication(*app);
  // Makes one of the program's single windows, points its global at it and notes its name.
  const auto Make = [this](auto& Holder, auto*& Global, const char* Name, auto&&... Arguments) {
    using T = typename std::remove_reference_t<decltype(Holder)>::element_type;
    Holder = std::make_unique<T>(std::forward<decltype(Arguments)>(Arguments)...);
    Global = Holder.get();
    CreationOrder << QString::fromLatin1(Name);
  };
  auto splash = std::make_unique<TfrmSplash>();
  splash->show();
  splash->repaint();
  CreationOrder << QStringLiteral("frmSplash");
  SplashTexts << splash->lProgress->text();

  Make(w.DesignSetting, frmDesignSetting, "frmDesignSetting");
  Make(w.DataModule, dmMain, "dmMain");
  QApplication::setApplicationName(QStringLiteral("Morvik"));
  CreationOrder << QStringLiteral("Application");
  splash->SetProgressText(QStringLiteral("Vytváření formulářů"));
  SplashTexts << splash->lProgress->text();

  Make(w.Main, frmMain, "frmMain", FProgramPath, FArguments);
  Make(w.SchemeInfo, frmSchemeInfo, "frmSchemeInfo");
  Make(w.About, frmAbout, "frmAbout");
  // The plug-in list and the reverse-engineering sources are filled once, from the folder
  // the main window fixed; the source choice exists before the scan that fills it.
  Make(w.SelectReverse, frmSelectReverse, "frmSelectReverse");
  Make(w.SelectDB, frmSelectDB, "frmSelectDB");
  frmSelectDB->Scan(frmMain->PluginFolder);
  frmSelectReverse->SetSources(frmSelectDB->ReverseItems());
  // The script viewer needs its find dialog when it is made.
  Make(w.FindDialog, frmFindDialog, "frmFindDialog");
  Make(w.Report, frmReport, "frmReport", frmFindDialog);
  Make(w.ReverseItems, frmReverseItems, "frmReverseItems");
  // The one progress window: reverse engineering, saving, loading and pasting report to it.
  Make(w.ReverseProgress, frmReverseProgress, "frmReverseProgress");
  SetProgressWindow(frmReverseProgress);
  Make(w.ReverseProperties, frmReverseProperties, "frmReverseProperties");
  Make(w.DateTimeSetting, frmDateTimeSetting, "frmDateTimeSetting");
  TfMB::Instance();
  CreationOrder << QStringLiteral("fMB");
  Make(w.PrintProperties, frmPrintProperties, "frmPrintProperties");
  frmPrintProperties->SetPrinterSetupAction(dmMain->acSetPrinter);
  Make(w.DocumentationProperties, frmDocumentationProperties, "frmDocumentationProperties", dmMain);

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
