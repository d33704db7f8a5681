// The content pages of the site: model, script, tables and columns, relations and notes.

#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "docgen/Documentation.h"
#include "editor/VisualModel.h"
#include "Interface/MorvikInterface.h"

namespace {

// A time as the pages show it: the date alone when the time of day is zero; nothing for a
// time never set.
QString TimeText(const QDateTime& Value) {
  if (!Value.isValid()) return QString();
  return FormatDateTime(Value.time() == QTime(0, 0) ? QStringLiteral("d. m. yyyy")
                                                    : QString::fromLatin1(TProjectInfo::DefFormatStr),
                        Value);
}

// A "No" block: the message that a page has nothing to show.
void WriteNoBlock(THtmlPage& Page, const char* Text) {
  Page.WriteLine(2, "<span class=No>");
  Page.WriteLine(3, Text);
  Page.WriteLine(2, "</span>");
}

QByteArray Utf8(const char* Text) { return QByteArray(Text ? Text : ""); }

// The names of an entity as the pages use them.
struct TEntityText {
  explicit TEntityText(const TEntity* Entity)
      : Name(Entity->Name().toUtf8()),
        TableName(Entity->Table() ? Utf8(Entity->Table()->GetName()) : QByteArray()),
        Display(TableName.isEmpty() ? Name : TableName) {}
  QByteArray Name;      // component name: the anchor on the table page
  QByteArray TableName; // the plug-in table's name, may be empty
  QByteArray Display;   // the table name, or the component name when that is empty
};

// An anchor element leading to a named place: page#name, opening in the body frame. Where
// the page is not part of the site, the text alone.
QByteArray LinkTo(const char* Page, const QByteArray& Name, const QByteArray& Text, bool Linked = true) {
  if (!Linked) {
    QByteArray text;
    AppendHtml(text, std::string_view(Text.constData(), static_cast<size_t>(Text.size())));
    return text;
  }
  QByteArray link("<a href=\"");
  link.append(Page).append('#');
  AppendFragment(link, std::string_view(Name.constData(), static_cast<size_t>(Name.size())));
  link.append("\" TARGET=\"body\">");
  AppendHtml(link, std::string_view(Text.constData(), static_cast<size_t>(Text.size())));
  link.append("</a>");
  return link;
}

} // namespace

