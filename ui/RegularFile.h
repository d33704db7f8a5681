#pragma once
// Reading a file that comes from outside: only a regular file is read, and only up to a size
// that the caller names. A pipe, a device or a folder is refused before it is opened for
// reading, so that nothing waits for a writer or reads without end.

#include <QByteArray>
#include <QString>

namespace ui {

// The whole of the regular file FileName. Throws ui::Exception, with a Czech text that names
// the file and the reason, for a file that is missing, no regular file, larger than MaxSize
// bytes, or cannot be read.
QByteArray ReadRegularFile(const QString& FileName, qint64 MaxSize);

} // namespace ui
