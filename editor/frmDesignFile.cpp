// The schema window's file and clipboard: saving and loading the schema file, save as, and
// copying and pasting elements as clipboard text. The window works at 100 % while it writes
// or reads positions and returns to its zoom and view afterwards.
#include "editor/SchemaClipboard.h"
#include "editor/SchemaFile.h"
#include "editor/Repository.h"
#include "editor/RepositoryStream.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"
#include "Interface/MorvikInterface.h"
#include "diagram/ScrolledScrollBox.h"
#include "ui/Exception.h"
#include "ui/MB.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <exception>
#include <memory>

namespace {

QString FailureText(std::exception_ptr Error) {
  return ui::MessageOf(Error, QStringLiteral("Neznámá chyba."));
}

// The hourglass for the life of a long operation, or until End.
class TBusy {
public:
  explicit TBusy(TDesignHost* Host) : FHost(Host) {
    if (FHost) FHost->SetBusy(true);
  }
  ~TBusy() { End(); }
  TBusy(const TBusy&) = delete;
  TBusy& operator=(const TBusy&) = delete;
  void End() {
    if (FHost) FHost->SetBusy(false);
    FHost = nullptr;
  }

private:
  TDesignHost* FHost;
};

// The program's progress window for the life of a long operation, or until End; started
// with Caption and Max steps when a caption is given.
class TShownProgress {
public:
  TShownProgress(TDesignHost* Host, const char* Caption, int Max) : FHost(Host) {
    if (!FHost) return;
    FHost->ShowProgress(true);
    if (Caption)
      if (Morvik::TProgress* progress = Progress()) progress->Start(Caption, Max);
  }
  ~TShownProgress() { End(); }
  TShownProgress(const TShownProgress&) = delete;
  TShownProgress& operator=(const TShownProgress&) = delete;

  Morvik::TProgress* Progress() const { return FHost ? FHost->ReverseProgress() : nullptr; }
  void Step(const char* Text) {
    if (Morvik::TProgress* progress = Progress()) progress->Step(Text);
  }
  void End() {
    if (FHost) FHost->ShowProgress(false);
    FHost = nullptr;
  }

private:
  TDesignHost* FHost;
};

} // namespace

// ---- View at 100 % ---------------------------------------------------------------------

TfrmDesign::TViewState TfrmDesign::SaveView() const {
  return TViewState{FZoom, sbxDesktop->HorzPosition(), sbxDesktop->VertPosition()};
}

void TfrmDesign::RestoreView(const TViewState& View) noexcept {
  try {
    if (FZoom != View.Zoom) SetZoomCentered(View.Zoom);
    sbxDesktop->SetHorzPosition(View.H);
    sbxDesktop->SetVertPosition(View.V);
  } catch (...) {
    ReportError(FailureText(std::current_exception()));
  }
}

// ---- TSchemaHost ------------------------------------------------------------------------

ui::TDesktop* TfrmDesign::SchemaDesktop() { return Desktop; }
TVisualModel& TfrmDesign::SchemaDocument() { return *VisualModel; }
Morvik::TModel* TfrmDesign::SchemaModel() { return Model; }
int TfrmDesign::SchemaZoom() const { return FZoom; }
TElementHandlers TfrmDesign::SchemaHandlers() { return ElementHandlers(); }
void TfrmDesign::AddToBrowser(TMorvikGraphic* Element) { ElementAdded(Element); }

void TfrmDesign::RunModelCheck() {
  CheckModel();
  if (OnModelChecked) OnModelChecked();
}

// ---- Saving -----------------------------------------------------------------------------

bool TfrmDesign::Save() { return VisualModel->FileName.isEmpty() ? SaveAs() : SaveSchema(); }

bool TfrmDesign::SaveAs() {
  const QString preset = VisualModel->FileName.isEmpty() ? VisualModel->SchemeName : VisualModel->FileName;
  const QString chosen = FHost ? FHost->AskSaveFileName(preset) : QString();
  if (chosen.isEmpty()) return false;
  if (QFileInfo::exists(chosen) &&
      MB(QStringLiteral("Soubor ") + chosen + QStringLiteral(" existuje.\nPřepsat?"),
         QStringLiteral("Soubor existuje"), mtConfirmation, MsgButtons({mbOK, mbCancel}), mbOK) != mrOk)
    return false;
  // The window takes the new name only when the schema is in its new file.
  if (!SaveSchemaTo(chosen)) return false;
  SetFileName(chosen, QString());
  return true;
}

bool TfrmDesign::SaveSchema() { return SaveSchemaTo(VisualModel->FileName); }

