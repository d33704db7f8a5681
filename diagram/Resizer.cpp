#include "diagram/Resizer.h"

#include "diagram/Errors.h"
#include "diagram/MorvikGraphic.h"
#include "ui/Exception.h"

TResizer::TResizer(ui::TComponent* Owner) : TMorvikAbstract(Owner) {}

void TResizer::SetEnableResize(bool Value) {
  FEnableResize = Value;
  FChangeCursor = Value;
}

void TResizer::HostSizeChanged(ui::TObject* Sender) {
  throw ui::Exception(QStringLiteral("TResizer: Abstract error."));
}

void TResizer::ChangeScale(int M, int D) {
  TMorvikAbstract::ChangeScale(M, D);
  FHandleSize = ui::MulDiv(FHandleSize, M, D);
}

void TResizer::AdjustScaling(const int FontSize) { FHandleSize = DefHandleSize; }

void TResizer::SetHostElement(TMorvikGraphic* Value) {
  FHostElement = Value;
  if (Value) Value->FreeNotification(this);
}

void TResizer::RequireHost() const {
  if (!FHostElement)
    RaiseDiagramError(geHostIsNotDefined, emDiagram, QString::fromLatin1(gaHostIsNotDefined));
}

void TResizer::Notification(ui::TComponent* AComponent, ui::TOperation Operation) {
  TMorvikAbstract::Notification(AComponent, Operation);
  if (Operation == ui::TOperation::opRemove && FHostElement &&
      static_cast<ui::TComponent*>(FHostElement) == AComponent)
    FHostElement = nullptr;
}