void TDocumentation::WriteModelPage() {
  THtmlPage page(PagePath("model_b.html"));
  page.WritePageHead("model_body");
  page.WriteLine(2, "<table border=0 width=100%>");
  if (const TProjectInfo* info = Document->ProjectInfo) {
    page.WriteLine(3, "<tr class=TitleA>");
    page.WriteLine(4, "<td><b>Razítko projektu:</b>");
    const std::pair<const char*, QString> rows[] = {
        {"<td><b>Projekt:</b> ", info->Project()},
        {"<td><b>Autor:</b> ", info->Author()},
        {"<td><b>Firma:</b> ", info->Firm()},
        {"<td><b>Verze:</b> ", info->Version()},
        {"<td><b>Model:</b> ", info->Model()},
        {"<td><b>SubModel:</b> ", info->SubModel()},
        {"<td><b>Vytvořeno:</b> ", TimeText(info->CreatedAt())},
        {"<td><b>Poslední změna:</b> ", TimeText(info->UpdatedAt())},
    };
    for (const auto& [label, value] : rows) {
      page.WriteLine(3, "<tr class=Text>");
      page.WriteLine(4, label, Html(value));
    }
  } else {
    page.WriteLine(3, "<tr class=Text>");
    page.WriteLine(4, "<td><b>Vytvořeno:</b> ", Html(TimeText(Document->CreatedAt)));
    page.WriteLine(3, "<tr class=Text>");
    page.WriteLine(4, "<td><b>Poslední změna:</b> ", Html(TimeText(Document->UpdatedAt)));
  }

  page.WriteLine(3, "<tr class=Empty>");
  page.WriteLine(3, "<tr class=TitleA>");
  page.WriteLine(4, "<td><b>Informace modelu:</b>");
  const std::pair<const char*, QString> rows[] = {
      {"<td><b>Databázový server:</b> ", Document->DBModelName},
      {"<td><b>Použitá DLL knihovna:</b> ", Document->DLLFileName},
      {"<td><b>Název souboru:</b> ", Document->FileName},
      {"<td><b>Soubor dokumentace:</b> ", Document->DocumentationPath},
      {"<td><b>Čas poslední kontroly schematu:</b> ", TimeText(Document->CheckedAt)},
  };
  for (const auto& [label, value] : rows) {
    page.WriteLine(3, "<tr class=Text>");
    page.WriteLine(4, label, Html(value));
  }

  page.WriteLine(3, "<tr class=Empty>");
  page.WriteLine(3, "<tr class=TitleB>");
  page.WriteLine(4, "<td><b>Parametry modelu:</b>");
  page.WriteLine(3, "<tr class=TreeText>");
  page.WriteLine(4, "<td>");
  WriteParamTree(page, 5, Model, true, "Model", QByteArray(), "Model",
                 "<a href=\"model_b.html\" TARGET=\"body\">Model</a>");
  page.WriteLine(3, "<tr class=Empty>");

  int relations = 0;
  for (const TRelation* line : Document->Relations) relations += JoinsTwoEntities(line) ? 1 : 0;
  page.WriteLine(3, "<tr class=TitleA>");
  page.WriteLine(4, "<td><b>Statistická data:</b>");
  page.WriteLine(3, "<tr class=Text>");
  page.WriteLine(4, "<td><b>Počet entit:</b> ", static_cast<int>(Document->Entities.size()));
  page.WriteLine(3, "<tr class=Text>");
  page.WriteLine(4, "<td><b>Počet relací:</b> ", relations);
  page.WriteLine(3, "<tr class=Text>");
  page.WriteLine(4, "<td><b>Počet poznámek:</b> ", static_cast<int>(Document->Notes.size()));
  page.WriteLine(2, "</table>");
  page.WritePageTail();
  page.Close();
}

void TDocumentation::WriteScriptPage() const {
  THtmlPage page(PagePath("script_b.html"));
  page.WritePageHead("script_body");
  if (!Document->Script.isEmpty()) {
    page.WriteLine(2, "<table border=0 width=100%>");
    page.WriteLine(3, "<tr class=TitleA>");
    page.WriteLine(4, "<td><b>Vygenerovaný skript:</b>");
    page.WriteLine(3, "<tr class=Empty>");
    page.WriteLine(3, "<tr class=TextScript>");
    page.WriteLine(4, "<td>");
    page.WriteLine(0, "<pre>");
    page.WriteLine(0, Html(Document->Script));
    page.WriteLine(0, "</pre>");
    page.WriteLine(2, "</table>");
  } else {
    WriteNoBlock(page, "V projektu nebyl vygenerován SQL skript.<br>");
  }
  page.WritePageTail();
  page.Close();
}

