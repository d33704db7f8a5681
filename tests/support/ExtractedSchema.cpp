#include "tests/support/ExtractedSchema.h"

#include <cctype>

namespace SchemaTest {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Collapses runs of white space into one blank, outside quotes.
std::string Normalise(const std::string& text) {
  std::string out;
  char quote = 0;
  for (char c : text) {
    if (quote) {
      out += c;
      if (c == quote) quote = 0;
    } else if (IsBlank(c)) {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      if (c == '\'' || c == '"') quote = c;
      out += c;
    }
  }
  return Trim(out);
}

bool StartsWithWords(const std::string& text, const std::string& words) {
  const std::string t = Upper(text.substr(0, words.size()));
  if (t != Upper(words)) return false;
  return text.size() == words.size() || !std::isalnum(static_cast<unsigned char>(text[words.size()]));
}

// Reads one identifier at pos (after blanks); pos moves past it.
std::string ReadIdentifier(const std::string& text, size_t& pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  size_t start = pos;
  if (pos < text.size() && text[pos] == '"') {
    ++pos;
    while (pos < text.size()) {
      if (text[pos] == '"' && pos + 1 < text.size() && text[pos + 1] == '"') {
        pos += 2;
      } else if (text[pos] == '"') {
        ++pos;
        break;
      } else {
        ++pos;
      }
    }
  } else {
    while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != '(' && text[pos] != ')' &&
           text[pos] != ',' && text[pos] != ';')
      ++pos;
  }
  return Unquote(text.substr(start, pos - start));
}

// The text between the parenthesis at or after pos and its partner; pos moves past it.
std::string ReadParenthesised(const std::string& text, size_t& pos) {
  size_t open = text.find('(', pos);
  if (open == std::string::npos) {
    pos = text.size();
    return "";
  }
  int depth = 0;
  char quote = 0;
  for (size_t i = open; i < text.size(); ++i) {
    char c = text[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      pos = i + 1;
      return text.substr(open + 1, i - open - 1);
    }
  }
  pos = text.size();
  return text.substr(open + 1);
}

std::vector<std::string> ColumnList(const std::string& inner) {
  std::vector<std::string> names;
  for (const auto& piece : SplitTopLevel(inner)) names.push_back(Unquote(piece));
  return names;
}

std::vector<std::string> SplitStatements(const std::string& text) {
  std::vector<std::string> statements;
  std::string terminator = ";";
  std::string current;
  char quote = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quote) {
      current += c;
      if (c == quote) quote = 0;
      continue;
    }
    if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
      size_t end = text.find("*/", i + 2);
      i = end == std::string::npos ? text.size() : end + 1;
      current += ' ';
      continue;
    }
    if (c == '-' && i + 1 < text.size() && text[i + 1] == '-') {
      size_t end = text.find('\n', i);
      i = end == std::string::npos ? text.size() : end;
      current += ' ';
      continue;
    }
    if (text.compare(i, terminator.size(), terminator) == 0) {
      std::string statement = Normalise(current);
      current.clear();
      i += terminator.size() - 1;
      if (StartsWithWords(statement, "SET TERM")) {
        terminator = Trim(statement.substr(8));
        continue;
      }
      if (!statement.empty()) statements.push_back(statement);
      continue;
    }
    if (c == '\'' || c == '"') quote = c;
    current += c;
  }
  std::string rest = Normalise(current);
  if (!rest.empty()) statements.push_back(rest);
  return statements;
}

// One element of a table body or of ALTER TABLE ... ADD: a constraint when it is one.
bool ReadConstraint(const std::string& piece, ExtractedTable& table) {
  size_t pos = 0;
  std::string name;
  std::string rest = piece;
  if (StartsWithWords(rest, "CONSTRAINT")) {
    pos = 10;
    name = ReadIdentifier(rest, pos);
    rest = Trim(rest.substr(pos));
  }
  pos = 0;
  if (StartsWithWords(rest, "PRIMARY KEY")) {
    table.primaryKey = {name, ColumnList(ReadParenthesised(rest, pos))};
  } else if (StartsWithWords(rest, "UNIQUE")) {
    table.uniques.push_back({name, ColumnList(ReadParenthesised(rest, pos))});
  } else if (StartsWithWords(rest, "CHECK")) {
    table.checks.push_back(Trim(rest.substr(5)));
  } else {
    return false;
  }
  return true;
}

void ReadTable(const std::string& statement, ExtractedSchema& schema) {
  size_t pos = 12; // after CREATE TABLE
  ExtractedTable table;
  table.name = ReadIdentifier(statement, pos);
  const std::string body = ReadParenthesised(statement, pos);
  for (const auto& piece : SplitTopLevel(body)) {
    if (ReadConstraint(piece, table)) continue;
    size_t p = 0;
    ExtractedColumn column;
    column.name = ReadIdentifier(piece, p);
    column.definition = Trim(piece.substr(p));
    // A column-level UNIQUE is a unique constraint of its own.
    if (Upper(" " + column.definition + " ").find(" UNIQUE ") != std::string::npos)
      table.uniques.push_back({"", {column.name}});
    table.columns.push_back(column);
  }
  schema.tables.push_back(table);
}

