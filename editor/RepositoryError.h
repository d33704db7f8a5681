#pragma once
// Raising the store's errors: EMorvikError of the author code dcGB, module 99, priority 100.

#include <QString>

constexpr int RepositoryErrorModule = 99;

[[noreturn]] void RaiseRepositoryError(int Number, const QString& Message);
