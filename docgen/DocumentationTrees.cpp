// Parameter trees of the content pages and the numbered entries of the further-information
// page that hold their long texts.

#include "docgen/Documentation.h"
#include "Interface/MorvikInterface.h"

#include <cstdlib>

namespace {

QByteArray ImageTag(const char* File) {
  return QByteArray("<IMG height=22 width=16 src=\"images/") + File + "\" align=\"absmiddle\">";
}

QByteArray ImageTagAlt(const char* File, std::string_view Text) {
  QByteArray tag =
      QByteArray("<IMG height=22 width=16 src=\"images/") + File + "\" align=\"absmiddle\" alt=\"";
  AppendHtml(tag, Text);
  return tag + "\">";
}

QByteArray HelpSpan(std::string_view Text) {
  QByteArray span("<span class=TreeComment><i>(");
  AppendHtml(span, Text);
  return span + ")</i></span>";
}

std::string_view View(const char* Text) { return Text ? std::string_view(Text) : std::string_view(); }

// The option an enumeration value names: the value read as a whole decimal number; null when
// it is not one or names no option.
const char* OptionOf(const Morvik::TParamInfo* Info, const char* Value) {
  if (!Info || !Value || !*Value) return nullptr;
  char* end = nullptr;
  const long index = std::strtol(Value, &end, 10);
  if (*end != '\0' || index < 0 || index >= Info->GetOptionCount()) return nullptr;
  return Info->GetOption(static_cast<int>(index));
}

} // namespace

bool TDocumentation::IsVisible(const Morvik::TParamObject* Object, int Pos) const {
  const int k = Object->GetKindIndex(Pos);
  if (Object->GetParamKind(Pos) == Morvik::pkVector) {
    const Morvik::TListParam* list = Object->GetListParam(k);
    return list && list->GetItemsCount() > 0;
  }
  const Morvik::TParamInfo* info = Object->GetParam(k);
  if (!info) return false;
  const char* value = Object->GetParamValue(k);
  switch (info->GetType()) {
    case Morvik::ptString:
    case Morvik::ptNumber:
    case Morvik::ptMemo: return value && *value;
    case Morvik::ptBoolean: return true;
    case Morvik::ptEnum: {
      const char* option = OptionOf(info, value);
      return option && *option;
    }
    default: return false;
  }
}

