#include "editor/Repository.h"

#include "editor/RepositoryError.h"
#include "editor/RepositoryStream.h"
#include "editor/RepositoryXMLReader.h"
#include "editor/RepositoryXMLWriter.h"
#include "editor/XMLMaker.h"
#include "ui/Exception.h"

#include "ui/Exception.h"
#include "ui/RegularFile.h"

namespace {

// Lists up to this length are searched directly; longer ones through their name index.
constexpr int IndexThreshold = 16;

const char* const ResultTexts[] = {
    "",
    "You try call method with wrong parameters.",
    "Not exists record with this name.",
    "You want cast another type.",
    "Object with this name already exists.",
    "I can not find father for this item.",
    "Your parent do not suppose branch.",
};

// True when the value holds what a leaf of this type keeps.
bool ValueFitsType(TRepositoryType Type, const TRepositoryValue& Value) {
  switch (Type) {
    case rtString:
    case rtMemo: return std::holds_alternative<QString>(Value);
    case rtInteger: return std::holds_alternative<int>(Value);
    case rtBoolean: return std::holds_alternative<bool>(Value);
    case rtDateTime: return std::holds_alternative<QDateTime>(Value);
    case rtFont: return std::holds_alternative<TFontValue>(Value);
    case rtBrush: return std::holds_alternative<TBrushValue>(Value);
    case rtPen: return std::holds_alternative<TPenValue>(Value);
    default: return false;
  }
}

template <typename T>
T ReadValue(const TRepository& Store, const QString& Path, TRepositoryType Type, const T& Default) {
  const TRepositoryItem* item = nullptr;
  if (Store.FindItem(Path, Type, &item) != rrOk) return Default;
  return std::get<T>(item->Value());
}

} // namespace

bool IsBranchType(int Type) { return Type == rtList || (Type >= rtProjectInfo && Type <= rtModel); }

// ---------------------------------------------------------------------------------------------

TRepositoryItem* TRepositoryList::Find(QStringView Name) const {
  if (FItems.size() <= IndexThreshold) {
    for (const auto& item : FItems)
      if (item->Name() == Name) return item.get();
    return nullptr;
  }
  const auto it = FIndex.constFind(Name.toString());
  return it == FIndex.cend() ? nullptr : FItems[*it].get();
}

TRepositoryItem& TRepositoryList::Append(std::unique_ptr<TRepositoryItem> Item) {
  // Most lists hold a few items: room for them at once instead of growing one by one.
  if (FItems.empty()) FItems.reserve(IndexThreshold);
  FItems.push_back(std::move(Item));
  if (FItems.size() > IndexThreshold) {
    if (FIndex.isEmpty()) {
      FIndex.reserve(static_cast<qsizetype>(FItems.size()) * 2);
      for (int i = 0; i < static_cast<int>(FItems.size()); ++i) FIndex.insert(FItems[i]->Name(), i);
    } else {
      FIndex.insert(FItems.back()->Name(), static_cast<int>(FItems.size()) - 1);
    }
  }
  return *FItems.back();
}

TRepositoryItem::TRepositoryItem(const QString& Name, TRepositoryType Type, TRepositoryValue Value)
    : FName(Name), FType(Type) {
  if (!IsBranchType(Type)) FValue = std::move(Value);
}

// ---------------------------------------------------------------------------------------------

TRepository::TRepository() = default;
TRepository::TRepository(const TStreamed& Stream)
    : FStream(std::make_unique<TRepositoryStream>(Stream.FileName)) {}

void TRepository::RequireTextHeld() const {
  if (FStream && !FStream->FileName().isEmpty())
    throw ui::Exception(
        QStringLiteral("Text úložiště byl zapsán do souboru \"%1\".").arg(FStream->FileName()));
}
TRepository::~TRepository() = default;

const TRepositoryItem* TRepository::Lookup(QStringView Path) const {
  const TRepositoryList* list = &FRoot;
  for (;;) {
    const qsizetype dot = Path.indexOf(QLatin1Char('.'));
    if (dot < 0) return list->Find(Path);
    const TRepositoryItem* head = list->Find(Path.left(dot));
    if (head == nullptr || !head->IsBranch()) return nullptr;
    list = head->Children();
    Path = Path.mid(dot + 1);
  }
}

int TRepository::AddItem(const QString& Path, TRepositoryType Type, TRepositoryValue Value) {
  return AddItem(Path, Type, std::move(Value), nullptr);
}

