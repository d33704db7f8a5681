// Saving and loading the plug-in's objects in the store. The store knows nothing of the
// parameters a plug-in defines: it walks each object through the plug-in interface and keeps
// every scalar value under its parameter's name, every list parameter as a group of items.

#include "editor/RepositoryError.h"
#include "editor/Repository.h"
#include "editor/RepositoryStream.h"
#include "editor/XMLMaker.h"

#include "Interface/MorvikInterface.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

QString Text(const char* Utf8) { return QString::fromUtf8(Utf8 != nullptr ? Utf8 : ""); }

// Path + "." + Key, made in one piece.
template <typename TKey>
QString Sub(const QString& Path, TKey Key) {
  QString path(Path.size() + 1 + Key.size(), Qt::Uninitialized);
  QChar* out = std::copy(Path.cbegin(), Path.cend(), path.data());
  *out++ = QLatin1Char('.');
  std::copy(Key.begin(), Key.end(), out);
  return path;
}

QString Sub(const QString& Path, const QString& Key) { return Sub(Path, QStringView(Key)); }

QString Sub(const QString& Path, const char* Key) { return Sub(Path, QLatin1StringView(Key)); }

} // namespace

// ---------------------------------------------------------------------------------------------
// Savers
//
// One walk gives every object's items in the order of the file, into either of two sinks: the
// kept tree, item by item through the store's own writes, or a streamed store's text, written
// straight from the plug-in's values. A sink names each branch it enters (by a fixed key, a
// number, or a name the plug-in gives), each leaf, and leaves each branch again.

namespace {

// The text of a streamed store: every item written as it comes. Keys a plug-in gives are
// written only when the kept tree would hold them under exactly that name and the text needs
// no escaping: printable ASCII without a dot or a markup character, once in their branch. Any
// other refuses the stream (ERepositoryStreamOrder), for the writer to turn to the kept tree,
// which gives such keys their own results.
class TXMLSink {
  // The characters such a key may hold.
  static constexpr auto KeyChars = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x7F; ++c)
      plain[c] = std::string_view(".\"&'<>").find(char(c)) == std::string_view::npos;
    return plain;
  }();

public:
  explicit TXMLSink(TXMLMaker& Maker) : FMaker(Maker) {}

  void Open(TRepositoryType Type, QLatin1StringView Key) {
    FMaker.OpenNamedElement(TRepositoryItem::ElementLatin1(Type), Key);
    ++FDepth;
  }
  void Open(TRepositoryType Type, int Number) { Open(Type, NumberKey(Number)); }
  void OpenPlugin(TRepositoryType Type, const char* Name) { Open(Type, PluginKey(Name)); }
  void Close(TRepositoryType Type) {
    FMaker.CloseElement(TRepositoryItem::ElementLatin1(Type));
    if (FDepth < FKeys.size()) FKeys[FDepth].clear();
    --FDepth;
  }

  void Leaf(TRepositoryType Type, QLatin1StringView Key, const char* Utf8) {
    FMaker.NamedLeaf(TRepositoryItem::ElementLatin1(Type), Key, QUtf8StringView(Utf8 != nullptr ? Utf8 : ""),
                     Type == rtMemo);
  }
  void Leaf(TRepositoryType Type, QLatin1StringView Key, int Value) {
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, Value);
    FMaker.NamedLeaf(TRepositoryItem::ElementLatin1(Type), Key, QLatin1StringView(digits, end - digits));
  }
  void Leaf(TRepositoryType Type, QLatin1StringView Key, bool Value) {
    FMaker.NamedLeaf(TRepositoryItem::ElementLatin1(Type), Key,
                     Value ? QLatin1StringView("true") : QLatin1StringView("false"));
  }
  void PluginLeaf(TRepositoryType Type, const char* Name, const char* Utf8) {
    Leaf(Type, PluginKey(Name), Utf8);
  }