void TDocumentation::WriteTablePages() {
  THtmlPage tablesList(PagePath("tables_l.html"));
  THtmlPage tablesBody(PagePath("tables_b.html"));
  THtmlPage columnsList(PagePath("columns_l.html"));
  THtmlPage columnsBody(PagePath("columns_b.html"));
  tablesList.WritePageHead("tables_list");
  tablesBody.WritePageHead("tables_body");
  columnsList.WritePageHead("columns_list");
  columnsBody.WritePageHead("columns_body");

  bool anyColumn = false;
  for (const TEntity* entity : Document->Entities) {
    if (!entity) continue;
    const TEntityText e(entity);
    const Morvik::TTable* table = entity->Table();
    const int n = table ? table->GetColumnCount() : 0;
    const QByteArray tableLink = LinkTo("tables_b.html", e.Name, e.Display);

    tablesList.WriteLine(2, "<a href=\"tables_b.html#", Fragment(e.Name), "\" TARGET=\"body\">",
                         Html(e.Display), "</a><br>");
    tablesBody.WriteLine(2, "<a name=\"", Html(e.Name), "\"></a>");
    tablesBody.WriteLine(2, "<table border=0 width=100%>");
    tablesBody.WriteLine(3, "<tr class=TitleA>");
    tablesBody.WriteLine(4, "<td><b>Jméno:</b> ", Html(e.Display));
    tablesBody.WriteLine(3, "<tr class=Text>");
    tablesBody.WriteLine(4, "<td><b>Počet sloupců:</b> ", n);
    tablesBody.WriteLine(3, "<tr class=Empty>");

    for (int j = 0; j < n; ++j) {
      const Morvik::TColumn* column = table->GetColumn(j);
      if (!column) continue;
      anyColumn = true;
      const QByteArray name = Utf8(column->GetName());
      const QByteArray anchor = e.TableName + ':' + name;
      const Morvik::TDataType* dataType = column->GetDataType();
      const QByteArray typeName = dataType ? Utf8(dataType->GetName()) : QByteArray();
      const QByteArray columnLink = LinkTo("columns_b.html", anchor, name);

      if (j == 0) {
        tablesBody.WriteLine(3, "<tr class=TitleB>");
        tablesBody.WriteLine(4, "<td><b>Sloupce tabulky:</b>");
      }
      tablesBody.WriteLine(3, "<tr class=Text>");
      tablesBody.WriteLine(4, "<td><b>Jméno sloupce:</b> ", columnLink, "<br>");
      columnsList.WriteLine(2, "<a href=\"columns_b.html#", Fragment(anchor), "\" TARGET=\"body\">",
                            Html(e.TableName), ":", Html(name), "</a><br>");

      columnsBody.WriteLine(2, "<a name=\"", Html(anchor), "\"></a>");
      columnsBody.WriteLine(2, "<table border=0 width=100%>");
      columnsBody.WriteLine(3, "<tr class=TitleA>");
      columnsBody.WriteLine(4, "<td><b>Jméno sloupce:</b> ", Html(name));
      columnsBody.WriteLine(3, "<tr class=Text>");
      columnsBody.WriteLine(4, "<td><b>Tabulka:</b> ", tableLink);
      columnsBody.WriteLine(3, "<tr class=Text>");
      columnsBody.WriteLine(4, "<td><b>Klíč:</b> ", column->GetKey() ? "ano" : "ne");
      columnsBody.WriteLine(3, "<tr class=Text>");
      columnsBody.WriteLine(4, "<td><b>Datový typ:</b> ", Html(typeName));
      columnsBody.WriteLine(3, "<tr class=Empty>");
      columnsBody.WriteLine(3, "<tr class=TitleB>");
      columnsBody.WriteLine(4, "<td><b>Parametry datového typu:</b>");
      columnsBody.WriteLine(3, "<tr class=TreeText>");
      columnsBody.WriteLine(4, "<td>");
      if (dataType)
        WriteParamTree(columnsBody, 5, dataType, true, typeName, QByteArray(),
                       e.Display + ':' + name + '.' + typeName + " (datový typ)", columnLink);
      columnsBody.WriteLine(3, "<tr class=Empty>");
      columnsBody.WriteLine(3, "<tr class=Empty>");
      columnsBody.WriteLine(3, "<tr class=TitleB>");
      columnsBody.WriteLine(4, "<td><b>Parametry sloupce:</b>");
      columnsBody.WriteLine(3, "<tr class=TreeText>");
      columnsBody.WriteLine(4, "<td>");
      WriteParamTree(columnsBody, 5, column, true, name, QByteArray(), e.Display + ':' + name + " (sloupec)",
                     columnLink);
      columnsBody.WriteLine(3, "<tr class=Empty>");
      columnsBody.WriteLine(2, "</table>");
      columnsBody.WriteLine(2, "<hr>");
    }

    const auto notes = NoteLinksByEntity.constFind(entity->Name());
    if (notes != NoteLinksByEntity.cend()) {
      QByteArray links;
      for (const TRelation* line : *notes) {
        if (!links.isEmpty()) links.append(' ');
        const QByteArray note = line->Base() ? line->Base()->Name().toUtf8() : QByteArray();
        links.append(LinkTo("notes_b.html", note, note, NotesWritten));
      }
      tablesBody.WriteLine(3, "<tr class=Text>");
      tablesBody.WriteLine(4, "<td><b>Příslušné poznámky:</b> ", links);
    }

    tablesBody.WriteLine(3, "<tr class=Empty>");
    tablesBody.WriteLine(3, "<tr class=TitleB>");
    tablesBody.WriteLine(4, "<td><b>Parametry tabulky:</b>");
    tablesBody.WriteLine(3, "<tr class=TreeText>");
    tablesBody.WriteLine(4, "<td>");
    if (table)
      WriteParamTree(tablesBody, 5, table, true, e.Display, QByteArray(), e.Display + " (tabulka)",
                     tableLink);
    tablesBody.WriteLine(3, "<tr class=Empty>");
    tablesBody.WriteLine(2, "</table>");
    tablesBody.WriteLine(2, "<hr>");
    Step();
  }

  if (Document->Entities.empty()) {
    WriteNoBlock(tablesBody, "V projektu nebyly nalezeny žádné tabulky.<br>");
    WriteNoBlock(columnsBody, "V projektu nebyly nalezeny žádné tabulky - sloupce.<br>");
  } else if (!anyColumn) {
    WriteNoBlock(columnsBody, "V projektu nebyly nalezeny žádné sloupce.<br>");
  }
  for (THtmlPage* page : {&tablesList, &tablesBody, &columnsList, &columnsBody}) {
    page->WritePageTail();
    page->Close();
  }
}

