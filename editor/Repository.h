#pragma once
// The schema file's store: an in-memory tree of named, typed items addressed by dotted paths
// (Entities.E0.Left), written once, read with a default for every missing key, and saved and
// loaded as XML. It also carries the parameter values of the plug-in's objects.

#include "editor/RepositoryValues.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringView>
#include <memory>
#include <variant>
#include <vector>

namespace Morvik {
class TParamObject;
class TDataType;
class TColumn;
class TTable;
class TReference;
class TModel;
} // namespace Morvik

// Type code of an item; the XML element of each is named in TRepositoryItem::ElementLatin1.
enum TRepositoryType : unsigned char {
  rtList = 0,
  rtString = 1,
  rtInteger = 2,
  rtFont = 3,
  rtBrush = 4,
  rtPen = 5,
  rtMemo = 6,
  rtBoolean = 7,
  rtDateTime = 8,
  rtProjectInfo = 9,
  rtEntity = 10,
  rtNote = 11,
  rtEntryPoint = 12,
  rtTextLabel = 13,
  rtRelation = 14,
  rtParamObject = 15,
  rtListParam = 16,
  rtDataType = 17,
  rtColumn = 18,
  rtTable = 19,
  rtReference = 20,
  rtModel = 21,
};
constexpr int RepositoryTypeCount = 22;

// Result codes of AddItem and FindItem, and the error numbers RaiseOnError raises with.
enum TRepositoryResult : int {
  rrOk = 0,
  rrWrongParameters = 1,
  rrNotExists = 2,
  rrAnotherType = 3,
  rrAlreadyExists = 4,
  rrNoFather = 5,
  rrParentNotBranch = 6,
};

// Further error numbers of the store (module 99), raised by file input and output and by the
// loaders of plug-in objects.
enum TRepositoryError : int {
  reCannotOpenFile = 7,  // a file that cannot be opened or read
  reMalformedFile = 8,   // not well-formed, truncated, nested too deep, an unreadable number
  reUnknownDataType = 9, // a stored data type the model does not offer, or a column without one
  reUnknownColumn = 10,  // a stored pair column the table does not have, or a pair without one
};

// The largest schema file that is read: far beyond any real schema, and refused before any
// byte of it is read.
inline constexpr qint64 MaxSchemaFileSize = qint64(256) * 1024 * 1024;

bool IsBranchType(int Type);

// A leaf's value: text for strings and memos, then integer, boolean, date-time, font, brush, pen.
using TRepositoryValue =
    std::variant<std::monostate, QString, int, bool, QDateTime, TFontValue, TBrushValue, TPenValue>;

class TRepositoryItem;
class TRepositoryStream;

// The ordered child list of a branch. Long lists keep an index by name, so that a lookup does
// not walk the siblings one by one.
class TRepositoryList {
public:
  TRepositoryList() = default;
  TRepositoryList(TRepositoryList&&) noexcept = default;
  TRepositoryList& operator=(TRepositoryList&&) noexcept = default;
  int Count() const { return static_cast<int>(FItems.size()); }
  const TRepositoryItem& At(int Idx) const { return *FItems[Idx]; }
  TRepositoryItem* Find(QStringView Name) const;
  TRepositoryItem& Append(std::unique_ptr<TRepositoryItem> Item);

private:
  std::vector<std::unique_ptr<TRepositoryItem>> FItems;
  QHash<QString, int> FIndex; // built once the list is long enough to need it
};

class TRepositoryItem {
  // The XML element of each type code.
  static constexpr QLatin1StringView ElementNames[RepositoryTypeCount] = {
      QLatin1StringView("list"),        QLatin1StringView("string"),    QLatin1StringView("integer"),
      QLatin1StringView("font"),        QLatin1StringView("brush"),     QLatin1StringView("pen"),
      QLatin1StringView("memo"),        QLatin1StringView("boolean"),   QLatin1StringView("datetime"),
      QLatin1StringView("projectinfo"), QLatin1StringView("entity"),    QLatin1StringView("note"),
      QLatin1StringView("entrypoint"),  QLatin1StringView("textlabel"), QLatin1StringView("relation"),
      QLatin1StringView("paramobject"), QLatin1StringView("listparam"), QLatin1StringView("datatype"),
      QLatin1StringView("column"),      QLatin1StringView("table"),     QLatin1StringView("reference"),
      QLatin1StringView("model")};

public:
  TRepositoryItem(const QString& Name, TRepositoryType Type, TRepositoryValue Value);

