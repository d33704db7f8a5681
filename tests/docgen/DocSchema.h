// A schema for documentation tests: a document over a desktop, bound to a model of the built
// plug-in, with helpers that add entities, relations, note links and notes as the schema
// window does; and the site checker that reads every page with a real HTML parser.
#pragma once

#include "tests/support/PluginModel.h"
#include "editor/VisualModel.h"
#include "ui/Desktop.h"

#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

class TEntity;
class TNote;
class TRelation;

namespace docgen_test {

class DocSchemaTest : public SchemaTest::PluginModelTest {
protected:
  // An entity with a new plug-in table of that name.
  TEntity* AddEntity(const QString& Name, const char* TableName);
  // A relation between two entities with a new plug-in reference (parent Base, child Target).
  TRelation* AddRelation(const QString& Name, TEntity* Base, TEntity* Target, const char* ReferenceName);
  TNote* AddNote(const QString& Name, const QString& Text);
  // A line from a note to an entity, as the relation tool draws it.
  TRelation* LinkNote(const QString& Name, TNote* Note, TEntity* Entity);

  // Generates the site into Folder with the program's images; the error's text when it fails.
  QString Generate(const QString& Folder, bool Tables, bool Relations, bool Script, bool Notes,
                   bool FurtherInfo, bool ParamHelp);

  ui::TDesktop Desktop;
  TVisualModel Doc;
  QTemporaryDir Temp;
};

// The pages of the site in Folder as the checker read them (file name -> page); Faults gets
// the checker's complaints, empty when the site holds together.
QJsonObject ReadSite(const QString& Folder, QString& Faults);

// The file's bytes as text (UTF-8).
QString FileText(const QString& Path);

} // namespace docgen_test
