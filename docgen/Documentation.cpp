#include "docgen/Documentation.h"

#include "diagram/Entity.h"
#include "diagram/Errors.h"
#include "diagram/Note.h"
#include "diagram/Relation.h"
#include "docgen/DocumentationHost.h"
#include "editor/VisualModel.h"
#include "ui/WholeFile.h"
#include "Interface/MorvikInterface.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char* const DocType = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";

// The menu entries in their fixed order; Switch tells which of Generate's switches shows one.
enum TMenuSwitch {
  msAlways,
  msScript,
  msTables,
  msRelations,
  msNotes,
  msFurtherInfo
};
struct TMenuRow {
  TMenuSwitch Switch;
  THtmlMenuItem Item;
};
const TMenuRow MenuRows[] = {
    {msAlways, {"model_m.html", "informace o modelu", "model_menu", "informace", "index.html", 70}},
    {msScript, {"script_m.html", "SQL skript", "script_menu", "skript", "script.html", 50}},
    {msTables, {"tables_m.html", "tabulky", "tables_menu", "tabulky", "tables.html", 55}},
    {msTables, {"columns_m.html", "sloupce", "columns_menu", "sloupce", "columns.html", 60}},
    {msRelations, {"relations_m.html", "relace", "relations_menu", "relace", "relations.html", 50}},
    {msNotes, {"notes_m.html", "poznámky", "notes_menu", "poznámky", "notes.html", 70}},
    {msFurtherInfo, {"other_m.html", "další informace", "other_menu", "další informace", "other.html", 130}},
};

} // namespace

const std::vector<const char*>& TDocumentation::ImageFiles() {
  static const std::vector<const char*> files = {"IEStyle.css",       "blank.gif",
                                                 "branch_item.gif",   "branch_item_corner_bottom.gif",
                                                 "item.gif",          "item_folder.gif",
                                                 "item_multiple.gif", "line.gif",
                                                 "line_item.gif",     "line_item_corner_bottom.gif"};
  return files;
}

TDocumentation::TDocumentation(TVisualModel* Document, Morvik::TModel* Model, const QString& Folder,
                               TDocumentationProgress* Progress)
    : Document(Document), Model(Model), Folder(Folder), ProgressHost(Progress) {}

TDocumentation::~TDocumentation() = default;

QString TDocumentation::SiteFolder(const TVisualModel* Document, const QString& Folder) {
  if (QDir::isAbsolutePath(Folder)) return QDir::cleanPath(Folder);
  const QString base = Document && !Document->FileName.isEmpty()
                           ? QFileInfo(Document->FileName).absolutePath()
                           : QDir::currentPath();
  return QDir::cleanPath(QDir(base).filePath(Folder));
}

QString TDocumentation::PagePath(const char* Name) const {
  return QDir(Folder).filePath(QString::fromUtf8(Name));
}

