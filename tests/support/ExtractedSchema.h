// The metadata script that "isql-fb -x" writes, read back into names: tables with their
// columns and constraints, foreign keys, and every statement for the other object kinds.
#pragma once

#include <string>
#include <vector>

namespace SchemaTest {

struct ExtractedColumn {
  std::string name;
  std::string definition; // everything after the name, as isql wrote it
};

struct ExtractedKey {
  std::string name; // "" when the constraint has a system name
  std::vector<std::string> columns;
};

struct ExtractedTable {
  std::string name;
  std::vector<ExtractedColumn> columns;
  ExtractedKey primaryKey;           // no columns when there is none
  std::vector<ExtractedKey> uniques; // column-level UNIQUE included
  std::vector<std::string> checks;   // the condition texts, table-level ALTER ... CHECK included

  std::vector<std::string> ColumnNames() const;
  const ExtractedColumn* Column(const std::string& name) const;
};

struct ExtractedForeignKey {
  std::string name; // "" when the constraint has a system name
  std::string childTable;
  std::vector<std::string> childColumns;
  std::string parentTable;
  std::vector<std::string> parentColumns;
  std::string onDelete = "RESTRICT"; // isql leaves out the default rule
  std::string onUpdate = "RESTRICT";
};

struct ExtractedSchema {
  std::string text;                    // the whole output of isql -x
  std::vector<std::string> statements; // comments removed, terminators honoured
  std::vector<ExtractedTable> tables;
  std::vector<ExtractedForeignKey> foreignKeys;

  std::vector<std::string> TableNames() const;
  const ExtractedTable* Table(const std::string& name) const;
  // The object names of every statement that starts with the given words, e.g.
  // NamesAfter("CREATE GENERATOR") or NamesAfter("CREATE DOMAIN").
  std::vector<std::string> NamesAfter(const std::string& words) const;
};

ExtractedSchema ParseExtract(const std::string& isqlOutput);

// Helpers for reading isql text.
std::string Trim(const std::string& text);
// An identifier as written by isql: quoted ones lose their quotes.
std::string Unquote(const std::string& identifier);
// Splits at commas outside parentheses and quotes, trimming each piece.
std::vector<std::string> SplitTopLevel(const std::string& text);

} // namespace SchemaTest
