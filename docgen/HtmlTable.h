// One table of a content page: a column of rows, each of a row class of the site's style sheet.
// Every block of the content pages is written here, so that all pages lay it out alike.
#pragma once

#include "docgen/HtmlPage.h"

#include <QByteArray>

// The row classes of the style sheet.
enum class TRowClass {
  TitleA,
  TitleB,
  Text,
  TreeText,
  TextScript
};

class THtmlTable {
public:
  // A table that stands alone on its page.
  explicit THtmlTable(THtmlPage& Page) : page(Page) { page.WriteLine(2, "<table border=0 width=100%>"); }
  // One table of a list: the anchor Name before it, and a rule after it when it is closed.
  THtmlTable(THtmlPage& Page, const QByteArray& Name) : page(Page), listed(true) {
    page.WriteLine(2, "<a name=\"", Html(Name), "\"></a>");
    page.WriteLine(2, "<table border=0 width=100%>");
  }
  THtmlTable(const THtmlTable&) = delete;
  THtmlTable& operator=(const THtmlTable&) = delete;

  // A row whose one cell holds the pieces (see THtmlPage::WriteRaw).
  template <class... Pieces>
  void Row(TRowClass Class, const Pieces&... Cell) {
    page.WriteLine(3, "<tr class=", ClassName(Class), ">");
    page.WriteLine(4, "<td>", Cell...);
  }
  // A row with a bold caption alone.
  void Caption(TRowClass Class, const char* Text) { Row(Class, "<b>", Text, "</b>"); }
  // A row with a bold label and its value.
  template <class... Pieces>
  void Field(TRowClass Class, const char* Label, const Pieces&... Value) {
    Row(Class, "<b>", Label, "</b> ", Value...);
  }
  // The row that spaces two blocks.
  void Empty() { page.WriteLine(3, "<tr class=Empty>"); }
  // A row of preformatted text (any text Html takes).
  template <class Text>
  void Preformatted(TRowClass Class, const Text& Value) {
    Row(Class);
    page.WriteLine(0, "<pre>");
    page.WriteLine(0, Html(Value));
    page.WriteLine(0, "</pre>");
  }
  // A block of a parameter tree under its caption; WriteTree writes the tree into the page at
  // the tree's depth.
  template <class TreeWriter>
  void Tree(const char* Title, TreeWriter&& WriteTree) {
    Empty();
    Caption(TRowClass::TitleB, Title);
    Row(TRowClass::TreeText);
    WriteTree(page, TreeDepth);
    Empty();
  }

  // Ends the table (and the list entry).
  void Close() {
    page.WriteLine(2, "</table>");
    if (listed) page.WriteLine(2, "<hr>");
  }

  // The tab depth of a tree written into a table's cell.
  static constexpr int TreeDepth = 5;

private:
  static const char* ClassName(TRowClass Class) {
    switch (Class) {
      case TRowClass::TitleA: return "TitleA";
      case TRowClass::TitleB: return "TitleB";
      case TRowClass::Text: return "Text";
      case TRowClass::TreeText: return "TreeText";
      case TRowClass::TextScript: return "TextScript";
    }
    return "Text";
  }

  THtmlPage& page;
  bool listed = false;
};
