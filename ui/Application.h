// What the program and its widget tests set up once the QApplication exists: fonts with the
// metrics the windows were designed for, and Qt's own texts in Czech.
#pragma once

#include <QString>

class QApplication;

namespace ui {

// Maps the font names the windows and stored schemas use ("MS Sans Serif", "Arial",
// "Arial Narrow", "Times New Roman", "Courier New") to the metric-compatible Liberation
// fonts, so that texts sized for them fit; installs Qt's Czech translation (Qt's colour,
// font and file dialogs, the edit fields' context menus, the editor's menu). Call once after
// the QApplication is made; a second call changes nothing. Returns false when Qt's Czech
// translation cannot be loaded: the program then runs with Qt's English texts.
bool SetUpApplication(QApplication& App);

// The installed family that a window shows for Name: its Liberation counterpart, or Name.
QString MetricCompatibleFamily(const QString& Name);

} // namespace ui
