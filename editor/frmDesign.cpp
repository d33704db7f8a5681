#include "editor/frmDesign.h"

#include "editor/PluginText.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/Resizer.h"
#include "diagram/ScrolledScrollBox.h"
#include "diagram/TextLabel.h"
#include "editor/AttributeRows.h"
#include "editor/CreateComp.h"
#include "editor/DesignHost.h"
#include "editor/DesignMouse.h"
#include "editor/DesignSamples.h"
#include "editor/Ruler.h"
#include "editor/VisualModel.h"
#include "editor/frmBrowser.h"
#include "editor/frmErrorBrowser.h"
#include "ui/Color.h"
#include "ui/Exception.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"
#include "ui/ScopeGuard.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <QtDebug>
#include <algorithm>
#include <dlfcn.h>
#include <exception>

namespace {

// A desktop size from a settings text: the default when the text is no number or lies
// outside 0 ... Max (a non-positive pixel size counts as outside).
int SizeFromText(const QString& Text, int Default, int Min, int Max) {
  bool ok = false;
  const int value = Text.trimmed().toInt(&ok);
  return ok && value >= Min && value <= Max ? value : Default;
}

void ClearLayout(QWidget* Panel) {
  auto* layout = new QVBoxLayout(Panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
}

} // namespace

void TDesignDesktop::Notification(ui::TComponent* AComponent, ui::TOperation Operation) {
  ui::TDesktop::Notification(AComponent, Operation);
  if (Operation == ui::TOperation::opRemove && OnRemoved) OnRemoved(AComponent);
}

void TDesignDesktop::contextMenuEvent(QContextMenuEvent* Event) { Event->accept(); }

TfrmDesign::TfrmDesign(TDesignHost* Host, QWidget* Parent)
    : QWidget(Parent), FHost(Host), FMouse(std::make_unique<TDesignMouse>(*this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setMinimumSize(300, 200);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);
  setFont(f);
  CreateComponents();

  VisualModel = std::make_unique<TVisualModel>();
  VisualModel->Script.clear();
  VisualModel->DocumentationPath.clear();

  const TDesignSamples* samples = TDesignSamples::Current();
  Desktop->SetColor(samples ? samples->DesktopColor : TDesignSamples::InitDesktopColor);

  FZoom = 1000;
  UpdateZoomCombo();
  InitialDesktopSize();
  sbxDesktop->SetHorzPosition(HorzRange() / 2);
  sbxDesktop->SetVertPosition(VertRange() / 2);

  CreateBrowsers();
  SetModified(false, mkModel);
  if (Browser) ToggleDockedWindow(Browser, true);
}

TfrmDesign::~TfrmDesign() {
  // The browsers point at elements; they go first, then the elements and the document,
  // and only then the model and the library its code lives in.
  delete Browser;
  Browser = nullptr;
  delete ErrorBrowser;
  ErrorBrowser = nullptr;
  Selection.clear();
  FSelected.clear();
  // The controls of a drag under way go before the desktop they stand on.
  FMouse.reset();
  Desktop->OnRemoved = nullptr;
  FZoomMemory.Clear();
  delete Desktop;
  Desktop = nullptr;
  VisualModel.reset();
  FreeModelLibrary();
}

void TfrmDesign::CreateComponents() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(0, 0, 0, 0);
  spLeft = new QSplitter(Qt::Horizontal, this);
  spLeft->setObjectName(QStringLiteral("spLeft"));
  spLeft->setHandleWidth(2);
  spLeft->setChildrenCollapsible(false);
  root->addWidget(spLeft);

  pnLeftDock = new QWidget(spLeft);
  pnLeftDock->setObjectName(QStringLiteral("pnLeftDock"));
  ClearLayout(pnLeftDock);
  pnLeftDock->hide();
  spLeft->addWidget(pnLeftDock);

  spBottom = new QSplitter(Qt::Vertical, spLeft);
  spBottom->setObjectName(QStringLiteral("spBottom"));
  spBottom->setHandleWidth(2);
  spBottom->setChildrenCollapsible(false);
  spLeft->addWidget(spBottom);
  spLeft->setStretchFactor(1, 1);

  pnBack = new QWidget(spBottom);
  pnBack->setObjectName(QStringLiteral("pnBack"));
  spBottom->addWidget(pnBack);
  pnBottomDock = new QWidget(spBottom);
  pnBottomDock->setObjectName(QStringLiteral("pnBottomDock"));
  ClearLayout(pnBottomDock);
  pnBottomDock->hide();
  spBottom->addWidget(pnBottomDock);
  spBottom->setStretchFactor(0, 1);

