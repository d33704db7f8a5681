// Runs generated scripts on a real Firebird database: embedded access through isql-fb, one
// fresh database in its own temporary folder per FirebirdDatabase object.
#pragma once

#include <string>
#include <vector>

namespace SchemaTest {

struct ProcessResult {
  int exitCode = -1;
  std::string output; // standard output and standard error together
};

// Runs argv[0] (searched on PATH) with extra "NAME=value" environment entries and waits for it.
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv = {});

// The isql-fb program, or "" when it is not installed.
std::string FindIsql();

class FirebirdDatabase {
public:
  FirebirdDatabase();
  ~FirebirdDatabase();
  FirebirdDatabase(const FirebirdDatabase&) = delete;
  FirebirdDatabase& operator=(const FirebirdDatabase&) = delete;

  const std::string& Folder() const { return folder; }
  // Where the database file lives (it may not exist yet).
  std::string Path() const { return folder + "/schema.fdb"; }

  // Runs the script with "isql-fb -q -bail -i". When the script does not create the database
  // itself (scriptCreatesDatabase false), an empty one with DEFAULT CHARACTER SET charset is
  // created first and the script runs connected to it. The connection character set is
  // charset in both cases (SET NAMES before the script's own text).
  ProcessResult RunScript(const std::string& script, bool scriptCreatesDatabase,
                          const std::string& charset = "UTF8");

  // "isql-fb -x": the database's metadata as a script.
  ProcessResult Extract(const std::string& charset = "UTF8") const;

  // A query's output (isql's tabular text), for checks beyond the extracted script.
  ProcessResult Query(const std::string& sql, const std::string& charset = "UTF8") const;

private:
  std::vector<std::string> Environment() const;
  void WriteFile(const std::string& path, const std::string& text) const;

  std::string folder;
};

} // namespace SchemaTest
