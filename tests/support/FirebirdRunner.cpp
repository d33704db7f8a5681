#include "tests/support/FirebirdRunner.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace SchemaTest {

namespace {

std::string NameOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra) {
  std::vector<std::string> merged;
  for (char** e = environ; e && *e; ++e) {
    std::string entry(*e);
    bool overridden = false;
    for (const auto& x : extra) overridden = overridden || NameOf(x) == NameOf(entry);
    if (!overridden) merged.push_back(entry);
  }
  merged.insert(merged.end(), extra.begin(), extra.end());
  return merged;
}

} // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv) {
  ProcessResult result;
  if (argv.empty()) return result;

  std::vector<std::string> env = MergedEnvironment(extraEnv);
  std::vector<char*> args, envp;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);

  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    result.output = std::string("pipe: ") + std::strerror(errno);
    return result;
  }
  pid_t pid = fork();
  if (pid < 0) {
    close(fds[0]);
    close(fds[1]);
    result.output = std::string("fork: ") + std::strerror(errno);
    return result;
  }
  if (pid == 0) {
    int devnull = open("/dev/null", O_RDONLY);
    if (devnull >= 0) dup2(devnull, 0);
    dup2(fds[1], 1);
    dup2(fds[1], 2);
    execvpe(args[0], args.data(), envp.data());
    _exit(127);
  }
  close(fds[1]);
  char buffer[4096];
  for (;;) {
    ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n > 0) {
      result.output.append(buffer, static_cast<size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      break;
    }
  }
  close(fds[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

std::string FindIsql() {
  for (const char* candidate : {"/usr/bin/isql-fb", "/usr/local/bin/isql-fb"})
    if (access(candidate, X_OK) == 0) return candidate;
  const char* path = std::getenv("PATH");
  std::string rest = path ? path : "";
  while (!rest.empty()) {
    std::string dir = rest.substr(0, rest.find(':'));
    rest = rest.find(':') == std::string::npos ? "" : rest.substr(rest.find(':') + 1);
    std::string candidate = dir + "/isql-fb";
    if (!dir.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

FirebirdDatabase::FirebirdDatabase() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/varne-fb-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!mkdtemp(name.data())) throw std::runtime_error("cannot create a temporary folder");
  folder = name.data();
  // Embedded access keeps its lock files here, away from any other user's.
  std::filesystem::create_directory(folder + "/lock");
}

FirebirdDatabase::~FirebirdDatabase() {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

std::vector<std::string> FirebirdDatabase::Environment() const {
  return {"FIREBIRD_LOCK=" + folder + "/lock", "FIREBIRD_TMP=" + folder, "ISC_USER=SYSDBA",
          "ISC_PASSWORD=masterkey"};
}

void FirebirdDatabase::WriteFile(const std::string& path, const std::string& text) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + path);
}

ProcessResult FirebirdDatabase::RunScript(const std::string& script, bool scriptCreatesDatabase,
                                          const std::string& charset) {
  const std::string isql = FindIsql();
  if (isql.empty()) return {127, "isql-fb is not installed"};

  std::vector<std::string> argv{isql, "-q", "-bail"};
  if (!scriptCreatesDatabase && !std::filesystem::exists(Path())) {
    const std::string create = "CREATE DATABASE '" + Path() + "' DEFAULT CHARACTER SET " + charset + ";\n";
    WriteFile(folder + "/create.sql", create);
    ProcessResult made = RunProcess({isql, "-q", "-bail", "-i", folder + "/create.sql"}, Environment());
    if (made.exitCode != 0) return made;
  }
  if (!scriptCreatesDatabase) argv.insert(argv.end(), {"-ch", charset, Path()});
  WriteFile(folder + "/script.sql", "SET NAMES " + charset + ";\n" + script);
  argv.insert(argv.end(), {"-i", folder + "/script.sql"});
  return RunProcess(argv, Environment());
}

void FirebirdDatabase::CopyFrom(const FirebirdDatabase& Other) {
  std::filesystem::copy_file(Other.Path(), Path(), std::filesystem::copy_options::overwrite_existing);
}

ProcessResult FirebirdDatabase::Extract(const std::string& charset) const {
  const std::string isql = FindIsql();
  if (isql.empty()) return {127, "isql-fb is not installed"};
  return RunProcess({isql, "-x", "-ch", charset, Path()}, Environment());
}

ProcessResult FirebirdDatabase::Query(const std::string& sql, const std::string& charset) const {
  const std::string isql = FindIsql();
  if (isql.empty()) return {127, "isql-fb is not installed"};
  WriteFile(folder + "/query.sql", sql);
  return RunProcess({isql, "-q", "-bail", "-ch", charset, Path(), "-i", folder + "/query.sql"},
                    Environment());
}

} // namespace SchemaTest