int TRepository::AddItem(const QString& Path, TRepositoryType Type, TRepositoryValue Value,
                         TRepositoryItem** Added) {
  if (Path.isEmpty() || static_cast<int>(Type) >= RepositoryTypeCount) return rrWrongParameters;
  if (!IsBranchType(Type) && !ValueFitsType(Type, Value)) return rrWrongParameters;
  if (FStream) {
    if (Added != nullptr) *Added = nullptr;
    return FStream->Add(Path, Type, Value);
  }

  const qsizetype dot = Path.lastIndexOf(QLatin1Char('.'));
  if (dot >= 0) {
    const QStringView parentPath = QStringView(Path).left(dot);
    const QString name = Path.mid(dot + 1);
    if (FRememberedList != nullptr && parentPath == FRememberedPath) {
      if (FRememberedList->Find(name) != nullptr) return rrAlreadyExists;
      TRepositoryItem& item =
          FRememberedList->Append(std::make_unique<TRepositoryItem>(name, Type, std::move(Value)));
      if (Added != nullptr) *Added = &item;
      return rrOk;
    }
    const TRepositoryItem* parent = Lookup(parentPath);
    if (parent == nullptr) return rrNoFather;
    if (!parent->IsBranch()) return rrParentNotBranch;
    // The lookup gave a const item of our own tree.
    TRepositoryList* children = const_cast<TRepositoryItem*>(parent)->Children();
    if (children->Find(name) != nullptr) return rrAlreadyExists;
    TRepositoryItem& item = children->Append(std::make_unique<TRepositoryItem>(name, Type, std::move(Value)));
    if (Added != nullptr) *Added = &item;
    FRememberedList = children;
    FRememberedPath = parentPath.toString();
    return rrOk;
  }
  if (FRoot.Find(Path) != nullptr) return rrAlreadyExists;
  TRepositoryItem& item = FRoot.Append(std::make_unique<TRepositoryItem>(Path, Type, std::move(Value)));
  if (Added != nullptr) *Added = &item;
  FRememberedList = nullptr;
  FRememberedPath.clear();
  return rrOk;
}

int TRepository::FindItem(const QString& Path, TRepositoryType Type, const TRepositoryItem** Item) const {
  if (Path.isEmpty()) return rrWrongParameters;
  const TRepositoryItem* found = Lookup(Path);
  if (found == nullptr) return rrNotExists;
  if (found->Type() != Type) return rrAnotherType;
  if (Item != nullptr) *Item = found;
  return rrOk;
}

int TRepository::RaiseOnError(int Code) {
  if (Code >= rrWrongParameters && Code <= rrParentNotBranch)
    RaiseRepositoryError(Code, QString::fromLatin1(ResultTexts[Code]));
  return 0;
}

const TRepositoryItem& TRepository::Require(const QString& Path, TRepositoryType Type) const {
  const TRepositoryItem* item = nullptr;
  RaiseOnError(FindItem(Path, Type, &item));
  return *item;
}

// ---------------------------------------------------------------------------------------------

void TRepository::WriteString(const QString& Path, const QString& Text) { WriteText(Path, rtString, Text); }

void TRepository::WriteMemo(const QString& Path, const QString& Text) { WriteText(Path, rtMemo, Text); }

void TRepository::WriteText(const QString& Path, TRepositoryType Type, const QString& Text) {
  // A streamed store writes the text where it stands, without a copy of it.
  if (FStream && !Path.isEmpty()) {
    RaiseOnError(FStream->AddText(Path, Type, Text));
    return;
  }
  RaiseOnError(AddItem(Path, Type, Text));
}

void TRepository::WriteInteger(const QString& Path, int Value) {
  RaiseOnError(AddItem(Path, rtInteger, Value));
}

void TRepository::WriteBoolean(const QString& Path, bool Value) {
  RaiseOnError(AddItem(Path, rtBoolean, Value));
}

void TRepository::WriteDateTime(const QString& Path, const QDateTime& Value) {
  RaiseOnError(AddItem(Path, rtDateTime, Value));
}

void TRepository::WriteFont(const QString& Path, const TFontValue& Font) {
  RaiseOnError(AddItem(Path, rtFont, Font));
}

void TRepository::WriteBrush(const QString& Path, const TBrushValue& Brush) {
  RaiseOnError(AddItem(Path, rtBrush, Brush));
}

void TRepository::WritePen(const QString& Path, const TPenValue& Pen) {
  RaiseOnError(AddItem(Path, rtPen, Pen));
}

