#pragma once
// Conversion between text and the Windows-1250 code page (schema files, attribute streams), by
// table, so that it does not depend on which codecs the Qt build carries.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Windows1250 {

// Every byte maps to one character; the five bytes the code page leaves undefined map to the
// C1 control character of the same value.
QString Decode(QByteArrayView Bytes);

// The byte of a code point that has one of its own; 0 for any other (NUL included, which
// callers handle before asking).
unsigned char ByteOf(char32_t CodePoint);

// The inverse of Decode: the five C1 control characters that stand for undefined bytes become
// those bytes again. Other characters without a byte become '?'; callers that must not lose
// text escape them first.
QByteArray Encode(QStringView Text);

} // namespace Windows1250
