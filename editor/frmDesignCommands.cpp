// The schema-wide commands of a schema window: the model check, the script, the
// documentation and the automatic arrangement.
#include "editor/frmDesign.h"

#include "Interface/MorvikInterface.h"
#include "diagram/ScrolledScrollBox.h"
#include "editor/LayoutManager.h"
#include "editor/VisualModel.h"
#include "editor/frmErrorBrowser.h"
#include "ui/Exception.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QDateTime>
#include <QFileInfo>
#include <QUrl>

namespace {

// The busy cursor for as long as it lives.
class TBusyCursor {
public:
  explicit TBusyCursor(TDesignHost* Host) : FHost(Host) {
    if (FHost) FHost->SetBusy(true);
  }
  ~TBusyCursor() {
    if (FHost) FHost->SetBusy(false);
  }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
  TDesignHost* FHost;
};

} // namespace

QString TfrmDesign::CheckModel() {
  auto* errors = qobject_cast<TfrmErrorBrowser*>(ErrorBrowser);
  if (!errors) return QString();
  const QString summary = errors->RunCheck();
  VisualModel->CheckedAt = QDateTime::currentDateTime();
  const int count = errors->ErrorCount();
  // Shown without findings or hidden with them: the list changes sides.
  if (!errors->isHidden() == (count < 1)) ToggleDockedWindow(errors, false);
  return summary;
}

int TfrmDesign::ErrorCount() const {
  auto* errors = qobject_cast<TfrmErrorBrowser*>(ErrorBrowser);
  return errors ? errors->ErrorCount() : 0;
}

void TfrmDesign::CheckModelCommand() {
  const QString summary = CheckModel();
  MB(summary, QStringLiteral("Kontrola chyb"), mtInformation, MsgButtons({mbOK}), mbOK);
}

void TfrmDesign::GenerateScript() {
  CheckModel();
  const int count = ErrorCount();
  if (count > 0 &&
      MB(QStringLiteral("Projekt obsahuje chyby (celkem ") + QString::number(count) +
             QStringLiteral(").\nPřejete si přesto vygenerovat skript?"),
         QStringLiteral("Projekt obsahuje chyby"), mtConfirmation, MsgButtons({mbYes, mbNo}), mbYes) != mrYes)
    return;
  // The document takes only a complete script; a failure keeps the one it had.
  QString script;
  try {
    TBusyCursor busy(FHost);
    if (!Model) throw ui::Exception(QStringLiteral("Schéma není spojeno s modelem databáze."));
    script = QString::fromUtf8(Model->Generate());
  } catch (...) {
    const QString message = ui::MessageOf(std::current_exception(), ui::UnexpectedErrorText());
    if (FHost) FHost->ShowJoinedMessage(QStringLiteral("Chyba při generování skriptu."), message);
    return;
  }
  VisualModel->Script = script;
  if (FHost) FHost->ShowScript(this, VisualModel->Script, QStringLiteral("Vygenerovaný skript"));
}

void TfrmDesign::ShowScript() {
  if (FHost)
    FHost->ShowScript(this, VisualModel->Script,
                      QStringLiteral("Vygenerovaný skript projektu \"") + VisualModel->SchemeName +
                          QLatin1Char('"'));
}

void TfrmDesign::DocumentationProperties() {
  if (!FHost) return;
  const QString before = VisualModel->DocumentationPath;
  const QString path = FHost->DocumentationProperties(this);
  if (!path.isEmpty()) VisualModel->DocumentationPath = path;
  // The path is saved with the schema.
  if (VisualModel->DocumentationPath != before) SetModified(true, mkDrawing);
}

QString TfrmDesign::DocumentationFile(const QString& Path) {
  if (Path.isEmpty()) return QString();
  // An address ("http://...", "file:...") is no path of this computer's file system.
  const QUrl asUrl(Path);
  if (asUrl.isValid() && asUrl.scheme().size() > 1) return QString();
  const QFileInfo file(Path);
  if (!file.isAbsolute() || !file.isFile() || file.isExecutable()) return QString();
  const QString suffix = file.suffix().toLower();
  if (suffix != QLatin1String("html") && suffix != QLatin1String("htm")) return QString();
  return file.absoluteFilePath();
}

void TfrmDesign::ShowSchemeInfo() {
  if (FHost) FHost->ShowSchemeInfo(this);
}

void TfrmDesign::ShowDocumentation() {
  const QString path = VisualModel->DocumentationPath;
  if (path.isEmpty()) return;
  const QString file = DocumentationFile(path);
  if (file.isEmpty() || !FHost || !FHost->OpenLocalUrl(QUrl::fromLocalFile(file)))
    MB(QStringLiteral("Nemohu spustit prohlížeč HTML souborů."), QStringLiteral("Chyba!"), mtError,
       MsgButtons({mbOK}), mbOK);
}

void TfrmDesign::Arrange() {
  if (MB(QStringLiteral("Opravdu si přejete přerovnat schéma?"), QString(), mtConfirmation,
         MsgButtons({mbYes, mbNo}), mbYes) != mrYes)
    return;
  ClearSelection();
  SetZoom(1000, 0, 0);
  sbxDesktop->SetHorzPosition(0);
  sbxDesktop->SetVertPosition(0);
  {
    TBusyCursor busy(FHost);
    ArrangeElements(HorzRange(), VertRange());
  }
  SetModified(true, mkDrawing);
}

void TfrmDesign::ArrangeElements(int Right, int Bottom) {
  TLayoutManager layout;
  layout.ArrangeAll(VisualModel.get(), Right, Bottom);
}
