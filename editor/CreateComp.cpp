#include "editor/CreateComp.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/ResizeBox.h"
#include "diagram/ResizeLine.h"
#include "diagram/SelectingRect.h"
#include "diagram/TextLabel.h"
#include "editor/DesignSamples.h"
#include "ui/Desktop.h"

#include <QStringList>
#include <algorithm>
#include <memory>

namespace {

ui::TImageList* FactoryImages = nullptr;

// Construction with the desktop as owner and parent, the sample's look and the zoom.
template <class T>
std::unique_ptr<T> Construct(ui::TDesktop* Desktop, const TMorvikGraphic* Sample, int M, int D) {
  auto element = std::make_unique<T>(Desktop);
  element->SetParent(Desktop);
  if (Sample) TDesignSamples::CopyLook(element.get(), Sample);
  element->ChangeScale(M, D);
  return element;
}

template <class T>
void SetHandlers(T* Element, const TElementHandlers& Handlers) {
  Element->OnMouseDown = Handlers.OnMouseDown;
  Element->OnMouseMove = Handlers.OnMouseMove;
  Element->OnMouseUp = Handlers.OnMouseUp;
  Element->OnDblClick = Handlers.OnDblClick;
}

const TDesignSamples* Samples() { return TDesignSamples::Current(); }

bool IsEntity(const TRectangle* R) { return dynamic_cast<const TEntity*>(R) != nullptr; }
bool IsNoteOrLabel(const TRectangle* R) {
  return dynamic_cast<const TNote*>(R) != nullptr || dynamic_cast<const TTextLabel*>(R) != nullptr;
}

} // namespace

int WithinDesktop(long long Value, int M, int D) {
  const long long extent = M > 0 && D > 0 ? static_cast<long long>(TDesignSamples::MaxDesktopPix) * M / D
                                          : TDesignSamples::MaxDesktopPix;
  return static_cast<int>(std::clamp<long long>(Value, 0, extent));
}

void SetDesignImages(ui::TImageList* Images) { FactoryImages = Images; }
ui::TImageList* DesignImages() { return FactoryImages; }

TEntity* CreateEntity(ui::TDesktop* Desktop, int M, int D, const QString& Name, const QString& Caption,
                      int Left, int Top, int Width, int Height, bool DrawAll, bool IsNew, bool AutoSize,
                      const TElementHandlers& Handlers) {
  auto e = Construct<TEntity>(Desktop, Samples() ? Samples()->DefEntity : nullptr, M, D);
  e->SetName(Name);
  e->SetCaption(Caption);
  e->SetAutoSize(AutoSize);
  e->SetBounds(WithinDesktop(Left, M, D), WithinDesktop(Top, M, D), WithinDesktop(Width, M, D),
               WithinDesktop(Height, M, D));
  e->SetDrawAll(DrawAll);
  e->SetIsNew(IsNew);
  e->SetImages(FactoryImages);
  e->SetValid(true);
  SetHandlers(e.get(), Handlers);
  return e.release();
}

TNote* CreateNote(ui::TDesktop* Desktop, int M, int D, const QString& Name, const QString& Text, int Left,
                  int Top, int Width, int Height, bool AutoSize, const TElementHandlers& Handlers) {
  auto n = Construct<TNote>(Desktop, Samples() ? Samples()->DefNote : nullptr, M, D);
  n->SetName(Name);
  n->SetAutoSize(AutoSize);
  n->SetBounds(WithinDesktop(Left, M, D), WithinDesktop(Top, M, D), WithinDesktop(Width, M, D),
               WithinDesktop(Height, M, D));
  n->SetText(Text);
  SetHandlers(n.get(), Handlers);
  return n.release();
}

TProjectInfo* CreateProjectInfo(ui::TDesktop* Desktop, int M, int D, const QString& Name, int Left, int Top,
                                bool Visible, const QString& Author, const QString& Firm,
                                const QString& Project, const QString& Version, const QString& Model,
                                const QString& SubModel, const QString& DBServer, const QDateTime& CreatedAt,
                                const QDateTime& UpdatedAt, const TElementHandlers& Handlers) {
  const TProjectInfo* sample = Samples() ? Samples()->DefProjectInfo : nullptr;
  auto p = Construct<TProjectInfo>(Desktop, sample, M, D);
  p->SetVisible(Visible);
  p->SetName(Name);
  p->SetAuthor(Author);
  p->SetFirm(Firm);
  p->SetProject(Project);
  p->SetVersion(Version);
  p->SetModel(Model);
  p->SetSubModel(SubModel);
  if (sample) p->SetFormatStr(sample->FormatStr());
  p->SetDBServer(DBServer);
  p->SetCreatedAt(CreatedAt);
  p->SetUpdatedAt(UpdatedAt);
  p->SetLeft(WithinDesktop(Left, M, D));
  p->SetTop(WithinDesktop(Top, M, D));
  SetHandlers(p.get(), Handlers);
  return p.release();
}