  auto* grid = new QGridLayout(pnBack);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  pbTopRuler = new TRuler(pnBack);
  pbTopRuler->setObjectName(QStringLiteral("pbTopRuler"));
  pbTopRuler->setFixedHeight(RulerSize);
  pbLeftRuler = new TRuler(pnBack);
  pbLeftRuler->setObjectName(QStringLiteral("pbLeftRuler"));
  pbLeftRuler->setFixedWidth(RulerSize);
  sbxDesktop = new TScrolledScrollBox(pnBack);
  sbxDesktop->setObjectName(QStringLiteral("sbxDesktop"));
  sbxDesktop->setFrameShape(QFrame::NoFrame);
  sbxDesktop->setWidgetResizable(false);
  sbxDesktop->setBackgroundRole(QPalette::Dark);
  // Beyond the desktop's extent a right click does nothing, no menu either.
  sbxDesktop->setContextMenuPolicy(Qt::PreventContextMenu);
  grid->addWidget(pbTopRuler, 0, 0, 1, 2);
  grid->addWidget(pbLeftRuler, 1, 0);
  grid->addWidget(sbxDesktop, 1, 1);

  Desktop = new TDesignDesktop();
  Desktop->setObjectName(QStringLiteral("Desktop"));
  sbxDesktop->setWidget(Desktop);

  pbTopRuler->OnPaint = [this](QPainter& p) { pbTopRulerPaint(p); };
  pbLeftRuler->OnPaint = [this](QPainter& p) { pbLeftRulerPaint(p); };
  pbTopRuler->OnError = pbLeftRuler->OnError = [this](const QString& m) { ReportError(m); };
  Desktop->OnError = [this](const QString& m) { ReportError(m); };
  Desktop->OnRemoved = [this](ui::TComponent* c) {
    FZoomMemory.Forget(c);
    FMouse->Forget(c);
    if (FSelected.remove(c))
      Selection.erase(std::remove_if(Selection.begin(), Selection.end(),
                                     [c](TMorvikGraphic* s) { return static_cast<ui::TComponent*>(s) == c; }),
                      Selection.end());
  };
  Desktop->OnMouseDown = [this](ui::TObject*, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
    FMouse->sbxDesktopMouseDown(b, sh, x, y);
  };
  Desktop->OnMouseMove = [this](ui::TObject*, ui::TShiftState sh, int x, int y) {
    FMouse->sbxDesktopMouseMove(sh, x, y);
  };
  Desktop->OnMouseUp = [this](ui::TObject*, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
    FMouse->sbxDesktopMouseUp(b, sh, x, y);
  };
  sbxDesktop->OnScroll = [this](TScrolledScrollBox*) { sbxDesktopScroll(); };
  sbxDesktop->OnChangedPosition = [this](TScrolledScrollBox*, TSettingPosition Which, int Old, int New) {
    sbxDesktopChangedPosition(Which, Old, New);
  };
}

// ---- Desktop size ------------------------------------------------------------------

int TfrmDesign::HorzRange() const {
  return static_cast<int>(static_cast<long long>(FDesktopWidthPix) * FZoom / 1000);
}

int TfrmDesign::VertRange() const {
  return static_cast<int>(static_cast<long long>(FDesktopHeightPix) * FZoom / 1000);
}

int TfrmDesign::ClientWidth() const { return sbxDesktop->viewport()->width(); }
int TfrmDesign::ClientHeight() const { return sbxDesktop->viewport()->height(); }

void TfrmDesign::SizeDesktopWidget() {
  Desktop->resize(HorzRange(), VertRange());
  // The scroll box takes the new ranges only when it next lays out (not before the window
  // is shown); positions set meanwhile must not be cut to the old ones.
  sbxDesktop->horizontalScrollBar()->setRange(0, std::max(0, HorzRange() - ClientWidth()));
  sbxDesktop->verticalScrollBar()->setRange(0, std::max(0, VertRange() - ClientHeight()));
}