void TDocumentation::WriteParamTree(THtmlPage& Page, int Depth, const Morvik::TParamObject* Object, bool Root,
                                    const QByteArray& Caption, const QByteArray& Prefix,
                                    const QByteArray& Title, const QByteArray& Link) {
  std::vector<int> visible;
  const int count = Object->GetParamCount() + Object->GetListParamCount();
  for (int pos = 0; pos < count; ++pos)
    if (IsVisible(Object, pos)) visible.push_back(pos);

  if (Root && !visible.empty()) Page.WriteRaw(QByteArray(Depth, '\t'));
  Page.WriteRaw(ImageTag("item_multiple.gif"), Html(Caption));
  const char* comment = Object->GetComment();
  if (OtherStream && comment && *comment) {
    Page.WriteRaw(" <span class=TreeReference><a href=\"other_b.html#", EntryCount,
                  "\" TARGET=\"body\">poznámka</a></span>");
    WriteOtherEntry(Title + " - poznámka", Link, comment);
    ++EntryCount;
  }
  Page.WriteRaw("<br>");

  for (const int pos : visible) {
    const bool last = pos == visible.back();
    const int k = Object->GetKindIndex(pos);
    if (Object->GetParamKind(pos) == Morvik::pkScalar) {
      const Morvik::TParamInfo* info = Object->GetParam(k);
      const std::string_view help = View(info->GetHelp());
      Page.WriteRaw(Prefix, ImageTag(last ? "line_item_corner_bottom.gif" : "line_item.gif"));
      if (ParamHelp && !help.empty())
        Page.WriteRaw(ImageTagAlt("item.gif", help), Html(info->GetName()), " = ");
      else
        Page.WriteRaw(ImageTag("item.gif"), Html(info->GetName()), " = ");
      WriteValueText(Page, Object, k, Title, Link);
      if (ParamHelp && !help.empty()) Page.WriteRaw(" ", HelpSpan(help));
      Page.WriteRaw("<br>");
      continue;
    }
    const Morvik::TListParamInfo* info = Object->GetListParamInfo(k);
    const Morvik::TListParam* list = Object->GetListParam(k);
    const QByteArray name(info->GetName());
    const std::string_view help = View(info->GetHelp());
    Page.WriteRaw(Prefix, ImageTag(last ? "branch_item_corner_bottom.gif" : "branch_item.gif"));
    if (ParamHelp && !help.empty())
      Page.WriteRaw(ImageTagAlt("item_folder.gif", help), Html(name), " ", HelpSpan(help), "<br>");
    else
      Page.WriteRaw(ImageTag("item_folder.gif"), Html(name), "<br>");
    const QByteArray itemPrefix = Prefix + ImageTag(last ? "blank.gif" : "line.gif");
    const int nameParam = info->GetItemNameParam();
    const int n = list->GetItemsCount();
    for (int i = 0; i < n; ++i) {
      const Morvik::TParamObject* item = list->GetItem(i);
      if (!item) continue;
      const bool lastItem = i == n - 1;
      QByteArray caption;
      if (nameParam >= 0 && nameParam < item->GetParamCount()) caption = item->GetParamValue(nameParam);
      if (caption.isEmpty()) caption = name;
      Page.WriteRaw(itemPrefix, ImageTag(lastItem ? "branch_item_corner_bottom.gif" : "branch_item.gif"));
      WriteParamTree(Page, Depth + 1, item, false, caption,
                     itemPrefix + ImageTag(lastItem ? "blank.gif" : "line.gif"), Title, Link);
    }
  }
}

void TDocumentation::WriteValueText(THtmlPage& Page, const Morvik::TParamObject* Object, int Index,
                                    const QByteArray& Title, const QByteArray& Link) {
  const Morvik::TParamInfo* info = Object->GetParam(Index);
  const char* value = Object->GetParamValue(Index);
  switch (info->GetType()) {
    case Morvik::ptString: Page.WriteRaw("\"", Html(value), "\""); break;
    case Morvik::ptNumber: Page.WriteRaw(Html(value)); break;
    case Morvik::ptBoolean: Page.WriteRaw(value && std::string_view(value) == "1" ? "TRUE" : "FALSE"); break;
    case Morvik::ptEnum: Page.WriteRaw(Html(OptionOf(info, value))); break;
    case Morvik::ptMemo:
      if (!value || !*value) break;
      if (OtherStream)
        Page.WriteRaw("<span class=TreeReference><a href=\"other_b.html#", EntryCount,
                      "\" TARGET=\"body\">detail</a></span>");
      else
        Page.WriteRaw("...");
      WriteOtherEntry(Title + " - detail", Link, value);
      ++EntryCount;
      break;
    default: break;
  }
}

void TDocumentation::WriteOtherEntry(const QByteArray& Heading, const QByteArray& Subheading,
                                     std::string_view Text) {
  if (!OtherStream) return;
  THtmlPage& page = *OtherStream;
  page.WriteLine(2, "<a name=\"", EntryCount, "\"></a>");
  page.WriteLine(2, "<table border=0 width=100%>");
  page.WriteLine(3, "<tr class=TitleA>");
  if (Heading.isEmpty())
    page.WriteLine(4, "<td><b>#", EntryCount, "</b>");
  else
    page.WriteLine(4, "<td><b>#", EntryCount, " ", Html(Heading), "</b>");
  if (!Subheading.isEmpty()) {
    page.WriteLine(3, "<tr class=Text>");
    page.WriteLine(4, "<td>", Subheading);
  }
  page.WriteLine(3, "<tr class=Text>");
  page.WriteLine(4, "<td>");
  page.WriteLine(0, "<pre>");
  page.WriteLine(0, Html(Text));
  page.WriteLine(0, "</pre>");
  page.WriteLine(2, "</table>");
  page.WriteLine(2, "<hr>");
}
