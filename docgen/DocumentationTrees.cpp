// Parameter trees of the content pages and the numbered entries of the further-information
// page that hold their long texts.

#include "docgen/Documentation.h"
#include "docgen/HtmlTable.h"
#include "Interface/MorvikInterface.h"

#include <cstdlib>

namespace {

QByteArray MakeImageTag(const char* File) {
  return QByteArray("<IMG height=22 width=16 src=\"images/") + File + "\" align=\"absmiddle\">";
}

// The image elements of the trees, made once.
struct TTreeImages {
  QByteArray Blank = MakeImageTag("blank.gif");
  QByteArray BranchItem = MakeImageTag("branch_item.gif");
  QByteArray BranchItemCorner = MakeImageTag("branch_item_corner_bottom.gif");
  QByteArray Item = MakeImageTag("item.gif");
  QByteArray ItemFolder = MakeImageTag("item_folder.gif");
  QByteArray ItemMultiple = MakeImageTag("item_multiple.gif");
  QByteArray Line = MakeImageTag("line.gif");
  QByteArray LineItem = MakeImageTag("line_item.gif");
  QByteArray LineItemCorner = MakeImageTag("line_item_corner_bottom.gif");
};
const TTreeImages& Images() {
  static const TTreeImages images;
  return images;
}

// The image element with Text as its alt text.
void WriteImageAlt(THtmlPage& Page, const char* File, std::string_view Text) {
  Page.WriteRaw("<IMG height=22 width=16 src=\"images/", File, "\" align=\"absmiddle\" alt=\"", Html(Text),
                "\">");
}

void WriteHelpSpan(THtmlPage& Page, std::string_view Text) {
  Page.WriteRaw("<span class=TreeComment><i>(", Html(Text), ")</i></span>");
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

  if (Root && !visible.empty()) Page.AppendTabs(Depth);
  Page.WriteRaw(Images().ItemMultiple, Html(Caption));
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
      Page.WriteRaw(Prefix, (last ? Images().LineItemCorner : Images().LineItem));
      const bool withHelp = ParamHelp && !help.empty();
      if (withHelp)
        WriteImageAlt(Page, "item.gif", help);
      else
        Page.WriteRaw(Images().Item);
      Page.WriteRaw(Html(info->GetName()), " = ");
      WriteValueText(Page, Object, k, Title, Link);
      if (withHelp) {
        Page.WriteRaw(" ");
        WriteHelpSpan(Page, help);
      }
      Page.WriteRaw("<br>");
      continue;
    }
    const Morvik::TListParamInfo* info = Object->GetListParamInfo(k);
    const Morvik::TListParam* list = Object->GetListParam(k);
    const QByteArray name(info->GetName());
    const std::string_view help = View(info->GetHelp());
    Page.WriteRaw(Prefix, (last ? Images().BranchItemCorner : Images().BranchItem));
    if (ParamHelp && !help.empty()) {
      WriteImageAlt(Page, "item_folder.gif", help);
      Page.WriteRaw(Html(name), " ");
      WriteHelpSpan(Page, help);
      Page.WriteRaw("<br>");
    } else {
      Page.WriteRaw(Images().ItemFolder, Html(name), "<br>");
    }
    const QByteArray itemPrefix = Prefix + (last ? Images().Blank : Images().Line);
    const int nameParam = info->GetItemNameParam();
    const int n = list->GetItemsCount();
    for (int i = 0; i < n; ++i) {
      const Morvik::TParamObject* item = list->GetItem(i);
      if (!item) continue;
      const bool lastItem = i == n - 1;
      QByteArray caption;
      if (nameParam >= 0 && nameParam < item->GetParamCount()) caption = item->GetParamValue(nameParam);
      if (caption.isEmpty()) caption = name;
      Page.WriteRaw(itemPrefix, (lastItem ? Images().BranchItemCorner : Images().BranchItem));
      WriteParamTree(Page, Depth + 1, item, false, caption,
                     itemPrefix + (lastItem ? Images().Blank : Images().Line), Title, Link);
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
  THtmlTable card(*OtherStream, QByteArray::number(EntryCount));
  if (Heading.isEmpty())
    card.Row(TRowClass::TitleA, "<b>#", EntryCount, "</b>");
  else
    card.Row(TRowClass::TitleA, "<b>#", EntryCount, " ", Html(Heading), "</b>");
  if (!Subheading.isEmpty()) card.Row(TRowClass::Text, Subheading);
  card.Preformatted(TRowClass::Text, Text);
  card.Close();
}
