#include "tests/docgen/DocSchema.h"

#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/Relation.h"
#include "docgen/Documentation.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>

namespace docgen_test {

TEntity* DocSchemaTest::AddEntity(const QString& Name, const char* TableName) {
  auto* entity = new TEntity(&Desktop);
  entity->SetParent(&Desktop);
  entity->SetName(Name);
  Morvik::TTable* table = model->NewTable();
  table->SetName(TableName);
  entity->SetTable(table);
  Doc.AddEntity(entity);
  return entity;
}

TRelation* DocSchemaTest::AddRelation(const QString& Name, TEntity* Base, TEntity* Target,
                                      const char* ReferenceName) {
  auto* relation = new TRelation(&Desktop);
  relation->SetParent(&Desktop);
  relation->SetName(Name);
  relation->SetBase(Base);
  relation->SetTarget(Target);
  Morvik::TReference* reference = model->NewReference(Base->Table(), Target->Table());
  reference->SetName(ReferenceName);
  relation->SetReference(reference);
  Doc.AddRelation(relation);
  return relation;
}

TNote* DocSchemaTest::AddNote(const QString& Name, const QString& Text) {
  auto* note = new TNote(&Desktop);
  note->SetParent(&Desktop);
  note->SetName(Name);
  note->SetText(Text);
  Doc.AddNote(note);
  return note;
}

TRelation* DocSchemaTest::LinkNote(const QString& Name, TNote* Note, TEntity* Entity) {
  auto* line = new TRelation(&Desktop);
  line->SetParent(&Desktop);
  line->SetName(Name);
  line->SetBase(Note);
  line->SetTarget(Entity);
  Doc.AddRelation(line);
  return line;
}

QString DocSchemaTest::Generate(const QString& Folder, bool Tables, bool Relations, bool Script, bool Notes,
                                bool FurtherInfo, bool ParamHelp) {
  try {
    TDocumentation documentation(&Doc, model.get(), Folder);
    documentation.Generate(Tables, Relations, Script, Notes, FurtherInfo, ParamHelp, DOCGEN_IMAGES_DIR);
    return QString();
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  }
}

QJsonObject ReadSite(const QString& Folder, QString& Faults) {
  QProcess checker;
  checker.start("/usr/bin/python3", {QStringLiteral(DOCGEN_TEST_DIR "/check_site.py"), Folder});
  if (!checker.waitForFinished(120000)) {
    Faults = QStringLiteral("the checker did not finish: ") + checker.errorString();
    return {};
  }
  Faults = QString::fromUtf8(checker.readAllStandardError());
  if (checker.exitCode() != 0 && Faults.isEmpty()) Faults = QStringLiteral("the checker failed");
  return QJsonDocument::fromJson(checker.readAllStandardOutput()).object();
}

QString FileText(const QString& Path) {
  QFile file(Path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

} // namespace docgen_test
