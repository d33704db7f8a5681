// A schema window as the fuzz targets see it: an empty schema bound to a new model of the real
// plug-in, loading and saving as the schema window does. Shared by the targets that read
// schemas and paste into them.
#pragma once

#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/DesignSamples.h"
#include "editor/Repository.h"
#include "editor/RepositoryXMLReader.h"
#include "editor/SchemaFile.h"
#include "editor/SchemaHost.h"
#include "editor/VisualModel.h"
#include "fuzz/support/FuzzReplay.h"
#include "ui/Desktop.h"

#include "Interface/MorvikInterface.h"
#include "tests/support/BoundSchemaHost.h"
#include "tests/support/PluginLibrary.h"

#include <QApplication>
#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace FuzzSchema {

// Ends the run with a failure that libFuzzer reports with its input.
[[noreturn]] inline void Fail(const char* Target, const char* What) {
  std::fprintf(stderr, "%s: %s\n", Target, What);
  std::abort();
}

// The application the targets run in (headless unless told otherwise) and the look samples
// that the element factories read.
inline void Initialize(int* argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(*argc, argv);
  static TDesignSamples samples;
  TDesignSamples::SetCurrent(&samples);
}

inline Morvik::TModels* Models() {
  const testsupport::TPluginLibrary& plugin = testsupport::BuiltPlugin();
  if (!plugin.Loaded()) Fail("fuzz", plugin.Error().c_str());
  return plugin.Models();
}

// A schema window as the loader sees it, binding as the schema window binds.
class TFuzzSchema : public testsupport::TBoundSchemaHost {
public:
  TFuzzSchema() : Model(Models()->CreateModel(0)) {}
  ~TFuzzSchema() override { Document.ProjectInfo = nullptr; }

  ui::TDesktop* SchemaDesktop() override { return &Desktop; }
  TVisualModel& SchemaDocument() override { return Document; }
  Morvik::TModel* SchemaModel() override { return Model.get(); }
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
        Fail("fuzz", "a failed load left elements or plug-in objects behind");
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

} // namespace FuzzSchema

// The entry points of a target that runs whole schemas: libFuzzer's, and without libFuzzer a
// main that replays the folders it is given. RunOne(Data, Size) is the target's own test.
#ifdef MORVIK_LIBFUZZER
#define MORVIK_SCHEMA_FUZZ_MAIN(RunOne)
#else
#define MORVIK_SCHEMA_FUZZ_MAIN(RunOne)                                                                      \
  int main(int argc, char** argv) {                                                                          \
    FuzzSchema::Initialize(&argc, argv);                                                                     \
    return FuzzReplay::ReplayFolders(argc, argv,                                                             \
                                     [](const uint8_t* Data, size_t Size) { RunOne(Data, Size); });          \
  }
#endif
#define MORVIK_SCHEMA_FUZZ_TARGET(RunOne)                                                                    \
  extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {                                             \
    FuzzSchema::Initialize(argc, *argv);                                                                     \
    return 0;                                                                                                \
  }                                                                                                          \
  extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {                                  \
    RunOne(Data, Size);                                                                                      \
    return 0;                                                                                                \
  }                                                                                                          \
  MORVIK_SCHEMA_FUZZ_MAIN(RunOne)
