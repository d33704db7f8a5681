#pragma once
// The schema-information window: counts of the schema's elements, its times and the
// plug-in it was designed for, as rows of name and value.

#include "ui/frmAbstract.h"

class QTreeWidget;
class TVisualModel;
namespace Morvik {
class TModel;
}

class TfrmSchemeInfo : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmSchemeInfo(QWidget* Parent = nullptr);

  // Clears the list and fills it from the document, the schema window's plug-in model (its
  // references are the relations counted; none without a model) and the date-time format
  // of the project-information defaults.
  void FillInfo(const TVisualModel& Document, const Morvik::TModel* Model, const QString& DateFormat);
  void AddRow(const QString& Name, const QString& Value);

  QTreeWidget* lvInfo;
};