  const QString& Name() const { return FName; }
  TRepositoryType Type() const { return FType; }
  bool IsBranch() const { return IsBranchType(FType); }
  const TRepositoryValue& Value() const { return FValue; }
  // The child list of a branch; null for a leaf.
  const TRepositoryList* Children() const { return IsBranch() ? &FChildren : nullptr; }
  TRepositoryList* Children() { return IsBranch() ? &FChildren : nullptr; }

  // Name of the XML element of a type code; empty for an unknown code.
  static QLatin1StringView ElementLatin1(int Type) {
    if (Type < 0 || Type >= RepositoryTypeCount) return {};
    return ElementNames[Type];
  }

private:
  QString FName;
  TRepositoryType FType;
  TRepositoryValue FValue;
  TRepositoryList FChildren; // empty for a leaf
};

class TRepository {
public:
  TRepository();
  // A store that keeps no tree: every write goes at once into its XML text. The writes must
  // come in the order of the text (each branch's items before anything outside it); one that
  // does not raises ERepositoryStreamOrder, and only a store that keeps its tree can take that
  // writer. Reads find nothing. With a FileName the text goes to that file as it is made
  // (begun at once, raising as SaveToFile does) and only SaveToFile of that name finishes it;
  // without one the save operations give the text held.
  struct TStreamed {
    QString FileName;
  };
  explicit TRepository(const TStreamed& Stream);
  ~TRepository();
  TRepository(const TRepository&) = delete;
  TRepository& operator=(const TRepository&) = delete;

  // Adds one item; a branch ignores Value and gets an empty child list, a leaf needs a value
  // of its type. Never raises.
  int AddItem(const QString& Path, TRepositoryType Type, TRepositoryValue Value = {});
  // On rrOk, Item (when given) points to the item found; it stays owned by the store.
  int FindItem(const QString& Path, TRepositoryType Type, const TRepositoryItem** Item = nullptr) const;
  // Raises EMorvikError (module 99, number Code) for codes 1 to 6; returns 0 otherwise.
  static int RaiseOnError(int Code);

  void WriteString(const QString& Path, const QString& Text);
  void WriteMemo(const QString& Path, const QString& Text);
  void WriteInteger(const QString& Path, int Value);
  void WriteBoolean(const QString& Path, bool Value);
  void WriteDateTime(const QString& Path, const QDateTime& Value);
  void WriteFont(const QString& Path, const TFontValue& Font);
  void WriteBrush(const QString& Path, const TBrushValue& Brush);
  void WritePen(const QString& Path, const TPenValue& Pen);

  QString ReadString(const QString& Path, const QString& Default) const;
  QString ReadMemo(const QString& Path, const QString& Default) const;
  int ReadInteger(const QString& Path, int Default) const;
  bool ReadBoolean(const QString& Path, bool Default) const;
  QDateTime ReadDateTime(const QString& Path, const QDateTime& Default) const;
  TFontValue ReadFont(const QString& Path, const TFontValue& Default) const;
  TBrushValue ReadBrush(const QString& Path, const TBrushValue& Default) const;
  TPenValue ReadPen(const QString& Path, const TPenValue& Default) const;

  void AddList(const QString& Path);
  void AddProjectInfo(const QString& Path);
  void AddEntity(const QString& Path);
  void AddNote(const QString& Path);
  void AddEntryPoint(const QString& Path);
  void AddTextLabel(const QString& Path);
  void AddRelation(const QString& Path);

  // The whole tree as XML. SaveToFile replaces the file only when all of it was written.
  void SaveToFile(const QString& FileName) const;
  // The bytes SaveToFile writes.
  QByteArray SaveToBytes() const;
  QString SaveToText() const;
  // Adds the items of a schema file. Raises EMorvikError when the file cannot be opened, is no
  // regular file or is larger than MaxSchemaFileSize, or is not a complete, well-formed file
  // of readable values; the tree is then left unchanged.
  void LoadFromFile(const QString& FileName);
  // Adds the items of a text (the clipboard); a text that cannot be read adds nothing and
  // raises nothing.
  void LoadFromText(const QString& Text);