private:
  // A key the plug-in gives, checked against the keys given before in the same branch.
  QLatin1StringView PluginKey(const char* Name) {
    const char* const key = Name != nullptr ? Name : "";
    std::size_t n = 0;
    bool plain = true;
    for (; key[n] != 0; ++n) plain &= KeyChars[static_cast<unsigned char>(key[n])];
    const std::string_view text(key, n);
    if (!plain || n == 0) throw ERepositoryStreamOrder();
    if (FKeys.size() <= FDepth) FKeys.resize(FDepth + 1);
    std::vector<std::string_view>& given = FKeys[FDepth];
    for (const std::string_view g : given)
      if (g == text) throw ERepositoryStreamOrder();
    given.push_back(text);
    return QLatin1StringView(key, static_cast<qsizetype>(n));
  }
  QLatin1StringView NumberKey(int Number) {
    const auto [end, ec] = std::to_chars(FDigits, FDigits + sizeof FDigits, Number);
    return QLatin1StringView(FDigits, end - FDigits);
  }

  TXMLMaker& FMaker;
  char FDigits[16];
  // The depth below the object's own branch, and the plug-in's keys given at each depth.
  std::size_t FDepth = 0;
  std::vector<std::vector<std::string_view>> FKeys;
};

template <typename TSink>
void ParamObjectItems(TSink& Sink, const Morvik::TParamObject* Object) {
  Sink.Leaf(rtMemo, QLatin1StringView("Note"), Object->GetComment());
  // Each list gets its items before the next one starts, in the order of the file.
  Sink.Open(rtList, QLatin1StringView("Scalar"));
  for (int i = 0; i < Object->GetParamCount(); ++i) {
    const Morvik::TParamInfo* info = Object->GetParam(i);
    Sink.PluginLeaf(info->GetType() == Morvik::ptMemo ? rtMemo : rtString, info->GetName(),
                    Object->GetParamValue(i));
  }
  Sink.Close(rtList);
  Sink.Open(rtList, QLatin1StringView("Vector"));
  for (int j = 0; j < Object->GetListParamCount(); ++j) {
    Sink.OpenPlugin(rtListParam, Object->GetListParamInfo(j)->GetName());
    const Morvik::TListParam* items = Object->GetListParam(j);
    for (int k = 0; k < items->GetItemsCount(); ++k) {
      Sink.Open(rtParamObject, k);
      ParamObjectItems(Sink, items->GetItem(k));
      Sink.Close(rtParamObject);
    }
    Sink.Close(rtListParam);
  }
  Sink.Close(rtList);
}

// A named plug-in object's name and parameters.
template <typename TSink>
void NamedObjectItems(TSink& Sink, const char* Name, const Morvik::TParamObject* Object) {
  Sink.Leaf(rtString, QLatin1StringView("Name"), Name);
  Sink.Open(rtParamObject, QLatin1StringView("ParamObject"));
  ParamObjectItems(Sink, Object);
  Sink.Close(rtParamObject);
}

// A column is read back through its data type: one without cannot be stored.
void RequireDataType(const Morvik::TColumn* Column) {
  if (Column->GetDataType() == nullptr)
    RaiseRepositoryError(reUnknownDataType,
                         QStringLiteral("Sloupec \"%1\" nemá datový typ.").arg(Text(Column->GetName())));
}

template <typename TSink>
void ColumnItems(TSink& Sink, const Morvik::TColumn* Column) {
  NamedObjectItems(Sink, Column->GetName(), Column);
  Sink.Leaf(rtBoolean, QLatin1StringView("Primary"), Column->GetKey());
  Sink.Open(rtDataType, QLatin1StringView("DataType"));
  NamedObjectItems(Sink, Column->GetDataType()->GetName(), Column->GetDataType());
  Sink.Close(rtDataType);
}

template <typename TSink>
void TableItems(TSink& Sink, const Morvik::TTable* Table) {
  NamedObjectItems(Sink, Table->GetName(), Table);
  Sink.Leaf(rtInteger, QLatin1StringView("CountOfColumns"), Table->GetColumnCount());
  for (int i = 0; i < Table->GetColumnCount(); ++i) {
    RequireDataType(Table->GetColumn(i));
    Sink.Open(rtColumn, i);
    ColumnItems(Sink, Table->GetColumn(i));
    Sink.Close(rtColumn);
  }
}

// Pairs are stored by their columns' names; a pair that lacks a column is refused before
// anything of the reference is written.
void RequirePairColumns(const Morvik::TReference* Reference) {
  for (int i = 0; i < Reference->GetPairCount(); ++i)
    if (Reference->GetPairColumn(0, i) == nullptr || Reference->GetPairColumn(1, i) == nullptr)
      RaiseRepositoryError(
          reUnknownColumn,
          QStringLiteral("Reference \"%1\" má dvojici bez sloupce.").arg(Text(Reference->GetName())));
}