bool TfrmDesign::SaveSchemaTo(const QString& Path) {
  TBusy busy(FHost);
  TShownProgress progress(FHost, "Ukládání schématu", 7);
  const TViewState view = SaveView();
  try {
    if (FZoom != 1000) SetZoomCentered(1000);
    const ui::TPoint origin{sbxDesktop->HorzPosition(), sbxDesktop->VertPosition()};
    const TSchemaDesktop desktop{FDesktopWidthPag, FDesktopHeightPag, FDesktopWidthPix, FDesktopHeightPix};
    // The schema goes into the file as it is written; only names of the plug-in that read as
    // paths need the whole tree kept first (the file begun is dropped).
    auto store = std::make_unique<TRepository>(TRepository::TStreamed{Path});
    try {
      WriteSchema(*store, *VisualModel, Model, desktop, origin, progress.Progress());
    } catch (const ERepositoryStreamOrder&) {
      store = std::make_unique<TRepository>();
      WriteSchema(*store, *VisualModel, Model, desktop, origin);
    }
    RestoreView(view);
    progress.Step("Fyzické uložení souboru na disk");
    // The store replaces the file only when all of it was written.
    store->SaveToFile(Path);
  } catch (...) {
    RestoreView(view);
    progress.End();
    busy.End();
    const QString message = FailureText(std::current_exception());
    if (FHost) FHost->ShowJoinedMessage(QStringLiteral("Chyba při ukládání schématu."), message);
    return false;
  }
  SetModified(false, mkNothing);
  if (FHost) FHost->AddReopenFile(Path);
  progress.End();
  return true;
}

// ---- Loading ----------------------------------------------------------------------------

bool TfrmDesign::LoadSchema() {
  TBusy busy(FHost);
  TShownProgress progress(FHost, "Načítání schématu", 7);
  bool loaded = false;
  try {
    TRepository store;
    progress.Step("Fyzické načtení souboru z disku");
    store.LoadFromFile(VisualModel->FileName);
    progress.Step("Základní nastavení schématu");
    const TSchemaIdentity identity = ReadSchemaIdentity(store);
    if (!BindModel(identity.DLLFileName, identity.DBModelName, identity.DLLVersion))
      throw ui::Exception(QStringLiteral("Nepodařilo se načíst příslušnou DLL knihovnu!"));
    ReadSchemaModel(store, Model);
    if (FZoom != 1000) SetZoomCentered(1000);
    const TSchemaDesktop desktop = ReadSchemaDesktop(store);
    SetDesktopSize(desktop.WidthPag, desktop.HeightPag, desktop.WidthPix, desktop.HeightPix);
    const ui::TPoint origin = ReadViewOrigin(store, ui::TPoint{HorzRange() / 2, VertRange() / 2});
    sbxDesktop->SetHorzPosition(origin.x);
    sbxDesktop->SetVertPosition(origin.y);
    ReadSchemaElements(*this, store, origin, progress.Progress());
    loaded = true;
  } catch (...) {
    progress.End();
    const QString message = FailureText(std::current_exception());
    if (FHost) FHost->ShowJoinedMessage(QStringLiteral("Chyba při načítání schématu."), message);
  }
  KeepAllInsideDesktop();
  UpdateCaption();
  SetModified(false, mkModel);
  progress.End();
  if (loaded) RunModelCheck();
  return loaded;
}

// ---- Clipboard --------------------------------------------------------------------------

bool TfrmDesign::CopyToClipboard() {
  const TViewState view = SaveView();
  QString text;
  try {
    if (FZoom != 1000) SetZoomCentered(1000);
    text = CopySchemaText(*VisualModel, Selection,
                          ui::TPoint{sbxDesktop->HorzPosition(), sbxDesktop->VertPosition()});
  } catch (...) {
    RestoreView(view);
    const QString message = FailureText(std::current_exception());
    if (FHost) FHost->ShowJoinedMessage(QStringLiteral("Chyba při ukládání do schránky."), message);
    return false;
  }
  RestoreView(view);
  QGuiApplication::clipboard()->setText(text);
  return true;
}

bool TfrmDesign::PasteFromClipboard() {
  TBusy busy(FHost);
  TShownProgress progress(FHost, nullptr, 0);
  const TViewState view = SaveView();
  const QString text = QGuiApplication::clipboard()->text();
  TPastedElements pasted;
  TPasteResult result = TPasteResult::NoSchemaData;
  try {
    if (FZoom != 1000) SetZoomCentered(1000);
    ClearSelection();
    result = PasteSchemaText(*this, text, ui::TPoint{sbxDesktop->HorzPosition(), sbxDesktop->VertPosition()},
                             &pasted);
  } catch (...) {
    // The paste took away again what it had made.
    RestoreView(view);
    progress.End();
    busy.End();
    const QString message = FailureText(std::current_exception());
    if (FHost) FHost->ShowJoinedMessage(QStringLiteral("Chyba při načítání ze schránky"), message);
    return false;
  }
  RestoreView(view);
  if (result != TPasteResult::Pasted) {
    progress.End();
    busy.End();
  }
  if (result == TPasteResult::OtherModel)
    MB(IncompatibleModelText, QStringLiteral("Chyba!"), mtError, MsgButtons({mbOK}));
  if (result != TPasteResult::Pasted) return false;
  for (TMorvikGraphic* element : pasted.Selected) Select(element);
  KeepAllInsideDesktop();
  SetModified(true, mkModel);
  progress.End();
  RunModelCheck();
  return true;
}

void TfrmDesign::Cut() {
  // Nothing is deleted that the clipboard does not hold.
  if (CopyToClipboard()) DeleteSelection();
}
