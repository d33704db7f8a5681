#include "diagram/Rectangle.h"

#include "diagram/Errors.h"
#include "diagram/Geometry.h"
#include "diagram/Line.h"
#include "ui/ScopeGuard.h"

#include <algorithm>
#include <limits>
#include <numeric>

TRectangle::TRectangle(ui::TComponent* Owner) : TMorvikGraphic(Owner), FLines(10, nullptr) {
  FFont.SetName(QStringLiteral("Arial"));
  FFont.SetCharset(238);
  FNaturalFontHeight = FLastFontHeight = FFont.Height();
  FFont.OnChange = [this](ui::TObject* Sender) {
    FollowFontHeight();
    FontChanged(Sender);
  };
  SetBounds(Left(), Top(), 50, 50);
  OnResize = [this](ui::TObject* Sender) { MyMoveAndResize(Sender); };
}

TRectangle::~TRectangle() {
  FFont.OnChange = nullptr;
  OnResize = nullptr;
}

int TRectangle::InsertLine(TLine* Line) {
  for (size_t i = 0; i < FLines.size(); ++i) {
    if (!FLines[i]) {
      FLines[i] = Line;
      ++FLineCount;
      return static_cast<int>(i);
    }
  }
  const size_t index = FLines.size();
  FLines.resize(index + 10, nullptr);
  FLines[index] = Line;
  ++FLineCount;
  return static_cast<int>(index);
}

TLine* TRectangle::GetLine(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FLines.size()))
    RaiseDiagramError(geLineIndexOutOfBound, emDiagram, QString::fromLatin1(gaLineIndexOutOfBound));
  return FLines[static_cast<size_t>(Index)];
}

void TRectangle::RemoveLine(TLine* Line, int Index) {
  // Only an occupied slot is emptied, so a stale index never lowers the count twice.
  if (Index < 0 || Index >= static_cast<int>(FLines.size()) || !FLines[static_cast<size_t>(Index)]) return;
  FLines[static_cast<size_t>(Index)] = nullptr;
  --FLineCount;
}

void TRectangle::FreeAllLines() {
  for (size_t i = 0; i < FLines.size(); ++i) {
    TLine* line = FLines[i];
    if (line) delete line; // its destructor empties its slots here and in the other box
  }
}

void TRectangle::SetEntryPoint(TMorvikGraphic* Value) {
  if (FEntryPoint)
    RaiseDiagramError(geEntryPointIsStillDefined, emDiagram, QString::fromLatin1(gaEntryPointIsStillDefined));
  if (!Value || !Value->IsEntryPoint())
    RaiseDiagramError(geBadTypeOfEntryPoint, emDiagram, QString::fromLatin1(gaBadTypeOfEntryPoint));
  FEntryPoint = Value;
  Value->FreeNotification(this);
}

void TRectangle::DeleteEntryPoint() { FEntryPoint = nullptr; }

void TRectangle::SetFont(const ui::TFont* Value) {
  if (Value) FFont.Assign(Value);
  Invalidate();
}

bool TRectangle::IsInRect(const ui::TRect& Rect) {
  ui::TRect out;
  return ui::IntersectRect(out, BoundsRect(), Rect);
}

void TRectangle::MySelect() { Invalidate(); }

void TRectangle::Assign(const ui::TPersistent* Source) {
  TMorvikGraphic::Assign(Source);
  if (const auto* src = dynamic_cast<const TRectangle*>(Source)) {
    SetFont(&src->FFont);
    // A source at the same zoom knows the exact 100 % height; otherwise it was derived.
    if (src->FZoomM == FZoomM && src->FZoomD == FZoomD && FFont.Height() == src->FFont.Height())
      FNaturalFontHeight = src->FNaturalFontHeight;
  }
}

void TRectangle::ChangeScale(int M, int D) {
  for (TLine* line : FLines)
    if (line) line->ZoomStarted();
  TMorvikGraphic::ChangeScale(M, D);
}