template <typename TSink>
void ReferenceItems(TSink& Sink, const Morvik::TReference* Reference) {
  NamedObjectItems(Sink, Reference->GetName(), Reference);
  Sink.Leaf(rtInteger, QLatin1StringView("CountOfPair"), Reference->GetPairCount());
  for (int i = 0; i < Reference->GetPairCount(); ++i) {
    char key[24];
    for (const int side : {0, 1}) {
      const char* prefix = side == 0 ? "Parent_" : "Child_";
      const auto [end, ec] =
          std::to_chars(std::copy_n(prefix, std::strlen(prefix), key), key + sizeof key, i);
      Sink.Leaf(rtString, QLatin1StringView(key, end - key), Reference->GetPairColumn(side, i)->GetName());
    }
  }
}

} // namespace

// The items of the kept tree: Path is one buffer for every path of the object, lengthened by
// the key of each branch entered and shortened again when it is left.
class TRepository::TTreeSink {
public:
  TTreeSink(TRepository& Store, QString& Path) : FStore(Store), FPath(Path) {}

  void Open(TRepositoryType Type, QLatin1StringView Key) { Enter(Type, Key); }
  void Open(TRepositoryType Type, int Number) {
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, Number);
    Enter(Type, QLatin1StringView(digits, end - digits));
  }
  void OpenPlugin(TRepositoryType Type, const char* Name) { Enter(Type, FStore.PluginName(Name)); }
  void Close(TRepositoryType) {
    FPath.truncate(FOpened.back().Length);
    FOpened.pop_back();
  }
  // The object's own branch, at the path given.
  void OpenRoot(TRepositoryType Type) {
    FOpened.push_back({FStore.AddBranchList(FPath, Type), FPath.size()});
  }

  void Leaf(TRepositoryType Type, QLatin1StringView Key, const char* Utf8) { Leaf(Type, Key, Text(Utf8)); }
  void Leaf(TRepositoryType Type, QLatin1StringView Key, TRepositoryValue Value) {
    FStore.AddChild(FOpened.back().List, FPath, QString(Key), Type, std::move(Value));
  }
  void PluginLeaf(TRepositoryType Type, const char* Name, const char* Utf8) {
    FStore.AddChild(FOpened.back().List, FPath, FStore.PluginName(Name), Type, Text(Utf8));
  }

private:
  template <typename TKey>
  void Enter(TRepositoryType Type, TKey Key) {
    const qsizetype length = FPath.size();
    FPath.append(QLatin1Char('.'));
    FPath.append(Key);
    FOpened.push_back({FStore.AddBranchList(FPath, Type), length});
  }

  struct TOpened {
    TRepositoryList* List;
    qsizetype Length; // of the path before the branch was entered
  };
  TRepository& FStore;
  QString& FPath;
  std::vector<TOpened> FOpened;
};

TRepositoryList* TRepository::AddBranchList(const QString& Path, TRepositoryType Type) {
  TRepositoryItem* item = nullptr;
  RaiseOnError(AddItem(Path, Type, {}, &item));
  return item != nullptr ? item->Children() : nullptr;
}

void TRepository::AddChild(TRepositoryList* List, const QString& ListPath, const QString& Name,
                           TRepositoryType Type, TRepositoryValue Value) {
  if (Name.contains(QLatin1Char('.'))) {
    // Such a name reads as a path through other branches.
    RaiseOnError(AddItem(Sub(ListPath, Name), Type, std::move(Value)));
    return;
  }
  if (List->Find(Name) != nullptr) RaiseOnError(rrAlreadyExists);
  List->Append(std::make_unique<TRepositoryItem>(Name, Type, std::move(Value)));
}

const QString& TRepository::PluginName(const char* Name) {
  static const QString empty;
  if (Name == nullptr) return empty;
  auto it = FPluginNames.find(Name);
  if (it == FPluginNames.end()) it = FPluginNames.insert(Name, QString::fromUtf8(Name));
  return *it;
}

