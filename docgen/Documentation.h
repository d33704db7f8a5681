// The HTML documentation of one schema: a static site of frameset pages, each with a menu frame
// on top and one or two content frames below, written from the schema window's document and
// the plug-in model bound to it. The style sheet and the tree images come from the program's
// images folder into the site's "images" folder.
//
// Pages are UTF-8 and say so; every text of the document or the plug-in is HTML-escaped, and
// every link to a named place encodes the name, so that any name links to its anchor.
#pragma once

#include "docgen/HtmlPage.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace Morvik {
class TModel;
class TParamObject;
}
class TVisualModel;
class TEntity;
class TRelation;
class TDocumentationProgress;
class THtmlTable;

// The error texts and numbers of the documentation generator (module 100).
inline constexpr const char* dgNullParameters = "You try call method with NULL or empty-value parameters.";
inline constexpr const char* dgCannotCreateDirectory = "Cannot create directory.";
constexpr int deNullParameters = 10;
constexpr int deCannotCreateDirectory = 11;

// One entry of the menu bar of the site.
struct THtmlMenuItem {
  const char* MenuFile; // the entry's own menu page
  const char* Title;    // text in the title bar of that menu page
  const char* Id;       // title element of that menu page
  const char* Caption;  // text of the entry in the menu row
  const char* Page;     // the frameset page the entry opens
  int Width;            // width of the entry's cell in pixels
};

class TDocumentation {
public:
  // The files copied from the images folder, in copying order.
  static const std::vector<const char*>& ImageFiles();

  // Folder is the site's folder; a relative one is taken relative to the folder of the
  // document's schema file. Nothing is written yet.
  TDocumentation(TVisualModel* Document, Morvik::TModel* Model, const QString& Folder,
                 TDocumentationProgress* Progress = nullptr);
  ~TDocumentation();
  TDocumentation(const TDocumentation&) = delete;
  TDocumentation& operator=(const TDocumentation&) = delete;

  // Writes the site. EMorvikError (module 100) for a missing document, model or folder and
  // for a folder that cannot be made; EFCreateError for a page that cannot be written (the
  // pages written before it stay).
  void Generate(bool Tables, bool Relations, bool Script, bool Notes, bool FurtherInfo, bool ParamHelp,
                const QString& ImagesFolder);

  // The folder that Folder names for Document: absolute, relative ones taken from the folder
  // of the schema file (the working folder while the schema was never saved).
  static QString SiteFolder(const TVisualModel* Document, const QString& Folder);

  // The table name of the first entity named EntityName; "jméno nenalezeno" when the
  // document has none of that name.
  QString TableNameOf(const QString& EntityName) const;
  // Both ends of the line are entities.
  static bool JoinsTwoEntities(const TRelation* Relation);

private:
  struct TEntityNames;

  QString PagePath(const char* Name) const;
  void CopyImages(const QString& ImagesFolder) const;
  void WriteFrameset(const char* Name, const char* Prefix, bool WithList) const;
  void WriteMenuPages(bool Tables, bool Relations, bool Script, bool Notes, bool FurtherInfo) const;
  void Step();

  // Content pages.
  void WriteModelPage();
  void WriteScriptPage() const;
  void WriteTablePages();
  void WriteRelationPages();
  void WriteNotePage() const;
  void IndexEntities();

  // Parameter trees and the further-information page.
  void WriteParamTree(THtmlPage& Page, int Depth, const Morvik::TParamObject* Object, bool Root,
                      const QByteArray& Caption, const QByteArray& Prefix, const QByteArray& Title,
                      const QByteArray& Link);
  // The tree of Object (none when it is null) as a block of Table under Heading.
  void WriteParamBlock(THtmlTable& Table, const char* Heading, const Morvik::TParamObject* Object,
                       const QByteArray& Caption, const QByteArray& Title, const QByteArray& Link);
  bool IsVisible(const Morvik::TParamObject* Object, int Pos) const;
  void WriteValueText(THtmlPage& Page, const Morvik::TParamObject* Object, int Index, const QByteArray& Title,
                      const QByteArray& Link);
  void WriteOtherEntry(const QByteArray& Heading, const QByteArray& Subheading, std::string_view Text);

  TVisualModel* Document;
  Morvik::TModel* Model;
  QString Folder;
  TDocumentationProgress* ProgressHost;
  int EntryCount = 0;
  std::unique_ptr<THtmlPage> OtherStream;
  bool ParamHelp = false;
  // The table and note pages are part of this site: links may lead there.
  bool TablesWritten = false;
  bool NotesWritten = false;
  int StepsDone = 0;
  int StepsTotal = 0;
  // The first entity of each component name, and the note links of the relation list by the
  // names of their note and of their entity, in list order.
  QHash<QString, TEntity*> EntityByName;
  QHash<QString, std::vector<TRelation*>> NoteLinksByNote;
  QHash<QString, std::vector<TRelation*>> NoteLinksByEntity;
};