void TRectangle::AdjustScaling(const int FontSize) {
  FZoomM = FZoomD = 1;
  if (FontSize > 0) {
    FFont.SetSize(FontSize);
    FNaturalFontHeight = FLastFontHeight = FFont.Height();
  } else {
    SetScaledFontHeight(FNaturalFontHeight);
  }
}

void TRectangle::FollowFontHeight() {
  if (FScalingFont || FFont.Height() == FLastFontHeight) return;
  // A font set from outside: at 100 % it is the natural height, while zoomed the height it
  // would have at 100 %.
  FLastFontHeight = FFont.Height();
  const long long h = FLastFontHeight * FZoomD;
  const long long natural = (2 * h + (h < 0 ? -FZoomM : FZoomM)) / (2 * FZoomM);
  FNaturalFontHeight = static_cast<int>(
      std::clamp<long long>(natural, std::numeric_limits<int>::min() + 1, std::numeric_limits<int>::max()));
}

void TRectangle::SetScaledFontHeight(int Height) {
  FScalingFont = true;
  const ui::TScopeGuard restore([this] {
    FScalingFont = false;
    FLastFontHeight = FFont.Height();
  });
  FFont.SetHeight(Height);
}

void TRectangle::MyMoveAndResize(ui::TObject* Sender) {
  for (size_t i = 0; i < FLines.size(); ++i)
    if (FLines[i]) FLines[i]->TryRepaint();
  if (FEntryPoint) FEntryPoint->TryRepaint();
}

void TRectangle::FontChanged(ui::TObject* Sender) { Invalidate(); }

void TRectangle::Paint() {
  ui::TCanvas* c = CanvasWithOwnTools();
  c->FillRect(ui::Rect(0, 0, Width() - 1, Height() - 1));
  DrawBorder();
}

ui::TCanvas* TRectangle::CanvasWithOwnTextTools() {
  ui::TCanvas* c = CanvasWithOwnTools();
  c->Font()->Assign(&FFont);
  return c;
}

void TRectangle::SetPrintTextTools(ui::TCanvas* Canvas, const int MulY, const int DivY) const {
  SetPrintTools(Canvas, ui::clWhite);
  Canvas->Font()->Assign(&FFont);
  Canvas->Font()->SetHeight(ui::MulDiv(FFont.Height(), MulY, DivY));
  Canvas->Font()->SetColor(ui::clBlack);
}

void TRectangle::ScaleFont(int M, int D) {
  if (M <= 0 || D <= 0) return;
  ScaleZoomRatio(FZoomM, FZoomD, M, D);
  if (FZoomM == FZoomD) {
    FZoomM = FZoomD = 1;
    SetScaledFontHeight(FNaturalFontHeight);
    return;
  }
  ui::TFont scaled;
  scaled.SetSize(ui::MulDiv(FFont.Size(), M, D));
  SetScaledFontHeight(scaled.Height());
}

void TRectangle::KeepMinimumSize(int MinWidth, int MinHeight) {
  if (Width() < MinWidth) {
    SetWidth(MinWidth);
    TellHimAboutMyChange();
  }
  if (Height() < MinHeight) {
    SetHeight(MinHeight);
    TellHimAboutMyChange();
  }
}

void TRectangle::DrawBorder() {
  ui::TCanvas* c = Canvas();
  const int w = Width(), h = Height();
  c->Pen()->SetColor(ui::clBlack);
  c->Polyline({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}, {0, 0}});
  if (Effect3D()) {
    c->MoveTo(1, h - 2);
    c->Pen()->SetColor(ui::clWhite);
    c->LineTo(1, 1);
    c->LineTo(w - 2, 1);
    c->Pen()->SetColor(ui::clGray);
    c->LineTo(w - 2, h - 2);
    c->LineTo(1, h - 2);
    c->Pen()->SetColor(ui::clBlack);
  }
}

void TRectangle::Notification(ui::TComponent* AComponent, ui::TOperation Operation) {
  TMorvikGraphic::Notification(AComponent, Operation);
  if (Operation == ui::TOperation::opRemove && FEntryPoint &&
      static_cast<ui::TComponent*>(FEntryPoint) == AComponent)
    FEntryPoint = nullptr;
}
