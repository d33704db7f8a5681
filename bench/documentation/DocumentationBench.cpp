// The documentation site, every switch on, of a schema of N entities: each table has five
// columns of three types with a few parameters set, an index and a trigger whose body goes to
// the further-information page, each entity but the first has a relation to the one before,
// and every tenth has a note. The floor writes the bytes of that site's pages to as many files
// in a folder of its own, each file created, written in one piece and closed. Both write into
// a new empty folder each time.

#include "bench/support/PluginBench.h"
#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/Relation.h"
#include "docgen/Documentation.h"
#include "editor/VisualModel.h"
#include "ui/Desktop.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

void Set(Morvik::TParamObject* Object, const char* Name, const char* Value) {
  for (int i = 0; i < Object->GetParamCount(); ++i)
    if (std::string(Object->GetParam(i)->GetName()) == Name) {
      Object->SetParamValue(i, Value);
      return;
    }
  std::fprintf(stderr, "no parameter %s\n", Name);
  std::exit(1);
}

Morvik::TParamObject* AddItem(Morvik::TParamObject* Owner, const char* List) {
  for (int i = 0; i < Owner->GetListParamCount(); ++i)
    if (std::string(Owner->GetListParamInfo(i)->GetName()) == List) return Owner->GetListParam(i)->AddItem();
  std::fprintf(stderr, "no list %s\n", List);
  std::exit(1);
}

int TypeIndex(const Morvik::TModel* Model, const char* Keyword) {
  for (int i = 0; i < Model->GetDataTypeCount(); ++i)
    if (std::string(Model->GetDataTypeInfo(i)->GetName()) == Keyword) return i;
  std::exit(1);
}

// A schema of Entities entities on a desktop, bound to a model of the plug-in.
struct TSchema {
  explicit TSchema(int Entities) {
    const int varchar = TypeIndex(Model.get(), "VARCHAR");
    const int integer = TypeIndex(Model.get(), "INTEGER");
    const int numeric = TypeIndex(Model.get(), "NUMERIC");
    TEntity* previous = nullptr;
    for (int e = 0; e < Entities; ++e) {
      auto* entity = new TEntity(&Desktop);
      entity->SetName(QStringLiteral("Entity_%1").arg(e));
      Morvik::TTable* table = Model->NewTable();
      table->SetName(QStringLiteral("TABULKA_%1_ŽLUŤOUČKÁ").arg(e).toUtf8().constData());
      entity->SetTable(table);
      for (int c = 0; c < 5; ++c) {
        Morvik::TColumn* column = table->AddColumn();
        column->SetName(QStringLiteral("SLOUPEC_%1").arg(c).toUtf8().constData());
        column->SetKey(c == 0);
        Morvik::TDataType* type = column->SetDataType(c == 0 ? integer : c % 2 ? varchar : numeric);
        if (c % 2) type->SetParamValue(0, "40");
        Set(column, "NotNull", c == 0 ? "1" : "0");
        if (c == 4) Set(column, "Check", "VALUE > 0");
      }
      Morvik::TParamObject* index = AddItem(table, "Indexes");
      Set(index, "Name", QStringLiteral("IX_%1").arg(e).toUtf8().constData());
      Set(AddItem(index, "Columns"), "Column", "SLOUPEC_1");
      Morvik::TParamObject* trigger = AddItem(table, "Triggers");
      Set(trigger, "Name", QStringLiteral("TR_%1").arg(e).toUtf8().constData());
      Set(trigger, "Body", "BEGIN\n  NEW.SLOUPEC_4 = 1;\nEND");
      Document.AddEntity(entity);
      if (previous) {
        auto* relation = new TRelation(&Desktop);
        relation->SetName(QStringLiteral("Relation_%1").arg(e));
        relation->SetBase(previous);
        relation->SetTarget(entity);
        Morvik::TReference* reference = Model->NewReference(previous->Table(), table);
        reference->SetName(QStringLiteral("FK_%1").arg(e).toUtf8().constData());
        reference->AddPair(previous->Table()->GetColumn(0), table->GetColumn(0));
        relation->SetReference(reference);
        Document.AddRelation(relation);
      }
      if (e % 10 == 0) {
        auto* note = new TNote(&Desktop);
        note->SetName(QStringLiteral("Note_%1").arg(e / 10));
        note->SetText(QStringLiteral("Poznámka k tabulce %1\n<a & b>").arg(e));
        Document.AddNote(note);
        auto* link = new TRelation(&Desktop);
        link->SetName(QStringLiteral("Relation_n%1").arg(e));
        link->SetBase(note);
        link->SetTarget(entity);
        Document.AddRelation(link);
      }
      previous = entity;
    }
    Document.Script = QStringLiteral("CREATE TABLE X (A INTEGER);\n").repeated(Entities);
  }
  void Generate(const QString& Folder) {
    TDocumentation documentation(&Document, Model.get(), Folder);
    documentation.Generate(true, true, true, true, true, true, DOCGEN_IMAGES_DIR);
  }

