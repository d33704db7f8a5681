// Feeds arbitrary bytes to the schema loader, through the real plug-in: the bytes are read as
// a schema file into an empty schema (its model, desktop, view origin and elements with their
// tables and references). Whatever loads is saved, loaded into a new schema and saved again:
// the two files must be equal. A load that fails must leave nothing behind. Any crash, leak
// or mismatch ends the run with a failure.
//
// Built with clang and libFuzzer it is a coverage-guided fuzz target (the store's dictionary
// serves it too). Without libFuzzer it runs every file of the given folders once:
// schema_reader_fuzz DIR...

#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/DesignSamples.h"
#include "editor/Repository.h"
#include "editor/RepositoryXMLReader.h"
#include "editor/SchemaFile.h"
#include "editor/SchemaHost.h"
#include "editor/VisualModel.h"
#include "ui/Desktop.h"

#include "Interface/MorvikInterface.h"
#include "tests/support/PluginLibrary.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

[[noreturn]] void Fail(const char* What) {
  std::fprintf(stderr, "schema_reader_fuzz: %s\n", What);
  std::abort();
}

Morvik::TModels* Models() {
  const testsupport::TPluginLibrary& plugin = testsupport::BuiltPlugin();
  if (!plugin.Loaded()) Fail(plugin.Error().c_str());
  return plugin.Models();
}

// A schema window as the loader sees it, binding as the schema window binds.
class TFuzzSchema : public TSchemaHost {
public:
  TFuzzSchema() : Model(Models()->CreateModel(0)) {}
  ~TFuzzSchema() override { Document.ProjectInfo = nullptr; }

  ui::TDesktop* SchemaDesktop() override { return &Desktop; }
  TVisualModel& SchemaDocument() override { return Document; }
  Morvik::TModel* SchemaModel() override { return Model.get(); }
  int SchemaZoom() const override { return 1000; }
  TElementHandlers SchemaHandlers() override { return {}; }
  void BindEntityToTable(TEntity* Entity, Morvik::TTable* Table) override {
    Entity->SetTable(Table);
    Entity->SetCaption(QString::fromUtf8(Table->GetName()));
    TAttributes* rows = Entity->Attributes();
    rows->BeginUpdate();
    rows->DeleteAll();
    for (int i = 0; i < Table->GetColumnCount(); ++i) {
      const Morvik::TColumn* column = Table->GetColumn(i);
      const QString name = QString::fromUtf8(column->GetName());
      if (Entity->GetAttributeIndex(name) >= 0) continue;
      const Morvik::TDataType* type = column->GetDataType();
      rows->Add(name, type ? QString::fromUtf8(type->GetName()) : QString(), column->GetKey() ? 1 : 0);
    }
    rows->EndUpdate();
  }
  void BindRelationToReference(TRelation* Relation, Morvik::TReference* Reference) override {
    Relation->SetReference(Reference);
    if (Relation->MainLabel() && Reference)
      Relation->MainLabel()->SetCaption(QString::fromUtf8(Reference->GetName()));
  }
  void AddToBrowser(TMorvikGraphic*) override {}

  // Loads as the schema window does; false when the load failed.
  bool Load(const QByteArray& Bytes) {
    try {
      TRepository store;
      if (!TRepositoryXMLReader(store).ReadBytes(Bytes)) return false;
      const TSchemaIdentity identity = ReadSchemaIdentity(store);
      Document.DLLFileName = identity.DLLFileName;
      Document.DBModelName = identity.DBModelName;
      Document.DLLVersion = identity.DLLVersion;
      ReadSchemaModel(store, Model.get());
      Size = ReadSchemaDesktop(store);
      Origin = ReadViewOrigin(store, ui::TPoint{Size.WidthPix / 2, Size.HeightPix / 2});
      ReadSchemaElements(*this, store, Origin);
      return true;
    } catch (const std::exception&) {
      if (Desktop.ComponentCount() != 0 || Model->GetTableCount() != 0 || Model->GetReferenceCount() != 0)
        Fail("a failed load left elements or plug-in objects behind");
      return false;
    }
  }

  QByteArray Save() const {
    TRepository store;
    WriteSchema(store, Document, Model.get(), Size, Origin);
    return store.SaveToBytes();
  }

  ui::TDesktop Desktop;
  TVisualModel Document;
  testsupport::TModelPtr Model;
  TSchemaDesktop Size;
  ui::TPoint Origin;
};

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

void Initialize(int* argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(*argc, argv);
  static TDesignSamples samples;
  TDesignSamples::SetCurrent(&samples);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Initialize(argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  RunOne(Data, Size);
  return 0;
}

#ifndef MORVIK_LIBFUZZER

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s DIR...\n", argv[0]);
    return 2;
  }
  Initialize(&argc, argv);
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    const QDir dir(QString::fromLocal8Bit(argv[i]));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
      QFile file(dir.filePath(name));
      if (!file.open(QIODevice::ReadOnly)) continue;
      const QByteArray bytes = file.readAll();
      std::fprintf(stderr, "%s\n", qPrintable(file.fileName()));
      RunOne(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
      ++files;
    }
  }
  if (files == 0) {
    std::fprintf(stderr, "no input files\n");
    return 2;
  }
  std::printf("%d inputs, no failure\n", files);
  return 0;
}

#endif