template <typename TWalk>
void TRepository::SaveObject(const QString& Path, TRepositoryType Type, const TWalk& Walk) {
  if (FStream) {
    if (Path.isEmpty()) RaiseOnError(rrWrongParameters);
    RaiseOnError(FStream->AddWhole(Path, Type, [&](TXMLMaker& Maker) {
      TXMLSink sink(Maker);
      Walk(sink);
    }));
    return;
  }
  QString path;
  path.reserve(Path.size() + 64);
  path.append(Path);
  TTreeSink sink(*this, path);
  sink.OpenRoot(Type);
  Walk(sink);
}

void TRepository::SaveParamObject(const QString& Path, const Morvik::TParamObject* Object) {
  SaveObject(Path, rtParamObject, [&](auto& Sink) { ParamObjectItems(Sink, Object); });
}

void TRepository::SaveDataType(const QString& Path, const Morvik::TDataType* DataType) {
  SaveObject(Path, rtDataType, [&](auto& Sink) { NamedObjectItems(Sink, DataType->GetName(), DataType); });
}

void TRepository::SaveColumn(const QString& Path, const Morvik::TColumn* Column) {
  RequireDataType(Column);
  SaveObject(Path, rtColumn, [&](auto& Sink) { ColumnItems(Sink, Column); });
}

void TRepository::SaveTable(const QString& Path, const Morvik::TTable* Table) {
  SaveObject(Path, rtTable, [&](auto& Sink) { TableItems(Sink, Table); });
}

void TRepository::SaveReference(const QString& Path, const Morvik::TReference* Reference) {
  RequirePairColumns(Reference);
  SaveObject(Path, rtReference, [&](auto& Sink) { ReferenceItems(Sink, Reference); });
}

void TRepository::SaveModel(const QString& Path, const Morvik::TModel* Model) {
  SaveObject(Path, rtModel, [&](auto& Sink) { NamedObjectItems(Sink, Model->GetName(), Model); });
}

// ---------------------------------------------------------------------------------------------
// Loaders

void TRepository::LoadParamObject(const QString& Path, Morvik::TParamObject* Object) const {
  const TRepositoryItem& note = Require(Sub(Path, "Note"), rtMemo);
  Object->SetComment(std::get<QString>(note.Value()).toUtf8().constData());

  const TRepositoryList& scalars = *Require(Sub(Path, "Scalar"), rtList).Children();
  for (int i = 0; i < scalars.Count(); ++i) {
    const TRepositoryItem& item = scalars.At(i);
    if (item.Type() != rtString && item.Type() != rtMemo) continue;
    const int idx = FindParamIndex(Object, item.Name());
    if (idx < 0) continue; // a parameter the plug-in no longer defines
    Object->SetParamValue(idx, std::get<QString>(item.Value()).toUtf8().constData());
  }

  const QString vectorPath = Sub(Path, "Vector");
  const TRepositoryList& vector = *Require(vectorPath, rtList).Children();
  for (int j = 0; j < vector.Count(); ++j) {
    const TRepositoryItem& list = vector.At(j);
    if (list.Type() != rtListParam) continue;
    const int idx = FindListParamIndex(Object, list.Name());
    if (idx < 0) continue; // a list the plug-in no longer defines
    Morvik::TListParam* target = Object->GetListParam(idx);
    const QString listPath = Sub(vectorPath, list.Name());
    const TRepositoryList& items = *list.Children();
    for (int k = 0; k < items.Count(); ++k) {
      if (items.At(k).Type() != rtParamObject) continue;
      LoadParamObject(Sub(listPath, items.At(k).Name()), target->AddItem());
    }
  }
}

template <typename TNamed>
QString TRepository::LoadNamedObject(const QString& Path, TNamed* Object) const {
  const auto& name = std::get<QString>(Require(Sub(Path, "Name"), rtString).Value());
  Object->SetName(name.toUtf8().constData());
  LoadParamObject(Sub(Path, "ParamObject"), Object);
  return name;
}

void TRepository::LoadDataType(const QString& Path, Morvik::TDataType* DataType) const {
  LoadParamObject(Sub(Path, "ParamObject"), DataType);
}

