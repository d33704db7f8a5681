#include "editor/RepositoryError.h"

#if __has_include("diagram/EMorvikError.h")
#include "diagram/EMorvikError.h"
void RaiseRepositoryError(int Number, const QString& Message) {
    throw EMorvikError(dcGB, Number, RepositoryErrorModule, Message, 100);
}
#else
#include "ui/Exception.h"
void RaiseRepositoryError(int Number, const QString& Message) {
    throw ui::Exception(Message);
}
#endif