void TfrmDesign::InitialDesktopSize() {
  const TDesignSamples* s = TDesignSamples::Current();
  const QSize page = FHost ? FHost->PrinterPageSize() : QSize();
  const int pagesW =
      SizeFromText(s ? s->DesktopWPag : QString(), DefaultPages, 0, TDesignSamples::MaxDesktopPag);
  const int pagesH =
      SizeFromText(s ? s->DesktopHPag : QString(), DefaultPages, 0, TDesignSamples::MaxDesktopPag);
  if (pagesW != 0 && pagesH != 0 && !page.isEmpty()) {
    SetDesktopSize(pagesW, pagesH, pagesW * page.width(), pagesH * page.height());
    return;
  }
  SetDesktopSize(
      0, 0, SizeFromText(s ? s->DesktopWPix : QString(), DefaultWidthPix, 1, TDesignSamples::MaxDesktopPix),
      SizeFromText(s ? s->DesktopHPix : QString(), DefaultHeightPix, 1, TDesignSamples::MaxDesktopPix));
}

bool TfrmDesign::SetDesktopSize(int PagesW, int PagesH, int PixW, int PixH) {
  if (PagesW == FDesktopWidthPag && PagesH == FDesktopHeightPag && PixW == FDesktopWidthPix &&
      PixH == FDesktopHeightPix)
    return false;
  FDesktopWidthPag = PagesW;
  FDesktopHeightPag = PagesH;
  FDesktopWidthPix = PixW;
  FDesktopHeightPix = PixH;
  SizeDesktopWidget();
  KeepAllInsideDesktop();
  RepaintRulers(rulBoth);
  return true;
}

void TfrmDesign::ReapplyDesktopSize() {
  SetDesktopSize(FDesktopWidthPag, FDesktopHeightPag, FDesktopWidthPix, FDesktopHeightPix);
}

void TfrmDesign::KeepInsideDesktop(ui::TControl* Element) {
  if (!Element) return;
  int left = Element->Left(), top = Element->Top();
  if (left < 0)
    left = 0;
  else if (left + Element->Width() > HorzRange())
    left = HorzRange() - Element->Width();
  if (top < 0)
    top = 0;
  else if (top + Element->Height() > VertRange())
    top = VertRange() - Element->Height();
  if (left != Element->Left() || top != Element->Top())
    Element->SetBounds(left, top, Element->Width(), Element->Height());
}

void TfrmDesign::KeepAllInsideDesktop() {
  if (!VisualModel) return;
  for (TEntity* e : VisualModel->Entities) KeepInsideDesktop(e);
  for (TNote* n : VisualModel->Notes) KeepInsideDesktop(n);
  for (TTextLabel* t : VisualModel->TextLabels) KeepInsideDesktop(t);
  if (VisualModel->ProjectInfo) KeepInsideDesktop(VisualModel->ProjectInfo);
}

// ---- Rulers ------------------------------------------------------------------------

void TfrmDesign::RepaintRulers(TRulers Which) {
  if (Which != rulTop) pbLeftRuler->update();
  if (Which != rulLeft) pbTopRuler->update();
}

void TfrmDesign::SetRulersVisible(bool Visible) {
  pbTopRuler->setVisible(Visible);
  pbLeftRuler->setVisible(Visible);
}

QString TfrmDesign::PageLetter(int Index) {
  QString letters;
  for (int n = Index; n >= 0; n = n / 26 - 1) letters.prepend(QChar(u'A' + n % 26));
  return letters;
}

void TfrmDesign::PaintHatch(QPainter& Painter, const QRect& Area) {
  if (Area.isEmpty()) return;
  Painter.fillRect(Area, QBrush(Qt::white, Qt::DiagCrossPattern));
}

void TfrmDesign::pbTopRulerPaint(QPainter& Painter) {
  const int w = pbTopRuler->width(), h = pbTopRuler->height();
  Painter.fillRect(0, 0, w, h, palette().color(QPalette::Button));
  Painter.setPen(QPen(Qt::black, 0, Qt::SolidLine));
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(7);
  Painter.setFont(font);
  const int pos = sbxDesktop->HorzPosition();
  const int range = HorzRange();
  const QSize page = FHost ? FHost->PrinterPageSize() : QSize();
  if (page.width() > 0 && page.height() > 0) {
    const long long step = static_cast<long long>(page.width()) * FZoom / 1000;
    for (long long p = 0; step > 0 && p < range; p += step) {
      if (p < pos || p > pos + ClientWidth()) continue;
      const int x = static_cast<int>(p) + RulerSize - pos;
      Painter.drawLine(x, 0, x, RulerSize);
      const QRect clip(QPoint(x + 4, 0), QPoint(x + static_cast<int>(step) - 2 - 1, RulerSize - 1));
      Painter.save();
      Painter.setClipRect(clip);
      Painter.drawText(QRect(x + 4, -1, static_cast<int>(step), RulerSize + 1), Qt::AlignLeft | Qt::AlignTop,
                       PageLetter(static_cast<int>(p / step)));
      Painter.restore();
    }
  }
  const int beyond = range + RulerSize - pos;
  PaintHatch(Painter, QRect(QPoint(std::max(beyond, 0), 0), QPoint(w - 1, h - 1)));
}

