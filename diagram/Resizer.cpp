#include "diagram/Resizer.h"

#include "ui/Exception.h"

TResizer::TResizer(ui::TComponent* Owner) : TMorvikAbstract(Owner) {}

void TResizer::SetEnableResize(bool Value) {
  FEnableResize = Value;
  FChangeCursor = Value;
}

void TResizer::HostSizeChanged(ui::TObject* Sender) {
  throw ui::Exception(QStringLiteral("TResizer: Abstract error."));
}