void TDocumentation::Generate(bool Tables, bool Relations, bool Script, bool Notes, bool FurtherInfo,
                              bool ParamHelp, const QString& ImagesFolder) {
  if (!Document || !Model || Folder.isEmpty())
    throw EMorvikError(dcGB, deNullParameters, emDocumentation, dgNullParameters, epDefault);
  Folder = SiteFolder(Document, Folder);
  if (!QDir().mkpath(Folder))
    throw EMorvikError(dcGB, deCannotCreateDirectory, emDocumentation, dgCannotCreateDirectory, epDefault);
  const QDir site(Folder);
  if (!site.exists(QStringLiteral("images")) && !site.mkdir(QStringLiteral("images")))
    throw EMorvikError(dcGB, deCannotCreateDirectory, emDocumentation, dgCannotCreateDirectory, epDefault);
  CopyImages(ImagesFolder);

  IndexEntities();
  StepsDone = 0;
  StepsTotal = 2 + (Tables ? static_cast<int>(Document->Entities.size()) : 0);
  if (Relations)
    for (const TRelation* line : Document->Relations) StepsTotal += JoinsTwoEntities(line) ? 1 : 0;
  EntryCount = 0;
  this->ParamHelp = ParamHelp;
  TablesWritten = Tables;
  NotesWritten = Notes;
  try {
    if (FurtherInfo) {
      OtherStream = std::make_unique<THtmlPage>(PagePath("other_b.html"));
      OtherStream->WritePageHead("other body");
      WriteFrameset("other.html", "other", false);
    }
    WriteFrameset("index.html", "model", false);
    WriteModelPage();
    Step();
    if (Script) {
      WriteFrameset("script.html", "script", false);
      WriteScriptPage();
    }
    if (Tables) {
      WriteFrameset("tables.html", "tables", true);
      WriteFrameset("columns.html", "columns", true);
      WriteTablePages();
    }
    if (Relations) {
      WriteFrameset("relations.html", "relations", true);
      WriteRelationPages();
    }
    if (Notes) {
      WriteFrameset("notes.html", "notes", false);
      WriteNotePage();
    }
    if (OtherStream) {
      if (EntryCount == 0) {
        OtherStream->WriteLine(2, "<span class=No>");
        OtherStream->WriteLine(3, "V projektu nebyly nalezeny žádné rozšířené informace.<br>");
        OtherStream->WriteLine(2, "</span>");
      }
      OtherStream->WritePageTail();
      OtherStream->Close();
      OtherStream.reset();
    }
    WriteMenuPages(Tables, Relations, Script, Notes, FurtherInfo);
    Step();
  } catch (...) {
    OtherStream.reset();
    throw;
  }
}

void TDocumentation::Step() {
  ++StepsDone;
  if (ProgressHost) ProgressHost->Progress(StepsDone, StepsTotal);
}

void TDocumentation::CopyImages(const QString& ImagesFolder) const {
  const QDir source(ImagesFolder);
  const QDir target(QDir(Folder).filePath(QStringLiteral("images")));
  // An existing target is left alone, a missing source is passed over, and a copy that cannot
  // be written whole is not made; none of these is reported.
  for (const char* name : ImageFiles()) {
    QFile from(source.filePath(QString::fromLatin1(name)));
    const QString to = target.filePath(QString::fromLatin1(name));
    if (QFileInfo::exists(to) || !from.open(QIODevice::ReadOnly)) continue;
    try {
      ui::WriteWholeFile(to, from.readAll());
    } catch (const ui::Exception&) {}
  }
}

void TDocumentation::WriteFrameset(const char* Name, const char* Prefix, bool WithList) const {
  const QByteArray prefix(Prefix);
  THtmlPage page(PagePath(Name));
  page.WriteText(DocType);
  page.WriteText("<html>");
  page.WriteText("\t<head>");
  page.WriteText("\t\t", CharsetMeta);
  page.WriteText("\t\t<title>Morvik dokumentace</title>");
  page.WriteText("\t</head>");
  page.WriteText("\t<frameset rows=\"78,*\" border=\"0\" frameborder=\"no\" framespacing=\"0\">");
  page.WriteText("\t\t<frame name=\"menu\" src=\"", prefix,
                 "_m.html\" marginwidth=\"0\" marginheight=\"0\" scrolling=\"no\" frameborder=\"yes\">");
  if (WithList) {
    page.WriteText("\t\t<frameset cols=\"20%, *\" border=\"0\" frameborder=\"yes\" framespacing=\"1\">");
    page.WriteText("\t\t\t<frame name=\"list\" src=\"", prefix,
                   "_l.html\" marginwidth=\"0\" marginheight=\"0\" scrolling=\"auto\" frameborder=\"no\">");
    page.WriteText("\t\t\t<frame name=\"body\" src=\"", prefix,
                   "_b.html\" marginwidth=\"0\" marginheight=\"0\" scrolling=\"auto\" frameborder=\"no\">");
    page.WriteText("\t\t</frameset>");
  } else {
    page.WriteText("\t\t<frame name=\"body\" src=\"", prefix,
                   "_b.html\" marginwidth=\"0\" marginheight=\"0\" scrolling=\"auto\" frameborder=\"no\">");
  }
  page.WriteText("\t</frameset>");
  page.WriteText("</html>");
  page.Close();
}

