// The content pages of the site: model, script, tables and columns, relations and notes.

#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "docgen/Documentation.h"
#include "docgen/HtmlTable.h"
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

void TDocumentation::WriteParamBlock(THtmlTable& Table, const char* Heading,
                                     const Morvik::TParamObject* Object, const QByteArray& Caption,
                                     const QByteArray& Title, const QByteArray& Link) {
  Table.Tree(Heading, [&](THtmlPage& Page, int Depth) {
    if (Object) WriteParamTree(Page, Depth, Object, true, Caption, QByteArray(), Title, Link);
  });
}

void TDocumentation::WriteModelPage() {
  THtmlPage page(PagePath("model_b.html"));
  page.WritePageHead("model_body");
  THtmlTable table(page);
  if (const TProjectInfo* info = Document->ProjectInfo) {
    table.Caption(TRowClass::TitleA, "Razítko projektu:");
    const std::pair<const char*, QString> rows[] = {
        {"Projekt:", info->Project()},
        {"Autor:", info->Author()},
        {"Firma:", info->Firm()},
        {"Verze:", info->Version()},
        {"Model:", info->Model()},
        {"SubModel:", info->SubModel()},
        {"Vytvořeno:", TimeText(info->CreatedAt())},
        {"Poslední změna:", TimeText(info->UpdatedAt())},
    };
    for (const auto& [label, value] : rows) table.Field(TRowClass::Text, label, Html(value));
  } else {
    table.Field(TRowClass::Text, "Vytvořeno:", Html(TimeText(Document->CreatedAt)));
    table.Field(TRowClass::Text, "Poslední změna:", Html(TimeText(Document->UpdatedAt)));
  }

  table.Empty();
  table.Caption(TRowClass::TitleA, "Informace modelu:");
  const std::pair<const char*, QString> rows[] = {
      {"Databázový server:", Document->DBModelName},
      {"Použitá DLL knihovna:", Document->DLLFileName},
      {"Název souboru:", Document->FileName},
      {"Soubor dokumentace:", Document->DocumentationPath},
      {"Čas poslední kontroly schematu:", TimeText(Document->CheckedAt)},
  };
  for (const auto& [label, value] : rows) table.Field(TRowClass::Text, label, Html(value));

  WriteParamBlock(table, "Parametry modelu:", Model, "Model", "Model",
                  "<a href=\"model_b.html\" TARGET=\"body\">Model</a>");

  int relations = 0;
  for (const TRelation* line : Document->Relations) relations += JoinsTwoEntities(line) ? 1 : 0;
  table.Caption(TRowClass::TitleA, "Statistická data:");
  table.Field(TRowClass::Text, "Počet entit:", static_cast<int>(Document->Entities.size()));
  table.Field(TRowClass::Text, "Počet relací:", relations);
  table.Field(TRowClass::Text, "Počet poznámek:", static_cast<int>(Document->Notes.size()));
  table.Close();
  page.WritePageTail();
  page.Close();
}

