#include "diagram/MorvikAbstract.h"

TMorvikAbstract::TMorvikAbstract(ui::TComponent* Owner) : ui::TControl(Owner) {}

void TMorvikAbstract::ChangeScale(int M, int D) { ui::TControl::ChangeScale(M, D); }