void TfrmDesign::pbLeftRulerPaint(QPainter& Painter) {
  const int w = pbLeftRuler->width(), h = pbLeftRuler->height();
  Painter.fillRect(0, 0, w, h, palette().color(QPalette::Button));
  Painter.setPen(QPen(Qt::black, 0, Qt::SolidLine));
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(7);
  Painter.setFont(font);
  const int pos = sbxDesktop->VertPosition();
  const int range = VertRange();
  const QSize page = FHost ? FHost->PrinterPageSize() : QSize();
  if (page.width() > 0 && page.height() > 0) {
    const long long step = static_cast<long long>(page.height()) * FZoom / 1000;
    for (long long p = 0; step > 0 && p < range; p += step) {
      if (p < pos || p > pos + ClientHeight()) continue;
      const int y = static_cast<int>(p) - pos;
      Painter.drawLine(0, y, RulerSize, y);
      const QRect clip(QPoint(0, y + 4), QPoint(RulerSize - 1, y + static_cast<int>(step) - 4 - 1));
      Painter.save();
      Painter.setClipRect(clip);
      Painter.drawText(QRect(0, y + 4, RulerSize, static_cast<int>(step)), Qt::AlignLeft | Qt::AlignTop,
                       QString::number(p / step + 1));
      Painter.restore();
    }
  }
  const int beyond = range - pos;
  PaintHatch(Painter, QRect(QPoint(0, std::max(beyond, 0)), QPoint(w - 1, h - 1)));
}

void TfrmDesign::sbxDesktopScroll() { RepaintRulers(rulBoth); }

void TfrmDesign::sbxDesktopChangedPosition(TSettingPosition Direction, int, int) {
  RepaintRulers(Direction == spVertical ? rulLeft : rulTop);
}

// ---- Zoom --------------------------------------------------------------------------

void TfrmDesign::SetZoom(int PerMille, int X, int Y) {
  PerMille = std::clamp(PerMille, MinZoom, MaxZoom);
  if (PerMille == FZoom) return;
  const TView before{FZoom, sbxDesktop->HorzPosition(), sbxDesktop->VertPosition(), X, Y};
  const int oldZoom = FZoom;
  FZoomMemory.BeforeZoom(Desktop, FZoom);
  {
    // The desktop paints once, when the elements and the view are in place.
    Desktop->setUpdatesEnabled(false);
    const ui::TScopeGuard updates([this] { Desktop->setUpdatesEnabled(true); });
    if (FZoom > PerMille)
      while (FZoom > PerMille) ScaleDesktop(FZoom / 2);
    else
      while (FZoom < PerMille) ScaleDesktop(FZoom * 2);
    if (FZoom == 1000) FZoomMemory.RestoreNatural();
    AdjustAfterScaling(FZoom);
    if (FZoom == 1000) {
      for (int i = 0; i < Desktop->ComponentCount(); ++i)
        if (auto* a = dynamic_cast<TMorvikAbstract*>(Desktop->Component(i))) a->AdjustScaling(-1);
      FZoomMemory.RestoreNatural();
    }
    FZoomMemory.AfterZoom(FZoom);
    // Back to the view the last zoom started from when nothing moved since; else the point
    // under (X, Y) becomes the centre, by the exact ratio of the two zooms.
    const TView now{oldZoom, before.H, before.V, X, Y};
    int h, v;
    if (FViewAfter == now && FViewBefore.Zoom == FZoom) {
      h = FViewBefore.H;
      v = FViewBefore.V;
    } else {
      h = static_cast<int>(static_cast<long long>(X + before.H) * FZoom / oldZoom - ClientWidth() / 2);
      v = static_cast<int>(static_cast<long long>(Y + before.V) * FZoom / oldZoom - ClientHeight() / 2);
    }
    sbxDesktop->SetHorzPosition(h);
    sbxDesktop->SetVertPosition(v);
    FViewBefore = before;
    FViewAfter = TView{FZoom, sbxDesktop->HorzPosition(), sbxDesktop->VertPosition(), X, Y};
  }
  Desktop->update();
  RepaintRulers(rulBoth);
  UpdateZoomCombo();
}

