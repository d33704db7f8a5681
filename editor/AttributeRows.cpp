#include "editor/AttributeRows.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Attributes.h"
#include "diagram/Entity.h"
#include "editor/PluginText.h"
#include "ui/ScopeGuard.h"

void FillAttributeRows(TEntity& Entity, const Morvik::TTable& Table) {
  TAttributes* rows = Entity.Attributes();
  rows->BeginUpdate();
  const ui::TScopeGuard update([rows] { rows->EndUpdate(); });
  rows->DeleteAll();
  for (int i = 0; i < Table.GetColumnCount(); ++i) {
    const Morvik::TColumn* column = Table.GetColumn(i);
    const QString name = FromPlugin(column->GetName());
    if (Entity.GetAttributeIndex(name) >= 0) continue;
    const Morvik::TDataType* type = column->GetDataType();
    rows->Add(name, type ? FromPlugin(type->GetName()) : QString(), column->GetKey() ? 1 : 0);
  }
}