void TRepository::LoadColumn(const QString& Path, Morvik::TColumn* Column,
                             const Morvik::TModel* Model) const {
  const QString name = LoadNamedObject(Path, Column);
  Column->SetKey(std::get<bool>(Require(Sub(Path, "Primary"), rtBoolean).Value()));
  const QString dataTypePath = Sub(Path, "DataType");
  const auto& typeName = std::get<QString>(Require(Sub(dataTypePath, "Name"), rtString).Value());
  const int idx = FindDataTypeIndex(Model, typeName);
  if (idx < 0)
    RaiseRepositoryError(reUnknownDataType, QStringLiteral("Sloupec \"%1\" má datový typ \"%2\", který model "
                                                           "nenabízí.")
                                                .arg(name, typeName));
  LoadDataType(dataTypePath, Column->SetDataType(idx));
}

void TRepository::LoadTable(const QString& Path, Morvik::TTable* Table, const Morvik::TModel* Model) const {
  LoadNamedObject(Path, Table);
  const int count = std::get<int>(Require(Sub(Path, "CountOfColumns"), rtInteger).Value());
  for (int i = 0; i < count; ++i) {
    const QString columnPath = Sub(Path, QString::number(i));
    // The stored column must be there before the table gets a new, empty column for it.
    Require(columnPath, rtColumn);
    LoadColumn(columnPath, Table->AddColumn(), Model);
  }
}

void TRepository::LoadReference(const QString& Path, Morvik::TReference* Reference) const {
  const QString name = LoadNamedObject(Path, Reference);
  const int count = std::get<int>(Require(Sub(Path, "CountOfPair"), rtInteger).Value());
  const Morvik::TTable* parentTable = Reference->GetParentTable();
  const Morvik::TTable* childTable = Reference->GetChildTable();
  for (int i = 0; i < count; ++i) {
    const QString n = QString::number(i);
    const auto& parentName =
        std::get<QString>(Require(Sub(Path, QStringLiteral("Parent_") + n), rtString).Value());
    const auto& childName =
        std::get<QString>(Require(Sub(Path, QStringLiteral("Child_") + n), rtString).Value());
    Morvik::TColumn* parent = FindColumn(parentTable, parentName);
    Morvik::TColumn* child = FindColumn(childTable, childName);
    if (parent == nullptr || child == nullptr) {
      const bool parentSide = parent == nullptr;
      const Morvik::TTable* table = parentSide ? parentTable : childTable;
      RaiseRepositoryError(reUnknownColumn,
                           QStringLiteral("Reference \"%1\" páruje sloupec \"%2\", který %3 tabulka \"%4\" "
                                          "nemá.")
                               .arg(name, parentSide ? parentName : childName,
                                    parentSide ? QStringLiteral("nadřízená") : QStringLiteral("podřízená"),
                                    table != nullptr ? Text(table->GetName()) : QString()));
    }
    Reference->AddPair(parent, child);
  }
}

void TRepository::LoadModel(const QString& Path, Morvik::TModel* Model) const {
  LoadParamObject(Sub(Path, "ParamObject"), Model);
}

// ---------------------------------------------------------------------------------------------
// Lookups by name: byte for byte, first match

int TRepository::FindParamIndex(const Morvik::TParamObject* Object, const QString& Name) {
  const QByteArray name = Name.toUtf8();
  for (int i = 0; i < Object->GetParamCount(); ++i)
    if (name == Object->GetParam(i)->GetName()) return i;
  return -1;
}

int TRepository::FindListParamIndex(const Morvik::TParamObject* Object, const QString& Name) {
  const QByteArray name = Name.toUtf8();
  for (int i = 0; i < Object->GetListParamCount(); ++i)
    if (name == Object->GetListParamInfo(i)->GetName()) return i;
  return -1;
}

int TRepository::FindDataTypeIndex(const Morvik::TModel* Model, const QString& Name) {
  const QByteArray name = Name.toUtf8();
  for (int i = 0; i < Model->GetDataTypeCount(); ++i)
    if (name == Model->GetDataTypeInfo(i)->GetName()) return i;
  return -1;
}

Morvik::TColumn* TRepository::FindColumn(const Morvik::TTable* Table, const QString& Name) {
  if (Table == nullptr) return nullptr;
  const QByteArray name = Name.toUtf8();
  for (int i = 0; i < Table->GetColumnCount(); ++i)
    if (name == Table->GetColumn(i)->GetName()) return Table->GetColumn(i);
  return nullptr;
}