void TfrmDesign::ScaleDesktop(int NewZoom) {
  if (NewZoom == FZoom) return;
  const int m = NewZoom, d = FZoom;
  FZoom = NewZoom;
  std::vector<ui::TControl*> controls;
  controls.reserve(static_cast<size_t>(Desktop->ControlCount()));
  for (int i = 0; i < Desktop->ControlCount(); ++i) controls.push_back(Desktop->Control(i));
  for (ui::TControl* c : controls) c->ChangeScale(m, d);
  SizeDesktopWidget();
}

void TfrmDesign::AdjustAfterScaling(int PerMille) {
  std::vector<TMorvikAbstract*> handles;
  for (int i = 0; i < Desktop->ComponentCount(); ++i) {
    auto* a = dynamic_cast<TMorvikAbstract*>(Desktop->Component(i));
    if (!a) continue;
    if (dynamic_cast<TResizer*>(a)) {
      handles.push_back(a);
      continue;
    }
    if (dynamic_cast<TRelation*>(a) || dynamic_cast<TTextLabel*>(a)) continue;
    if (auto* e = dynamic_cast<TEntity*>(a)) e->SetImages(PerMille == 1000 ? DesignImages() : nullptr);
    a->AdjustAfterScaling();
  }
  for (TRelation* r : VisualModel->Relations) r->AdjustAfterScaling();
  for (TTextLabel* t : VisualModel->TextLabels) t->AdjustAfterScaling();
  for (TMorvikAbstract* h : handles) h->AdjustAfterScaling();
}

void TfrmDesign::SetZoomCentered(int PerMille) { SetZoom(PerMille, ClientWidth() / 2, ClientHeight() / 2); }

void TfrmDesign::UpdateZoomCombo() {
  if (FZoom != 0 && FHost) FHost->ShowZoom(this, FZoom);
}

// ---- Modified state, caption, close ----------------------------------------------------

void TfrmDesign::SetModified(bool Modified, TModifiedKind Kind) {
  const bool previous = FModified;
  FModified = Modified;
  const QDateTime now = QDateTime::currentDateTime();
  if (Modified) {
    VisualModel->UpdatedAt = now;
    if (VisualModel->ProjectInfo) VisualModel->ProjectInfo->SetUpdatedAt(now);
  }
  if (previous != Modified && FHost) FHost->ModifiedChanged(this);
  if (Kind == mkModel || Kind == mkCreation) {
    VisualModel->ChangedAt = now;
    // Every structural change re-runs the model check into the error list.
    if (Modified) CheckModel();
  }
}

void TfrmDesign::SetFileName(const QString& FileName, const QString& Name) {
  if (FileName.isEmpty()) {
    VisualModel->SchemeName = Name;
    VisualModel->FileName.clear();
  } else {
    VisualModel->SchemeName = QFileInfo(FileName).fileName();
    VisualModel->FileName = FileName;
  }
  UpdateCaption();
}

void TfrmDesign::UpdateCaption() {
  setWindowTitle(VisualModel->SchemeName + QStringLiteral(" (") + VisualModel->DBModelName +
                 QStringLiteral(")"));
}

bool TfrmDesign::QuerySaveChanges() {
  if (!FModified) return true;
  const auto answer =
      MB(QStringLiteral("Projekt ") + VisualModel->SchemeName +
             QStringLiteral(" byl změněn\nChcete uložit změny?"),
         QStringLiteral("Uložit změny?"), mtConfirmation, MsgButtons({mbYes, mbNo, mbCancel}), mbYes);
  if (answer == mrYes) return Save();
  return answer == mrNo;
}

bool TfrmDesign::FormCloseQuery() {
  try {
    return QuerySaveChanges();
  } catch (...) {
    ReportError(ui::MessageOf(std::current_exception(), QStringLiteral("Neznámá chyba.")));
    return false;
  }
}

void TfrmDesign::CloseWithoutQuery() {
  FSkipCloseQuery = true;
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    frame->close();
  else
    close();
}

void TfrmDesign::closeEvent(QCloseEvent* Event) {
  if (FSkipCloseQuery || FormCloseQuery())
    Event->accept();
  else
    Event->ignore();
}

void TfrmDesign::ReportError(const QString& Message) { ui::ReportFailureText(Message, windowTitle()); }

// ---- Plug-in binding -------------------------------------------------------------------

QString TfrmDesign::PluginPath(const QString& Folder, const QString& DLLFileName) {
  QString name = DLLFileName;
  if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..") ||
      name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char(':')))
    return QString();
  if (name.endsWith(QStringLiteral(".dll"), Qt::CaseInsensitive))
    name = name.chopped(4) + QStringLiteral(".so");
  return Folder + name;
}

