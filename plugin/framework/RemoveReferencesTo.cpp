#include "plugin/framework/RemoveReferencesTo.h"

namespace Morvik {

void RemoveReferencesTo(TModel* Model, TColumn* Column) {
  if (!Model) return;
  for (int R = 0; R < Model->GetReferenceCount(); ++R) {
    TReference* Reference = Model->GetReference(R);
    int J = 0;
    while (J < Reference->GetPairCount()) {
      if (Reference->GetPairColumn(0, J) == Column || Reference->GetPairColumn(1, J) == Column)
        Reference->DeletePair(J);
      else
        ++J;
    }
  }
}

} // namespace Morvik
