#pragma once
// Raising the store's errors: EMorvikError of the author code dcGB, module 99, priority 100.

#include <QString>

[[noreturn]] void RaiseRepositoryError(int Number, const QString& Message);
