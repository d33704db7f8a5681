// Feeds arbitrary text to the clipboard paste of an open schema, through the real plug-in: the
// schema is loaded from a schema file, the bytes are pasted into it as clipboard text (UTF-8).
// A paste that is refused (no schema data, another model, or a failure on the way) must leave
// the schema as it was: the same saved bytes, the same elements on the desktop and the same
// tables and references in the model. A paste that succeeds must give a schema that saves and
// loads again. Any crash, leak or mismatch ends the run with a failure.
//
// Built with clang and libFuzzer it is a coverage-guided fuzz target (the store's dictionary
// serves it too). Without libFuzzer it runs every file of the given folders once:
// paste_fuzz DIR...

#include "editor/SchemaClipboard.h"
#include "fuzz/support/FuzzSchema.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <exception>

namespace {

using FuzzSchema::TFuzzSchema;

[[noreturn]] void Fail(const char* What) { FuzzSchema::Fail("paste_fuzz", What); }

// The schema that every input is pasted into, as the schema window reads it from disk.
const QByteArray& OpenSchemaBytes() {
  static const QByteArray bytes = [] {
    QFile file(QStringLiteral(PASTE_FUZZ_SCHEMA));
    if (!file.open(QIODevice::ReadOnly)) Fail("cannot read the schema to paste into");
    return file.readAll();
  }();
  return bytes;
}

// What a paste may change, taken before and after it.
struct TSchemaState {
  QByteArray Saved;
  int Components = 0;
  int Tables = 0;
  int References = 0;

  explicit TSchemaState(const TFuzzSchema& Schema)
      : Saved(Schema.Save()), Components(Schema.Desktop.ComponentCount()),
        Tables(Schema.Model->GetTableCount()), References(Schema.Model->GetReferenceCount()) {}
  bool operator==(const TSchemaState&) const = default;
};

void RunOne(const uint8_t* Data, size_t Size) {
  const QString text =
      QString::fromUtf8(QByteArrayView(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size)));
  TFuzzSchema schema;
  if (!schema.Load(OpenSchemaBytes())) Fail("the schema to paste into does not load");
  const TSchemaState before(schema);
  TPasteResult result = TPasteResult::NoSchemaData;
  try {
    result = PasteSchemaText(schema, text, schema.Origin);
  } catch (const std::exception&) {
    result = TPasteResult::NoSchemaData; // refused on the way
  }
  if (result != TPasteResult::Pasted) {
    if (!(TSchemaState(schema) == before)) Fail("a refused paste changed the schema");
    return;
  }
  const QByteArray written = schema.Save();
  TFuzzSchema again;
  if (!again.Load(written)) Fail("a schema with pasted elements does not load");
}

} // namespace

MORVIK_SCHEMA_FUZZ_TARGET(RunOne)
