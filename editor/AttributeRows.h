#pragma once
// The attribute rows an entity shows for its table: one row a column, in the table's order.

class TEntity;
namespace Morvik {
class TTable;
}

// Replaces Entity's rows by the columns of Table (name, data type, key mark); a repeated
// column name keeps its first row, which the model check reports.
void FillAttributeRows(TEntity& Entity, const Morvik::TTable& Table);