void TDocumentation::WriteRelationPages() {
  THtmlPage list(PagePath("relations_l.html"));
  THtmlPage body(PagePath("relations_b.html"));
  list.WritePageHead("relations_list");
  body.WritePageHead("relations_body");

  bool any = false;
  for (const TRelation* relation : Document->Relations) {
    if (!JoinsTwoEntities(relation)) continue;
    any = true;
    const Morvik::TReference* reference = relation->Reference();
    const QByteArray name = relation->Name().toUtf8();
    const QByteArray referenceName = reference ? Utf8(reference->GetName()) : QByteArray();
    const QByteArray display = referenceName.isEmpty() ? name : referenceName;
    const QByteArray b = relation->Base()->Name().toUtf8();
    const QByteArray g = relation->Target()->Name().toUtf8();
    const QByteArray tb = TableNameOf(relation->Base()->Name()).toUtf8();
    const QByteArray tg = TableNameOf(relation->Target()->Name()).toUtf8();
    const int pairs = reference ? reference->GetPairCount() : 0;
    const QByteArray link = LinkTo("relations_b.html", name, display);

    list.WriteLine(2, "<a href=\"relations_b.html#", Fragment(name), "\" TARGET=\"body\"><b>", Html(display),
                   "</b></a><br>");
    body.WriteLine(2, "<a name=\"", Html(name), "\"></a>");
    body.WriteLine(2, "<table border=0 width=100%>");
    body.WriteLine(3, "<tr class=TitleA>");
    body.WriteLine(4, "<td><b>Jméno:</b> ", Html(display));
    body.WriteLine(3, "<tr class=Text>");
    body.WriteLine(4, "<td><b>Tabulka z:</b> ",
                   LinkTo("tables_b.html", b, tb.isEmpty() ? b : tb, TablesWritten));
    body.WriteLine(3, "<tr class=Text>");
    body.WriteLine(4, "<td><b>Tabulka do:</b> ",
                   LinkTo("tables_b.html", g, tg.isEmpty() ? g : tg, TablesWritten));
    body.WriteLine(3, "<tr class=Text>");
    body.WriteLine(4, "<td><b>Počet párů:</b> ", pairs);
    body.WriteLine(3, "<tr class=Empty>");
    body.WriteLine(3, "<tr class=TitleB>");
    body.WriteLine(4, "<td><b>Parametry relace:</b>");
    body.WriteLine(3, "<tr class=TreeText>");
    body.WriteLine(4, "<td>");
    if (reference)
      WriteParamTree(body, 5, reference, true, display, QByteArray(), display + " (relace)", link);
    body.WriteLine(3, "<tr class=Empty>");
    for (int p = 0; p < pairs; ++p) {
      if (p == 0) {
        body.WriteLine(3, "<tr class=TitleB>");
        body.WriteLine(4, "<td><b>Sloupce relace:</b>");
      }
      const Morvik::TColumn* from = reference->GetPairColumn(0, p);
      const Morvik::TColumn* to = reference->GetPairColumn(1, p);
      const QByteArray cz = tb + ':' + (from ? Utf8(from->GetName()) : QByteArray());
      const QByteArray cd = tg + ':' + (to ? Utf8(to->GetName()) : QByteArray());
      body.WriteLine(3, "<tr class=Text>");
      body.WriteLine(4, "<td><b>Sloupec z:</b> ", LinkTo("columns_b.html", cz, cz, TablesWritten));
      body.WriteLine(3, "<tr class=Text>");
      body.WriteLine(4, "<td><b>Sloupec do:</b> ", LinkTo("columns_b.html", cd, cd, TablesWritten));
    }
    body.WriteLine(2, "</table>");
    body.WriteLine(2, "<hr>");
    Step();
  }
  if (!any) WriteNoBlock(body, "V projektu nebyly nalezeny žádné relace.<br>");
  list.WritePageTail();
  list.Close();
  body.WritePageTail();
  body.Close();
}

