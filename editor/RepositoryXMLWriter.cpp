#include "editor/RepositoryXMLWriter.h"

#include "editor/RepositoryValueFields.h"
#include "editor/Repository.h"
#include "editor/XMLMaker.h"

#include <QLocale>

#include <charconv>

const QString TRepositoryXMLWriter::DateTimeFormat = QStringLiteral("d.M.yyyy H:mm:ss");

namespace {

constexpr QLatin1StringView RootElement("repository");

template <typename TValue, std::size_t N>
void AddFields(TXMLMaker& Maker, const TValue& Value, const TValueField<TValue> (&Fields)[N]) {
  for (const TValueField<TValue>& field : Fields)
    Maker.AddAttribute(QLatin1StringView(field.Attribute), Value.*field.Member);
}

} // namespace

QString TRepositoryXMLWriter::DateTimeText(const QDateTime& Value) {
  return QLocale::c().toString(Value, DateTimeFormat);
}

// One line per leaf: its element, its name and the attributes of its value.
void TRepositoryXMLWriter::WriteLeaf(TRepositoryType Type, QStringView Name, const TRepositoryValue& Value,
                                     TXMLMaker& Maker) {
  const QLatin1StringView element = TRepositoryItem::ElementLatin1(Type);
  // The usual leaves in one step.
  switch (Type) {
    case rtString:
    case rtMemo: return WriteText(Type, Name, std::get<QString>(Value), Maker);
    case rtInteger: {
      char digits[16];
      const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, std::get<int>(Value));
      return Maker.NamedLeaf(element, Name, QLatin1StringView(digits, end - digits));
    }
    case rtBoolean:
      return Maker.NamedLeaf(element, Name,
                             std::get<bool>(Value) ? QLatin1StringView("true") : QLatin1StringView("false"));
    default: break;
  }
  Maker.BeginTag(element);
  Maker.AddAttribute(QLatin1StringView("name"), Name);
  const QLatin1StringView value("value");
  switch (Type) {
    case rtDateTime: Maker.AddAttribute(value, DateTimeText(std::get<QDateTime>(Value))); break;
    case rtFont: {
      const auto& f = std::get<TFontValue>(Value);
      Maker.AddAttribute(QLatin1StringView("fontname"), f.Name);
      AddFields(Maker, f, FontFields);
      break;
    }
    case rtBrush: AddFields(Maker, std::get<TBrushValue>(Value), BrushFields); break;
    case rtPen: AddFields(Maker, std::get<TPenValue>(Value), PenFields); break;
    default: break;
  }
  Maker.EndEmptyTag();
}

void TRepositoryXMLWriter::WriteText(TRepositoryType Type, QStringView Name, QStringView Text,
                                     TXMLMaker& Maker) {
  Maker.NamedLeaf(TRepositoryItem::ElementLatin1(Type), Name, Text, Type == rtMemo);
}

void TRepositoryXMLWriter::Write(const TRepositoryList& Root, TXMLMaker& Maker) {
  OpenRoot(Maker);
  for (int i = 0; i < Root.Count(); ++i) WriteItem(Root.At(i), Maker);
  CloseRoot(Maker);
}

void TRepositoryXMLWriter::OpenRoot(TXMLMaker& Maker) {
  Maker.BeginTag(RootElement);
  Maker.EndOpenTag();
}

void TRepositoryXMLWriter::CloseRoot(TXMLMaker& Maker) { Maker.CloseElement(RootElement); }

void TRepositoryXMLWriter::WriteItem(const TRepositoryItem& Item, TXMLMaker& Maker) {
  if (!Item.IsBranch()) {
    WriteLeaf(Item.Type(), Item.Name(), Item.Value(), Maker);
    return;
  }
  OpenBranch(Item.Type(), Item.Name(), Maker);
  const TRepositoryList& children = *Item.Children();
  for (int i = 0; i < children.Count(); ++i) WriteItem(children.At(i), Maker);
  CloseBranch(Item.Type(), Maker);
}

void TRepositoryXMLWriter::OpenBranch(TRepositoryType Type, QStringView Name, TXMLMaker& Maker) {
  Maker.BeginTag(TRepositoryItem::ElementLatin1(Type));
  Maker.AddAttribute(QLatin1StringView("name"), Name);
  Maker.EndOpenTag();
}

void TRepositoryXMLWriter::CloseBranch(TRepositoryType Type, TXMLMaker& Maker) {
  Maker.CloseElement(TRepositoryItem::ElementLatin1(Type));
}
