#include "editor/RepositoryError.h"

#include "diagram/Errors.h"

void RaiseRepositoryError(int Number, const QString& Message) {
  throw EMorvikError(dcGB, Number, emTreeStore, Message, epDefault);
}
