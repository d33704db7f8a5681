// A check report as rows of text (path, levels as "type:index" pairs, message), so that a
// test compares a whole report with a table and a failure prints the rows as they stand.
#pragma once

#include "Interface/edit/CheckReport.h"

#include <ostream>
#include <string>
#include <vector>

namespace checkrows {

struct Row {
  std::string path, levels, message;
  bool operator==(const Row&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << "{\"" << row.path << "\", \"" << row.levels << "\", \"" << row.message << "\"}";
}

inline std::vector<Row> Rows(const Morvik::TCheckReport& report) {
  std::vector<Row> rows;
  for (int i = 0; i < report.Count(); ++i) {
    const Morvik::TCheckRecord* record = report.Record(i);
    std::string levels;
    for (int l = 0; l < record->LevelCount(); ++l)
      levels += (l ? " " : "") + std::to_string(int(record->LevelType(l))) + ":" +
                std::to_string(record->LevelIndex(l));
    rows.push_back({record->Path(), levels, record->Message()});
  }
  return rows;
}

} // namespace checkrows