  // Plug-in objects: every scalar parameter stored under its name, every list parameter as a
  // group of items. Savers raise on the first failed write, and on a column without a data
  // type or a pair without a column (9, 10); loaders raise when a key they need is missing or
  // of another type, or names a data type or column the plug-in lacks.
  void SaveParamObject(const QString& Path, const Morvik::TParamObject* Object);
  void SaveDataType(const QString& Path, const Morvik::TDataType* DataType);
  void SaveColumn(const QString& Path, const Morvik::TColumn* Column);
  void SaveTable(const QString& Path, const Morvik::TTable* Table);
  void SaveReference(const QString& Path, const Morvik::TReference* Reference);
  void SaveModel(const QString& Path, const Morvik::TModel* Model);

  void LoadParamObject(const QString& Path, Morvik::TParamObject* Object) const;
  void LoadDataType(const QString& Path, Morvik::TDataType* DataType) const;
  void LoadColumn(const QString& Path, Morvik::TColumn* Column, const Morvik::TModel* Model) const;
  void LoadTable(const QString& Path, Morvik::TTable* Table, const Morvik::TModel* Model) const;
  void LoadReference(const QString& Path, Morvik::TReference* Reference) const;
  void LoadModel(const QString& Path, Morvik::TModel* Model) const;

  static int FindParamIndex(const Morvik::TParamObject* Object, const QString& Name);
  static int FindListParamIndex(const Morvik::TParamObject* Object, const QString& Name);
  static int FindDataTypeIndex(const Morvik::TModel* Model, const QString& Name);
  static Morvik::TColumn* FindColumn(const Morvik::TTable* Table, const QString& Name);

  // The top-level items, in the order they were added.
  const TRepositoryList& Root() const { return FRoot; }

  // Adds a whole tree read from a file or text: into an empty store as it is, into one that
  // holds items already item by item through AddItem, with its results ignored.
  void AddTree(TRepositoryList&& Tree);

private:
  const TRepositoryItem* Lookup(QStringView Path) const;
  // Raises when the text went to a file instead of being held.
  void RequireTextHeld() const;
  int AddItem(const QString& Path, TRepositoryType Type, TRepositoryValue Value, TRepositoryItem** Added);
  void AddTreeItems(const TRepositoryList& List, const QString& Path);
  void AddBranch(const QString& Path, TRepositoryType Type);
  // A string or memo leaf, as WriteString and WriteMemo write it.
  void WriteText(const QString& Path, TRepositoryType Type, const QString& Text);
  // The item at Path of the given type, or a raise with number 2 or 3.
  const TRepositoryItem& Require(const QString& Path, TRepositoryType Type) const;
  // The items of a plug-in object written below the kept tree's branch at a path.
  class TTreeSink;
  // A plug-in object's branch of Type at Path with the items Walk gives its sink: written
  // straight into a streamed store's text, else added to the kept tree.
  template <typename TWalk>
  void SaveObject(const QString& Path, TRepositoryType Type, const TWalk& Walk);
  // A branch added at Path as AddItem adds it, raising on failure; its child list (null in a
  // streamed store).
  TRepositoryList* AddBranchList(const QString& Path, TRepositoryType Type);
  // An item added to the child list of the branch at ListPath, with the results AddItem
  // would give for ListPath + "." + Name (raised), without building that path.
  void AddChild(TRepositoryList* List, const QString& ListPath, const QString& Name, TRepositoryType Type,
                TRepositoryValue Value);
  // Text of a plug-in's name, made once per text the plug-in holds.
  const QString& PluginName(const char* Name);
  // Gives a named plug-in object its stored name and parameters; returns the name.
  template <typename TNamed>
  QString LoadNamedObject(const QString& Path, TNamed* Object) const;

  TRepositoryList FRoot;
  // The child list that received the last item added under a dotted path, and its path.
  TRepositoryList* FRememberedList = nullptr;
  QString FRememberedPath;
  QHash<const char*, QString> FPluginNames;
  std::unique_ptr<TRepositoryStream> FStream;
};
