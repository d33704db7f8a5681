// Keeping the column pairs of references consistent when a column is deleted.
#pragma once

#include "Interface/MorvikInterface.h"

namespace Morvik {

// Removes from every reference of Model each column pair that uses Column on either side
// (compared by pointer, never by name). References themselves stay, also without pairs.
void RemoveReferencesTo(TModel* Model, TColumn* Column);

} // namespace Morvik
