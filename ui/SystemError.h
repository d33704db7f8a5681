#pragma once
// The system's own text for an error number, for the reports of file operations.

#include <QString>

namespace ui {

// The text of the error number Code in Czech, as the system words it where it has its Czech
// texts installed, else in the program's locale.
QString SystemErrorText(int Code);

} // namespace ui