void TDocumentation::WriteNotePage() const {
  THtmlPage page(PagePath("notes_b.html"));
  page.WritePageHead("notes_body");
  for (const TNote* note : Document->Notes) {
    if (!note) continue;
    const QByteArray name = note->Name().toUtf8();
    page.WriteLine(2, "<a name=\"", Html(name), "\"></a>");
    page.WriteLine(2, "<table border=0 width=100%>");
    page.WriteLine(3, "<tr class=TitleA>");
    page.WriteLine(4, "<td><b>Jméno:</b> ", Html(name));
    const auto tables = NoteLinksByNote.constFind(note->Name());
    if (tables != NoteLinksByNote.cend()) {
      QByteArray links;
      for (const TRelation* line : *tables) {
        const auto* entity = dynamic_cast<const TEntity*>(line->Target());
        if (!entity) continue;
        const TEntityText e(entity);
        if (!links.isEmpty()) links.append(' ');
        links.append(LinkTo("tables_b.html", e.Name, e.Display, TablesWritten));
      }
      if (!links.isEmpty()) {
        page.WriteLine(3, "<tr class=Text>");
        page.WriteLine(4, "<td><b>Příslušné tabulky:</b> ", links);
      }
    }
    page.WriteLine(3, "<tr class=Text>");
    page.WriteLine(4, "<td>");
    page.WriteLine(0, "<pre>");
    page.WriteLine(0, Html(note->Lines().join(QStringLiteral("\r\n"))));
    page.WriteLine(0, "</pre>");
    page.WriteLine(2, "</table>");
    page.WriteLine(2, "<hr>");
  }
  if (Document->Notes.empty()) WriteNoBlock(page, "V projektu nebyly nalezeny žádné poznámky.<br>");
  page.WritePageTail();
  page.Close();
}