std::string ReadRule(const std::string& upperText, const std::string& clause) {
  size_t at = upperText.find(clause);
  if (at == std::string::npos) return "RESTRICT";
  std::string rest = upperText.substr(at + clause.size());
  for (const char* rule : {"NO ACTION", "CASCADE", "SET NULL", "SET DEFAULT", "RESTRICT"})
    if (rest.rfind(rule, 0) == 0) return rule;
  return rest;
}

void ReadAlter(const std::string& statement, ExtractedSchema& schema) {
  size_t pos = 11; // after ALTER TABLE
  const std::string tableName = ReadIdentifier(statement, pos);
  std::string rest = Trim(statement.substr(pos));
  if (!StartsWithWords(rest, "ADD")) return;
  rest = Trim(rest.substr(3));

  std::string name;
  std::string body = rest;
  if (StartsWithWords(body, "CONSTRAINT")) {
    size_t p = 10;
    name = ReadIdentifier(body, p);
    body = Trim(body.substr(p));
  }
  if (StartsWithWords(body, "FOREIGN KEY")) {
    ExtractedForeignKey key;
    key.name = name;
    key.childTable = tableName;
    size_t p = 0;
    key.childColumns = ColumnList(ReadParenthesised(body, p));
    std::string after = Trim(body.substr(p));
    if (StartsWithWords(after, "REFERENCES")) {
      size_t q = 10;
      key.parentTable = ReadIdentifier(after, q);
      key.parentColumns = ColumnList(ReadParenthesised(after, q));
      const std::string upper = Upper(after.substr(q));
      key.onDelete = ReadRule(upper, "ON DELETE ");
      key.onUpdate = ReadRule(upper, "ON UPDATE ");
    }
    schema.foreignKeys.push_back(key);
    return;
  }
  for (auto& table : schema.tables)
    if (table.name == tableName) ReadConstraint(rest, table);
}

} // namespace

std::string Trim(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

std::string Unquote(const std::string& identifier) {
  std::string id = Trim(identifier);
  if (id.size() < 2 || id.front() != '"' || id.back() != '"') return id;
  std::string out;
  for (size_t i = 1; i + 1 < id.size(); ++i) {
    out += id[i];
    if (id[i] == '"' && id[i + 1] == '"') ++i;
  }
  return out;
}

std::vector<std::string> SplitTopLevel(const std::string& text) {
  std::vector<std::string> pieces;
  std::string current;
  int depth = 0;
  char quote = 0;
  for (char c : text) {
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == '(' || c == '[') {
      ++depth;
    } else if (c == ')' || c == ']') {
      --depth;
    } else if (c == ',' && depth == 0) {
      pieces.push_back(Trim(current));
      current.clear();
      continue;
    }
    current += c;
  }
  if (!Trim(current).empty() || !pieces.empty()) pieces.push_back(Trim(current));
  return pieces;
}

std::vector<std::string> ExtractedTable::ColumnNames() const {
  std::vector<std::string> names;
  for (const auto& c : columns) names.push_back(c.name);
  return names;
}

const ExtractedColumn* ExtractedTable::Column(const std::string& wanted) const {
  for (const auto& c : columns)
    if (c.name == wanted) return &c;
  return nullptr;
}

std::vector<std::string> ExtractedSchema::TableNames() const {
  std::vector<std::string> names;
  for (const auto& t : tables) names.push_back(t.name);
  return names;
}

const ExtractedTable* ExtractedSchema::Table(const std::string& wanted) const {
  for (const auto& t : tables)
    if (t.name == wanted) return &t;
  return nullptr;
}

std::vector<std::string> ExtractedSchema::NamesAfter(const std::string& words) const {
  std::vector<std::string> names;
  for (const auto& s : statements) {
    if (!StartsWithWords(s, words)) continue;
    size_t pos = words.size();
    names.push_back(ReadIdentifier(s, pos));
  }
  return names;
}

ExtractedSchema ParseExtract(const std::string& isqlOutput) {
  ExtractedSchema schema;
  schema.text = isqlOutput;
  schema.statements = SplitStatements(isqlOutput);
  for (const auto& s : schema.statements)
    if (StartsWithWords(s, "CREATE TABLE")) ReadTable(s, schema);
  for (const auto& s : schema.statements)
    if (StartsWithWords(s, "ALTER TABLE")) ReadAlter(s, schema);
  return schema;
}

} // namespace SchemaTest
