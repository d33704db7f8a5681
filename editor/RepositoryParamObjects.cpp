// Saving and loading the plug-in's objects in the store. The store knows nothing of the
// parameters a plug-in defines: it walks each object through the plug-in interface and keeps
// every scalar value under its parameter's name, every list parameter as a group of items.

#include "editor/RepositoryError.h"
#include "editor/Repository.h"
#include "editor/RepositoryStream.h"

#include "Interface/MorvikInterface.h"

#include <algorithm>
#include <charconv>

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

// The path of a branch entered: Path lengthened by "." and Key while the object lives.
class TSubPath {
public:
  template <typename TKey>
  TSubPath(QString& Path, TKey Key) : FPath(Path), FLength(Path.size()) {
    Path.append(QLatin1Char('.'));
    Path.append(Key);
  }
  TSubPath(QString& Path, int Number) : FPath(Path), FLength(Path.size()) {
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, Number);
    Path.append(QLatin1Char('.'));
    Path.append(QLatin1StringView(digits, end - digits));
  }
  ~TSubPath() { FPath.truncate(FLength); }
  TSubPath(const TSubPath&) = delete;
  TSubPath& operator=(const TSubPath&) = delete;

private:
  QString& FPath;
  qsizetype FLength;
};

// A public saver's path as the buffer of the savers behind it.
QString PathBuffer(const QString& Path) {
  QString path;
  path.reserve(Path.size() + 64);
  path.append(Path);
  return path;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Savers

TRepositoryList* TRepository::AddBranchList(const QString& Path, TRepositoryType Type) {
  TRepositoryItem* item = nullptr;
  RaiseOnError(AddItem(Path, Type, {}, &item));
  return item != nullptr ? item->Children() : nullptr;
}

void TRepository::AddChild(TRepositoryList* List, const QString& ListPath, const QString& Name,
                           TRepositoryType Type, TRepositoryValue Value) {
  if (FStream) {
    RaiseOnError(FStream->AddChild(ListPath, Name, Type, std::move(Value)));
    return;
  }
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

void TRepository::SaveParamObject(const QString& Path, const Morvik::TParamObject* Object) {
  QString path = PathBuffer(Path);
  SaveParamObjectAt(path, Object);
}

void TRepository::SaveDataType(const QString& Path, const Morvik::TDataType* DataType) {
  QString path = PathBuffer(Path);
  SaveNamedObject(path, rtDataType, DataType->GetName(), DataType);
}

void TRepository::SaveColumn(const QString& Path, const Morvik::TColumn* Column) {
  QString path = PathBuffer(Path);
  SaveColumnAt(path, Column);
}

void TRepository::SaveTable(const QString& Path, const Morvik::TTable* Table) {
  QString path = PathBuffer(Path);
  SaveTableAt(path, Table);
}

void TRepository::SaveReference(const QString& Path, const Morvik::TReference* Reference) {
  QString path = PathBuffer(Path);
  SaveReferenceAt(path, Reference);
}

void TRepository::SaveModel(const QString& Path, const Morvik::TModel* Model) {
  QString path = PathBuffer(Path);
  SaveNamedObject(path, rtModel, Model->GetName(), Model);
}

void TRepository::SaveParamObjectAt(QString& Path, const Morvik::TParamObject* Object) {
  static const QString note = QStringLiteral("Note");
  TRepositoryList* branch = AddBranchList(Path, rtParamObject);
  AddChild(branch, Path, note, rtMemo, Text(Object->GetComment()));
  // Each list gets its items before the next one starts, in the order of the file.
  {
    const TSubPath scalarPath(Path, QLatin1StringView("Scalar"));
    TRepositoryList* scalars = AddBranchList(Path, rtList);
    for (int i = 0; i < Object->GetParamCount(); ++i) {
      const Morvik::TParamInfo* info = Object->GetParam(i);
      AddChild(scalars, Path, PluginName(info->GetName()),
               info->GetType() == Morvik::ptMemo ? rtMemo : rtString, Text(Object->GetParamValue(i)));
    }
  }
  const TSubPath vectorPath(Path, QLatin1StringView("Vector"));
  AddBranchList(Path, rtList);
  for (int j = 0; j < Object->GetListParamCount(); ++j) {
    const TSubPath listPath(Path, PluginName(Object->GetListParamInfo(j)->GetName()));
    AddBranch(Path, rtListParam);
    const Morvik::TListParam* items = Object->GetListParam(j);
    for (int k = 0; k < items->GetItemsCount(); ++k) {
      const TSubPath itemPath(Path, k);
      SaveParamObjectAt(Path, items->GetItem(k));
    }
  }
}

TRepositoryList* TRepository::SaveNamedObject(QString& Path, TRepositoryType Type, const char* Name,
                                              const Morvik::TParamObject* Object) {
  static const QString name = QStringLiteral("Name");
  TRepositoryList* branch = AddBranchList(Path, Type);
  AddChild(branch, Path, name, rtString, Text(Name));
  const TSubPath objectPath(Path, QLatin1StringView("ParamObject"));
  SaveParamObjectAt(Path, Object);
  return branch;
}

void TRepository::SaveColumnAt(QString& Path, const Morvik::TColumn* Column) {
  // A column is read back through its data type: one without cannot be stored.
  if (Column->GetDataType() == nullptr)
    RaiseRepositoryError(reUnknownDataType,
                         QStringLiteral("Sloupec \"%1\" nemá datový typ.").arg(Text(Column->GetName())));
  static const QString primary = QStringLiteral("Primary");
  TRepositoryList* branch = SaveNamedObject(Path, rtColumn, Column->GetName(), Column);
  AddChild(branch, Path, primary, rtBoolean, Column->GetKey());
  const TSubPath dataTypePath(Path, QLatin1StringView("DataType"));
  SaveNamedObject(Path, rtDataType, Column->GetDataType()->GetName(), Column->GetDataType());
}

void TRepository::SaveTableAt(QString& Path, const Morvik::TTable* Table) {
  static const QString count = QStringLiteral("CountOfColumns");
  TRepositoryList* branch = SaveNamedObject(Path, rtTable, Table->GetName(), Table);
  AddChild(branch, Path, count, rtInteger, Table->GetColumnCount());
  for (int i = 0; i < Table->GetColumnCount(); ++i) {
    const TSubPath columnPath(Path, i);
    SaveColumnAt(Path, Table->GetColumn(i));
  }
}

void TRepository::SaveReferenceAt(QString& Path, const Morvik::TReference* Reference) {
  // Pairs are stored by their columns' names; a pair that lacks a column is refused before
  // anything of the reference is written.
  for (int i = 0; i < Reference->GetPairCount(); ++i)
    if (Reference->GetPairColumn(0, i) == nullptr || Reference->GetPairColumn(1, i) == nullptr)
      RaiseRepositoryError(
          reUnknownColumn,
          QStringLiteral("Reference \"%1\" má dvojici bez sloupce.").arg(Text(Reference->GetName())));
  SaveNamedObject(Path, rtReference, Reference->GetName(), Reference);
  WriteInteger(Sub(Path, "CountOfPair"), Reference->GetPairCount());
  for (int i = 0; i < Reference->GetPairCount(); ++i) {
    const QString n = QString::number(i);
    WriteString(Sub(Path, QStringLiteral("Parent_") + n), Text(Reference->GetPairColumn(0, i)->GetName()));
    WriteString(Sub(Path, QStringLiteral("Child_") + n), Text(Reference->GetPairColumn(1, i)->GetName()));
  }
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