QString TRepository::ReadString(const QString& Path, const QString& Default) const {
  return ReadValue(*this, Path, rtString, Default);
}

QString TRepository::ReadMemo(const QString& Path, const QString& Default) const {
  return ReadValue(*this, Path, rtMemo, Default);
}

int TRepository::ReadInteger(const QString& Path, int Default) const {
  return ReadValue(*this, Path, rtInteger, Default);
}

bool TRepository::ReadBoolean(const QString& Path, bool Default) const {
  return ReadValue(*this, Path, rtBoolean, Default);
}

QDateTime TRepository::ReadDateTime(const QString& Path, const QDateTime& Default) const {
  return ReadValue(*this, Path, rtDateTime, Default);
}

TFontValue TRepository::ReadFont(const QString& Path, const TFontValue& Default) const {
  return ReadValue(*this, Path, rtFont, Default);
}

TBrushValue TRepository::ReadBrush(const QString& Path, const TBrushValue& Default) const {
  return ReadValue(*this, Path, rtBrush, Default);
}

TPenValue TRepository::ReadPen(const QString& Path, const TPenValue& Default) const {
  return ReadValue(*this, Path, rtPen, Default);
}

void TRepository::AddBranch(const QString& Path, TRepositoryType Type) { RaiseOnError(AddItem(Path, Type)); }

void TRepository::AddList(const QString& Path) { AddBranch(Path, rtList); }
void TRepository::AddProjectInfo(const QString& Path) { AddBranch(Path, rtProjectInfo); }
void TRepository::AddEntity(const QString& Path) { AddBranch(Path, rtEntity); }
void TRepository::AddNote(const QString& Path) { AddBranch(Path, rtNote); }
void TRepository::AddEntryPoint(const QString& Path) { AddBranch(Path, rtEntryPoint); }
void TRepository::AddTextLabel(const QString& Path) { AddBranch(Path, rtTextLabel); }
void TRepository::AddRelation(const QString& Path) { AddBranch(Path, rtRelation); }

// ---------------------------------------------------------------------------------------------

void TRepository::AddTree(TRepositoryList&& Tree) {
  if (FRoot.Count() == 0) {
    FRoot = std::move(Tree);
    FRememberedList = nullptr;
    FRememberedPath.clear();
    return;
  }
  AddTreeItems(Tree, QString());
}

void TRepository::AddTreeItems(const TRepositoryList& List, const QString& Path) {
  for (int i = 0; i < List.Count(); ++i) {
    const TRepositoryItem& item = List.At(i);
    const QString path = Path.isEmpty() ? item.Name() : Path + QLatin1Char('.') + item.Name();
    AddItem(path, item.Type(), item.Value());
    if (item.IsBranch()) AddTreeItems(*item.Children(), path);
  }
}

QByteArray TRepository::SaveToBytes() const {
  RequireTextHeld();
  if (FStream) return FStream->Finish().GenerateXMLBytes();
  TXMLMaker maker;
  TRepositoryXMLWriter::Write(FRoot, maker);
  return maker.GenerateXMLBytes();
}

void TRepository::SaveToFile(const QString& FileName) const {
  if (FStream) return FStream->Finish().GenerateXMLFile(FileName);
  TXMLMaker maker;
  maker.BeginXMLFile(FileName);
  TRepositoryXMLWriter::Write(FRoot, maker);
  maker.GenerateXMLFile(FileName);
}

QString TRepository::SaveToText() const {
  RequireTextHeld();
  if (FStream) return FStream->Finish().GenerateXMLString();
  TXMLMaker maker;
  TRepositoryXMLWriter::Write(FRoot, maker);
  return maker.GenerateXMLString();
}

void TRepository::LoadFromFile(const QString& FileName) {
  QByteArray bytes;
  try {
    bytes = ui::ReadRegularFile(FileName, MaxSchemaFileSize);
  } catch (const ui::Exception& e) {
    RaiseRepositoryError(reCannotOpenFile, e.Message());
  }
  QString error;
  if (!TRepositoryXMLReader(*this).ReadBytes(bytes, &error))
    RaiseRepositoryError(
        reMalformedFile,
        QStringLiteral("Soubor \"%1\" není čitelný soubor schématu: %2.").arg(FileName, error));
}

void TRepository::LoadFromText(const QString& Text) { TRepositoryXMLReader(*this).Read(Text); }