bool TfrmDesign::BindModel(const QString& DLLFileName, const QString& DBModelName,
                           const QString& DLLVersion) {
  VisualModel->DLLFileName = DLLFileName;
  VisualModel->DBModelName = DBModelName;
  VisualModel->DLLVersion = DLLVersion;
  return LoadModelLibrary();
}

bool TfrmDesign::LoadModelLibrary() {
  FreeModelLibrary();
  PluginHandle = nullptr;
  Model = nullptr;
  LoadError.clear();
  const QString path = PluginPath(FHost ? FHost->PluginFolder() : QString(), VisualModel->DLLFileName);
  if (path.isEmpty()) {
    LoadError =
        QStringLiteral("\"%1\" není jméno souboru ve složce zásuvných modulů").arg(VisualModel->DLLFileName);
    return false;
  }
  PluginHandle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!PluginHandle) {
    const char* reason = dlerror();
    LoadError = reason ? QString::fromLocal8Bit(reason) : path;
    return false;
  }
  dlerror();
  auto models = reinterpret_cast<Morvik::TModelsFunc>(dlsym(PluginHandle, Morvik::ModelsExportName));
  if (!models) {
    const char* reason = dlerror();
    LoadError = reason ? QString::fromLocal8Bit(reason) : path;
    return false;
  }
  try {
    Morvik::TModels* list = models();
    if (!list) return false;
    const int index = list->IndexOf(VisualModel->DBModelName.toUtf8().constData());
    Model = list->CreateModel(index);
  } catch (...) {
    LoadError = ui::MessageOf(std::current_exception(), path);
    Model = nullptr;
  }
  return Model != nullptr;
}

void TfrmDesign::FreeModelLibrary() {
  if (!PluginHandle) return;
  delete Model;
  Model = nullptr;
  const bool failed = dlclose(PluginHandle) != 0;
  PluginHandle = nullptr;
  if (failed && FHost) FHost->ShowMessage(QStringLiteral("Nepodařilo se uvolnit knihovnu!"));
}

void TfrmDesign::BindEntityToTable(TEntity* Entity, Morvik::TTable* Table) {
  if (!Entity) return;
  if (Table) {
    Entity->SetCaption(FromPlugin(Table->GetName()));
    FillAttributeRows(*Entity, *Table);
  } else if (Model) {
    Table = Model->NewTable();
    Table->SetName(Entity->Caption().toUtf8().constData());
  }
  Entity->SetTable(Table);
}

void TfrmDesign::BindRelationToReference(TRelation* Relation, Morvik::TReference* Reference) {
  if (!Relation) return;
  if (!Reference && Model) {
    auto* base = dynamic_cast<TEntity*>(Relation->Base());
    auto* target = dynamic_cast<TEntity*>(Relation->Target());
    Reference = Model->NewReference(base ? base->Table() : nullptr, target ? target->Table() : nullptr);
  }
  Relation->SetReference(Reference);
  if (Relation->MainLabel() && Reference) Relation->MainLabel()->SetCaption(FromPlugin(Reference->GetName()));
}

// ---- Docking ---------------------------------------------------------------------------

void TfrmDesign::pnLeftDockDockDrop(QWidget* Client, int Width) {
  if (!Client) return;
  pnLeftDock->layout()->addWidget(Client);
  pnLeftDock->show();
  spLeft->setSizes({Width, std::max(spLeft->width() - Width, 1)});
}

void TfrmDesign::pnLeftDockUnDock() { pnLeftDock->hide(); }

void TfrmDesign::pnBottomDockDockDrop(QWidget* Client, int Height) {
  if (!Client) return;
  pnBottomDock->layout()->addWidget(Client);
  pnBottomDock->show();
  spBottom->setSizes({std::max(spBottom->height() - Height, 1), Height});
}

void TfrmDesign::pnBottomDockUnDock() { pnBottomDock->hide(); }

void TfrmDesign::ToggleDockedWindow(QWidget* Window, bool Left) {
  if (!Window) return;
  if (!Window->isHidden()) {
    Window->hide();
    if (Left)
      pnLeftDockUnDock();
    else
      pnBottomDockUnDock();
  } else {
    if (Left)
      pnLeftDockDockDrop(Window, std::max(Window->width(), 150));
    else
      pnBottomDockDockDrop(Window, std::max(Window->height(), 100));
    Window->show();
  }
  Desktop->update();
}
