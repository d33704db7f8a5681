#include "editor/RepositoryXMLWriter.h"

#include "editor/RepositoryValueFields.h"
#include "editor/Repository.h"
#include "editor/XMLMaker.h"

#include <QLocale>

const QString TRepositoryXMLWriter::DateTimeFormat = QStringLiteral("d.M.yyyy H:mm:ss");

namespace {

const QString RootElement = QStringLiteral("repository");

TAttribute Attr(const char* Name, const QString& Value) {
  return Attribute(QString::fromLatin1(Name), Value);
}

TAttribute Attr(const char* Name, int Value) {
  return Attribute(QString::fromLatin1(Name), QString::number(Value));
}

template <typename TValue, std::size_t N>
void AppendFields(TAttributes& Attrs, const TValue& Value, const TValueField<TValue> (&Fields)[N]) {
  for (const TValueField<TValue>& field : Fields) Attrs.push_back(Attr(field.Attribute, Value.*field.Member));
}

TAttributes LeafAttributes(const TRepositoryItem& Item) {
  TAttributes attrs{Attr("name", TXMLMaker::StandardizeString(Item.Name()))};
  const TRepositoryValue& v = Item.Value();
  switch (Item.Type()) {
    case rtString: attrs.push_back(Attr("value", TXMLMaker::StandardizeString(std::get<QString>(v)))); break;
    case rtMemo: attrs.push_back(Attr("value", TXMLMaker::StandardizeMemo(std::get<QString>(v)))); break;
    case rtInteger: attrs.push_back(Attr("value", std::get<int>(v))); break;
    case rtBoolean:
      attrs.push_back(Attr("value", std::get<bool>(v) ? QStringLiteral("true") : QStringLiteral("false")));
      break;
    case rtDateTime:
      attrs.push_back(Attr(
          "value", TXMLMaker::StandardizeString(TRepositoryXMLWriter::DateTimeText(std::get<QDateTime>(v)))));
      break;
    case rtFont: {
      const auto& f = std::get<TFontValue>(v);
      attrs.push_back(Attr("fontname", TXMLMaker::StandardizeString(f.Name)));
      AppendFields(attrs, f, FontFields);
      break;
    }
    case rtBrush: AppendFields(attrs, std::get<TBrushValue>(v), BrushFields); break;
    case rtPen: AppendFields(attrs, std::get<TPenValue>(v), PenFields); break;
    default: break;
  }
  return attrs;
}

} // namespace

QString TRepositoryXMLWriter::DateTimeText(const QDateTime& Value) {
  return QLocale::c().toString(Value, DateTimeFormat);
}

void TRepositoryXMLWriter::Write(const TRepositoryList& Root, TXMLMaker& Maker) {
  Maker.OpenElement(RootElement);
  for (int i = 0; i < Root.Count(); ++i) WriteItem(Root.At(i), Maker);
  Maker.CloseElement(RootElement);
}

void TRepositoryXMLWriter::WriteItem(const TRepositoryItem& Item, TXMLMaker& Maker) {
  const QString element = TRepositoryItem::ElementName(Item.Type());
  if (!Item.IsBranch()) {
    Maker.WholeElement(element, LeafAttributes(Item));
    return;
  }
  Maker.OpenElement(element, TAttributes{Attr("name", TXMLMaker::StandardizeString(Item.Name()))});
  const TRepositoryList& children = *Item.Children();
  for (int i = 0; i < children.Count(); ++i) WriteItem(children.At(i), Maker);
  Maker.CloseElement(element);
}
