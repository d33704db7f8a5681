// Feeds arbitrary bytes to the schema loader, through the real plug-in: the bytes are read as
// a schema file into an empty schema (its model, desktop, view origin and elements with their
// tables and references). Whatever loads is saved, loaded into a new schema and saved again:
// the two files must be equal. A load that fails must leave nothing behind. Any crash, leak
// or mismatch ends the run with a failure.
//
// Built with clang and libFuzzer it is a coverage-guided fuzz target (the store's dictionary
// serves it too). Without libFuzzer it runs every file of the given folders once:
// schema_reader_fuzz DIR...

#include "fuzz/support/FuzzSchema.h"

#include <QByteArray>
#include <QFile>

#include <cstdio>

namespace {

using FuzzSchema::TFuzzSchema;

[[noreturn]] void Fail(const char* What) { FuzzSchema::Fail("schema_reader_fuzz", What); }

void RunOne(const uint8_t* Data, size_t Size) {
  const QByteArray bytes(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
  QByteArray written;
  {
    TFuzzSchema first;
    if (!first.Load(bytes)) return;
    written = first.Save();
  }
  TFuzzSchema second;
  if (!second.Load(written)) Fail("a saved schema does not load");
  const QByteArray again = second.Save();
  if (again != written) {
    if (qEnvironmentVariableIsSet("SCHEMA_FUZZ_DUMP")) {
      QFile a("schema-fuzz-first.xml"), b("schema-fuzz-second.xml");
      if (a.open(QIODevice::WriteOnly)) a.write(written);
      if (b.open(QIODevice::WriteOnly)) b.write(again);
    }
    Fail("save, load, save differs");
  }
}

} // namespace

MORVIK_SCHEMA_FUZZ_TARGET(RunOne)
