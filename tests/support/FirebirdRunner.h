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
  // itself (scriptCreatesDatabase false), it runs connected to the database, which is first
  // created empty with DEFAULT CHARACTER SET charset unless it exists (a second script runs
  // on what the first one left). The connection character set is charset in both cases (SET
  // NAMES before the script's own text).
  ProcessResult RunScript(const std::string& script, bool scriptCreatesDatabase,
                          const std::string& charset = "UTF8");

  // Makes this database a copy of Other's, which must exist: a quicker start than a new one.
  void CopyFrom(const FirebirdDatabase& Other);

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