  // The desktop frees the elements before the model goes with their tables.
  PluginBench::ModelPtr Model = PluginBench::NewModel();
  ui::TDesktop Desktop;
  TVisualModel Document;
};

// One schema per size, made once.
TSchema& SchemaOf(int Entities) {
  static std::map<int, std::unique_ptr<TSchema>> schemas;
  auto& schema = schemas[Entities];
  if (!schema) schema = std::make_unique<TSchema>(Entities);
  return *schema;
}

// Each run writes into a new empty folder; making and removing it is not timed.
void BM_Documentation(benchmark::State& State) {
  TSchema& schema = SchemaOf(static_cast<int>(State.range(0)));
  QTemporaryDir root;
  qint64 bytes = 0;
  int pages = 0;
  int run = 0;
  for (auto _ : State) {
    State.PauseTiming();
    const QString folder = root.filePath(QString::number(run++));
    State.ResumeTiming();
    schema.Generate(folder);
    State.PauseTiming();
    bytes = 0;
    const QFileInfoList files = QDir(folder).entryInfoList({"*.html"}, QDir::Files);
    for (const QFileInfo& page : files) bytes += page.size();
    pages = static_cast<int>(files.size());
    QDir(folder).removeRecursively();
    State.ResumeTiming();
  }
  State.counters["pages"] = pages;
  State.SetBytesProcessed(State.iterations() * bytes);
}

// The floor: the same pages' bytes written to the same number of files.
void BM_SameBytesToFiles(benchmark::State& State) {
  TSchema& schema = SchemaOf(static_cast<int>(State.range(0)));
  QTemporaryDir site;
  schema.Generate(site.path());
  std::vector<std::pair<QString, QByteArray>> pages;
  qint64 bytes = 0;
  for (const QFileInfo& page : QDir(site.path()).entryInfoList({"*.html"}, QDir::Files)) {
    QFile file(page.filePath());
    file.open(QIODevice::ReadOnly);
    pages.emplace_back(page.fileName(), file.readAll());
    bytes += pages.back().second.size();
  }
  QTemporaryDir root;
  int run = 0;
  for (auto _ : State) {
    State.PauseTiming();
    const QDir target(root.filePath(QString::number(run++)));
    QDir().mkpath(target.path());
    State.ResumeTiming();
    for (const auto& [name, content] : pages) {
      QFile file(target.filePath(name));
      file.open(QIODevice::WriteOnly | QIODevice::Truncate);
      file.write(content);
    }
    State.PauseTiming();
    QDir(target).removeRecursively();
    State.ResumeTiming();
  }
  State.counters["pages"] = static_cast<double>(pages.size());
  State.SetBytesProcessed(State.iterations() * bytes);
}

BENCHMARK(BM_Documentation)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SameBytesToFiles)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