void TDocumentation::WriteScriptPage() const {
  THtmlPage page(PagePath("script_b.html"));
  page.WritePageHead("script_body");
  if (!Document->Script.isEmpty()) {
    THtmlTable table(page);
    table.Caption(TRowClass::TitleA, "Vygenerovaný skript:");
    table.Empty();
    table.Preformatted(TRowClass::TextScript, Document->Script);
    table.Close();
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

    tablesList.WriteLine(2, LinkTo("tables_b.html", e.Name, e.Display), "<br>");
    THtmlTable tableCard(tablesBody, e.Name);
    tableCard.Field(TRowClass::TitleA, "Jméno:", Html(e.Display));
    tableCard.Field(TRowClass::Text, "Počet sloupců:", n);
    tableCard.Empty();

    for (int j = 0; j < n; ++j) {
      const Morvik::TColumn* column = table->GetColumn(j);
      if (!column) continue;
      anyColumn = true;
      const QByteArray name = Utf8(column->GetName());
      const QByteArray anchor = e.TableName + ':' + name;
      const Morvik::TDataType* dataType = column->GetDataType();
      const QByteArray typeName = dataType ? Utf8(dataType->GetName()) : QByteArray();
      const QByteArray columnLink = LinkTo("columns_b.html", anchor, name);

      if (j == 0) tableCard.Caption(TRowClass::TitleB, "Sloupce tabulky:");
      tableCard.Field(TRowClass::Text, "Jméno sloupce:", columnLink, "<br>");
      columnsList.WriteLine(2, LinkTo("columns_b.html", anchor, anchor), "<br>");

      THtmlTable columnCard(columnsBody, anchor);
      columnCard.Field(TRowClass::TitleA, "Jméno sloupce:", Html(name));
      columnCard.Field(TRowClass::Text, "Tabulka:", tableLink);
      columnCard.Field(TRowClass::Text, "Klíč:", column->GetKey() ? "ano" : "ne");
      columnCard.Field(TRowClass::Text, "Datový typ:", Html(typeName));
      WriteParamBlock(columnCard, "Parametry datového typu:", dataType, typeName,
                      e.Display + ':' + name + '.' + typeName + " (datový typ)", columnLink);
      WriteParamBlock(columnCard, "Parametry sloupce:", column, name, e.Display + ':' + name + " (sloupec)",
                      columnLink);
      columnCard.Close();
    }

    const auto notes = NoteLinksByEntity.constFind(entity->Name());
    if (notes != NoteLinksByEntity.cend()) {
      QByteArray links;
      for (const TRelation* line : *notes) {
        if (!links.isEmpty()) links.append(' ');
        const QByteArray note = line->Base() ? line->Base()->Name().toUtf8() : QByteArray();
        links.append(LinkTo("notes_b.html", note, note, NotesWritten));
      }
      tableCard.Field(TRowClass::Text, "Příslušné poznámky:", links);
    }

    WriteParamBlock(tableCard, "Parametry tabulky:", table, e.Display, e.Display + " (tabulka)", tableLink);
    tableCard.Close();
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
    THtmlTable card(body, name);
    card.Field(TRowClass::TitleA, "Jméno:", Html(display));
    card.Field(TRowClass::Text,
               "Tabulka z:", LinkTo("tables_b.html", b, tb.isEmpty() ? b : tb, TablesWritten));
    card.Field(TRowClass::Text,
               "Tabulka do:", LinkTo("tables_b.html", g, tg.isEmpty() ? g : tg, TablesWritten));
    card.Field(TRowClass::Text, "Počet párů:", pairs);
    WriteParamBlock(card, "Parametry relace:", reference, display, display + " (relace)", link);
    for (int p = 0; p < pairs; ++p) {
      if (p == 0) card.Caption(TRowClass::TitleB, "Sloupce relace:");
      const Morvik::TColumn* from = reference->GetPairColumn(0, p);
      const Morvik::TColumn* to = reference->GetPairColumn(1, p);
      const QByteArray cz = tb + ':' + (from ? Utf8(from->GetName()) : QByteArray());
      const QByteArray cd = tg + ':' + (to ? Utf8(to->GetName()) : QByteArray());
      card.Field(TRowClass::Text, "Sloupec z:", LinkTo("columns_b.html", cz, cz, TablesWritten));
      card.Field(TRowClass::Text, "Sloupec do:", LinkTo("columns_b.html", cd, cd, TablesWritten));
    }
    card.Close();
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
    THtmlTable card(page, name);
    card.Field(TRowClass::TitleA, "Jméno:", Html(name));
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
      if (!links.isEmpty()) card.Field(TRowClass::Text, "Příslušné tabulky:", links);
    }
    card.Preformatted(TRowClass::Text, note->Lines().join(QStringLiteral("\r\n")));
    card.Close();
  }
  if (Document->Notes.empty()) WriteNoBlock(page, "V projektu nebyly nalezeny žádné poznámky.<br>");
  page.WritePageTail();
  page.Close();
}
