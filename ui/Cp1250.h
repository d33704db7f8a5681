#pragma once
// Conversion between text and the Central European 8-bit code page (Windows-1250).

#include <QByteArray>
#include <QString>

namespace ui {

QString FromCp1250(const QByteArray& Bytes);
// Characters the code page lacks become '?'; Lossless (when given) tells whether any did.
QByteArray ToCp1250(const QString& Text, bool* Lossless = nullptr);
bool IsCp1250(char32_t CodePoint);

}  // namespace ui