void TDocumentation::WriteMenuPages(bool Tables, bool Relations, bool Script, bool Notes,
                                    bool FurtherInfo) const {
  const bool on[] = {true, Script, Tables, Relations, Notes, FurtherInfo};
  std::vector<const THtmlMenuItem*> items;
  for (const TMenuRow& row : MenuRows)
    if (on[row.Switch]) items.push_back(&row.Item);

  for (const THtmlMenuItem* own : items) {
    THtmlPage page(PagePath(own->MenuFile));
    page.WriteLine(0, DocType);
    page.WriteLine(0, "<html>");
    page.WriteLine(1, "<head>");
    page.WriteLine(2, CharsetMeta);
    page.WriteLine(2, "<title>", own->Id, "</title>");
    page.WriteLine(1, "</head>");
    page.WriteLine(1, "<body>");
    page.WriteLine(
        2, "<table border=\"0\" cellpadding=\"10\" cellspacing=\"0\" width=\"100%\" bgcolor=\"#4682B4\">");
    page.WriteLine(3, "<tr>");
    page.WriteLine(
        4, "<td><font color=\"#FFFFFF\" size=\"6\" face=\"Arial Narrow\"><b>Morvik</b> dokumentace - ",
        own->Title, "</font></td>");
    page.WriteLine(3, "</tr>");
    page.WriteLine(2, "</table>");
    page.WriteLine(
        2, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\" bgcolor=\"#000000\">");
    page.WriteLine(3, "<tr>");
    page.WriteLine(4, "<td nowrap width=\"10\"></td>");
    for (const THtmlMenuItem* item : items) {
      const bool last = item == items.back();
      const char* caption = "<p align=\"left\"><font color=\"#FFFFFF\" size=\"2\" face=\"Arial\">";
      if (item == own) {
        if (last)
          page.WriteLine(4, "<td>", caption, item->Caption, "</font></p></td>");
        else
          page.WriteLine(4, "<td nowrap width=\"", item->Width, "\">", caption, item->Caption,
                         "</font></p></td>");
      } else {
        if (last)
          page.WriteLine(4, "<td nowrap><a href=\"", item->Page, "\" TARGET=\"_top\">", caption,
                         item->Caption, "</font></p></a></td>");
        else
          page.WriteLine(4, "<td nowrap width=\"", item->Width, "\"><a href=\"", item->Page,
                         "\" TARGET=\"_top\">", caption, item->Caption, "</font></p></a></td>");
      }
    }
    page.WriteLine(3, "</tr>");
    page.WriteLine(2, "</table>");
    page.WritePageTail();
    page.Close();
  }
}

void TDocumentation::IndexEntities() {
  EntityByName.clear();
  NoteLinksByNote.clear();
  NoteLinksByEntity.clear();
  for (TEntity* entity : Document->Entities)
    if (entity && !EntityByName.contains(entity->Name())) EntityByName.insert(entity->Name(), entity);
  for (TRelation* line : Document->Relations) {
    if (!line || JoinsTwoEntities(line)) continue;
    if (line->Base()) NoteLinksByNote[line->Base()->Name()].push_back(line);
    if (line->Target()) NoteLinksByEntity[line->Target()->Name()].push_back(line);
  }
}

QString TDocumentation::TableNameOf(const QString& EntityName) const {
  const TEntity* entity = nullptr;
  if (!EntityByName.isEmpty() || Document == nullptr) {
    entity = EntityByName.value(EntityName, nullptr);
  } else {
    for (const TEntity* e : Document->Entities)
      if (e && e->Name() == EntityName) {
        entity = e;
        break;
      }
  }
  if (!entity) return QStringLiteral("jméno nenalezeno");
  return entity->Table() ? QString::fromUtf8(entity->Table()->GetName()) : QString();
}

bool TDocumentation::JoinsTwoEntities(const TRelation* Relation) {
  return TVisualModel::IsRelationComplete(Relation);
}
