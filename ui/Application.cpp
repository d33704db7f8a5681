#include "ui/Application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

namespace {

struct TFontMapping {
  const char* Name;
  const char* Family;
};

// Liberation Sans, Serif and Mono share the advance widths of the fonts they stand for; the
// old bitmap "MS Sans Serif" is closest to Arial's metrics.
const TFontMapping FontMappings[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

// Qt's own catalogues: "qt" holds the base library's texts, "qscintilla" the editor's menu.
const char* const Catalogues[] = {"qt_cs", "qscintilla_cs"};

} // namespace

QString MetricCompatibleFamily(const QString& Name) {
  for (const TFontMapping& m : FontMappings)
    if (Name.compare(QLatin1String(m.Name), Qt::CaseInsensitive) == 0) return QString::fromLatin1(m.Family);
  return Name;
}

bool SetUpApplication(QApplication& App) {
  const char* const doneProperty = "morvikSetUp";
  if (App.property(doneProperty).isValid()) return App.property(doneProperty).toBool();

  for (const TFontMapping& m : FontMappings)
    QFont::insertSubstitution(QString::fromLatin1(m.Name), QString::fromLatin1(m.Family));

  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  bool baseLoaded = false;
  for (const char* catalogue : Catalogues) {
    auto* translator = new QTranslator(&App);
    if (translator->load(QString::fromLatin1(catalogue), folder)) {
      QApplication::installTranslator(translator);
      if (catalogue == Catalogues[0]) baseLoaded = true;
    } else {
      delete translator;
    }
  }
  App.setProperty(doneProperty, baseLoaded);
  return baseLoaded;
}

} // namespace ui