TTextLabel* CreateTextLabel(ui::TDesktop* Desktop, int M, int D, const QString& Name, const QString& Caption,
                            int Left, int Top, const TElementHandlers& Handlers) {
  auto l = Construct<TTextLabel>(Desktop, Samples() ? Samples()->DefTextLabel : nullptr, M, D);
  l->SetName(Name);
  l->SetCaption(Caption);
  l->SetBounds(WithinDesktop(Left, M, D), WithinDesktop(Top, M, D), 0, 0);
  SetHandlers(l.get(), Handlers);
  return l.release();
}

TEntryPoint* CreateEntryPoint(ui::TDesktop* Desktop, int M, int D, const QString& Name, TRectangle* Entity,
                              const TElementHandlers& Handlers) {
  try {
    auto p = Construct<TEntryPoint>(Desktop, Samples() ? Samples()->DefEntryPoint : nullptr, M, D);
    p->SetName(Name);
    p->SetEntity(Entity);
    p->OnMouseUp = Handlers.OnMouseUp;
    p->OnMouseDown = Handlers.OnMouseDown;
    p->OnMouseMove = Handlers.OnMouseMove;
    return p.release();
  } catch (const std::exception&) {
    // A second entry point of one box: the half-built one is gone with its unique_ptr.
    return nullptr;
  }
}

TRelation* CreateRelation(ui::TDesktop* Desktop, int M, int D, const QString& Name, TRectangle* Base,
                          int BaseX, int BaseY, TRectangle* Target, int TargetX, int TargetY,
                          TRelationKind Kind, const TElementHandlers& Handlers) {
  if (!IsEntity(Base) && !IsEntity(Target)) return nullptr;
  if (IsEntity(Base) && !IsEntity(Target)) {
    std::swap(Base, Target);
    std::swap(BaseX, TargetX);
    std::swap(BaseY, TargetY);
  }
  TRectangle* other = IsEntity(Base) ? Target : Base;
  if (!other) return nullptr;
  const bool otherOk = IsEntity(other) || dynamic_cast<TNote*>(other) ||
                       (dynamic_cast<TTextLabel*>(other) && other->Tag() == 0);
  if (!otherOk) return nullptr;

  const TRelation* sample = Samples() ? Samples()->DefRelation : nullptr;
  auto r = std::make_unique<TRelation>(Desktop);
  if (sample) r->Assign(sample);
  r->ChangeScale(M, D);
  r->SetParent(Desktop);
  r->SetName(Name);
  r->SetBase(Base);
  r->SetBaseX(BaseX);
  r->SetBaseY(BaseY);
  r->SetTarget(Target);
  r->SetTargetX(TargetX);
  r->SetTargetY(TargetY);
  if (Kind == rkNone) {
    if (IsNoteOrLabel(r->Base()))
      Kind = rkNothingToArrow;
    else if (IsNoteOrLabel(r->Target()))
      Kind = rkArrowToNothing;
    else
      Kind = rkOneOneToZeroMany;
  }
  r->SetRelationKind(Kind);
  SetHandlers(r.get(), Handlers);
  r->SetVisible(true);
  r->SendToBack();
  return r.release();
}

TResizeBox* CreateResizeBox(ui::TDesktop* Desktop, int M, int D, int Left, int Top, int Width, int Height,
                            TResizeState State, bool EnableResize, bool EnableMove, TRectangle* Host,
                            bool Visible, const TElementHandlers& Handlers) {
  auto b = std::make_unique<TResizeBox>(Desktop);
  b->SetParent(Desktop);
  b->ChangeScale(M, D);
  if (Host) {
    b->SetHost(Host);
    b->SetName(QStringLiteral("ResBox_") + Host->Name());
  } else {
    b->SetBounds(Left, Top, Width, Height);
  }
  b->SetState(State);
  b->SetEnableResize(EnableResize);
  b->SetEnableMove(EnableMove);
  b->SetVisible(Visible);
  b->SetDefaultCursor(ui::crArrow);
  SetHandlers(b.get(), Handlers);
  return b.release();
}

void CreateResizeLine(ui::TDesktop* Desktop, int M, int D, bool Visible, TLine* Host,
                      const TElementHandlers& Handlers) {
  const struct {
    const char* Suffix;
    THostSite Site;
  } ends[] = {{"_B", hsBase}, {"_T", hsTarget}};
  for (const auto& end : ends) {
    auto h = std::make_unique<TResizeLine>(Desktop);
    h->SetParent(Desktop);
    h->ChangeScale(M, D);
    h->SetHost(Host);
    h->SetName(QStringLiteral("ResLine_") + Host->Name() + QLatin1String(end.Suffix));
    h->SetHostSite(end.Site);
    h->SetVisible(Visible);
    h->SetDefaultCursor(ui::crArrow);
    h->OnMouseDown = Handlers.OnMouseDown;
    h->OnMouseMove = Handlers.OnMouseMove;
    h->OnMouseUp = Handlers.OnMouseUp;
    h.release();
  }
}

TSelectingRect* CreateSelectingRect(ui::TDesktop* Desktop, int Left, int Top, int Width, int Height,
                                    TSelectingType Mode) {
  auto s = std::make_unique<TSelectingRect>(Desktop);
  s->SetParent(Desktop);
  s->SetBounds(Left, Top, Width, Height);
  s->SetMode(Mode);
  s->SetVisible(true);
  return s.release();
}
