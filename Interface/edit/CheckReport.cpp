#include "Interface/edit/CheckReport.h"

#include "Interface/edit/EditPrecondition.h"
#include "Interface/edit/ParamFunctions.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Morvik {

namespace {

constexpr const char* NameMissing = "Name must be specified";
constexpr const char* NameNotUnique = "Name is not unique";
constexpr const char* TableWithoutColumns = "There are no columns in table";
constexpr const char* ReferenceWithoutPairs = "There are no columns in reference";
constexpr const char* PairTypesDiffer = "Columns must be of the same type";
constexpr const char* DataTypeMissing = "Chybí datový typ";
constexpr const char* ParentTableMissing = "Chybí nadřízená tabulka";
constexpr const char* ChildTableMissing = "Chybí podřízená tabulka";
constexpr const char* PairColumnMissing = "Chybí sloupec dvojice";
constexpr const char* PairDataTypeMissing = "Sloupec dvojice nemá datový typ";

using Level = TCheckRecord::TLevelType;

std::string_view Text(const char* Value) { return Value ? std::string_view(Value) : std::string_view(); }

// Which of a set of objects share their name with another one: names are counted once, so
// that uniqueness is not a comparison of every pair of names. A few names are compared
// directly. The names stay owned by their objects, which the walk does not change.
class TNameSharing {
public:
  void Clear() {
    Names.clear();
    Shared.clear();
  }
  void Add(const char* Name) { Names.push_back(Text(Name)); }
  // Settles the sharing of every name added since Clear.
  void Count() {
    const std::size_t Size = Names.size();
    Shared.assign(Size, 0);
    if (Size <= 8) {
      for (std::size_t i = 0; i < Size; ++i)
        for (std::size_t j = i + 1; j < Size; ++j)
          if (Names[i] == Names[j]) Shared[i] = Shared[j] = 1;
      return;
    }
    std::unordered_map<std::string_view, int> Counts;
    Counts.reserve(Size);
    std::vector<int*> CountOf; // map nodes stay where they are
    CountOf.reserve(Size);
    for (std::string_view Name : Names) {
      int& NameCount = Counts[Name];
      ++NameCount;
      CountOf.push_back(&NameCount);
    }
    for (std::size_t i = 0; i < Size; ++i) Shared[i] = *CountOf[i] > 1;
  }
  bool IsEmpty(int Idx) const { return Names[static_cast<std::size_t>(Idx)].empty(); }
  bool IsShared(int Idx) const { return Shared[static_cast<std::size_t>(Idx)] != 0; }

private:
  std::vector<std::string_view> Names;
  std::vector<char> Shared;
};

} // namespace

// The walk itself: one pass over the model that appends the findings to the report. The
// location of the object being walked is kept as one growing and shrinking path, so that
// only a finding makes a record of its own.
class TCheckWalk {
public:
  explicit TCheckWalk(TCheckReport& _Report) : Report(_Report) {}

  void Run(TModel* Model) {
    CheckParamObject(Model);
    std::vector<TTable*> Tables;
    TNameSharing TableNames;
    CheckNamedSet(
        Model->GetTableCount(), [Model](int i) { return Model->GetTable(i); }, Tables, TableNames,
        TCheckRecord::ltTable, "Entity",
        [this](TTable* Table, bool NameEmpty, bool NameShared) { CheckTable(Table, NameEmpty, NameShared); });
    for (int k = 0; k < Model->GetReferenceCount(); ++k) {
      TReference* Reference = Model->GetReference(k);
      if (!Reference) continue;
      TScope ReferenceLevel(*this, TCheckRecord::ltReference, k);
      AddQuotedPiece("Relation", Reference->GetName());
      CheckReference(Reference);
    }
  }

private:
  // One level of the current location, removed again when the scope ends. Its piece of
  // path is appended to Location.PathText while the scope is open.
  class TScope {
  public:
    TScope(TCheckWalk& _Walk, Level Type, int Index)
        : Walk(_Walk), PathLength(Walk.Location.PathText.size()) {
      Walk.Location.Levels.push_back(TCheckRecord::TLevel{Type, Index});
    }
    ~TScope() {
      Walk.Location.Levels.pop_back();
      Walk.Location.PathText.resize(PathLength);
    }
    TScope(const TScope&) = delete;
    TScope& operator=(const TScope&) = delete;

  private:
    TCheckWalk& Walk;
    std::size_t PathLength;
  };

  void AddQuotedPiece(const char* Prefix, const char* Value) {
    std::string& Path = Location.PathText;
    Path += Prefix;
    Path += "=\"";
    Path += Text(Value);
    Path += "\"/";
  }

  // A finding one level below the current location, whose piece of path is Piece.
  void Append(std::string_view Piece, Level Type, int Index, const char* Message) {
    auto Record = std::make_unique<TCheckRecord>();
    Record->PathText.reserve(Location.PathText.size() + Piece.size());
    Record->PathText = Location.PathText;
    Record->PathText += Piece;
    Record->Levels.reserve(Location.Levels.size() + 1);
    Record->Levels = Location.Levels;
    Record->Levels.push_back(TCheckRecord::TLevel{Type, Index});
    Record->MessageText = Message ? Message : "";
    Report.Records.push_back(std::move(Record));
  }

  // One set of named objects (the tables of the model, the columns of a table): gathers
  // them once, settles which names are empty or shared, and checks each present object at
  // its own level with the piece Prefix="name"/.
  template <typename TItem, typename TGetItem, typename TCheckItem>
  void CheckNamedSet(int Count, TGetItem GetItem, std::vector<TItem*>& Items, TNameSharing& Names, Level Type,
                     const char* Prefix, TCheckItem CheckItem) {
    Items.resize(static_cast<std::size_t>(Count));
    Names.Clear();
    for (int i = 0; i < Count; ++i) {
      TItem* Item = GetItem(i);
      Items[static_cast<std::size_t>(i)] = Item;
      Names.Add(Item ? Item->GetName() : nullptr);
    }
    Names.Count();
    for (int i = 0; i < Count; ++i) {
      TItem* Item = Items[static_cast<std::size_t>(i)];
      if (!Item) continue;
      TScope ItemLevel(*this, Type, i);
      AddQuotedPiece(Prefix, Item->GetName());
      CheckItem(Item, Names.IsEmpty(i), Names.IsShared(i));
    }
  }

  void CheckName(bool NameEmpty, bool NameShared) {
    if (NameEmpty)
      Append("", TCheckRecord::ltObject, 0, NameMissing);
    else if (NameShared)
      Append("", TCheckRecord::ltObject, 0, NameNotUnique);
  }

  void CheckParamObject(TParamObject* Object) {
    if (const char* Message = Object->Check(-1)) Append("", TCheckRecord::ltObject, 0, Message);
    const int Count = Object->GetParamCount() + Object->GetListParamCount();
    for (int p = 0; p < Count; ++p) {
      if (!IsParamEnabled(Object, p)) continue;
      const char* Message = Object->Check(p);
      const int k = Object->GetKindIndex(p);
      if (Object->GetParamKind(p) == pkVector) {
        const TListParamInfo* Info = Object->GetListParamInfo(k);
        std::string Piece(Text(Info ? Info->GetName() : nullptr));
        Piece += "/";
        if (Message) Append(Piece, TCheckRecord::ltParam, p, Message);
        TScope ListLevel(*this, TCheckRecord::ltParam, p);
        Location.PathText += Piece;
        if (TListParam* List = Object->GetListParam(k))
          CheckListParam(List, Info ? Info->GetItemNameParam() : -1);
      } else if (Message) {
        const TParamInfo* Info = Object->GetParam(k);
        std::string Piece(Text(Info ? Info->GetName() : nullptr));
        Piece += "=\"";
        Piece += GetParamDisplayText(Object, k);
        Piece += "\"/";
        Append(Piece, TCheckRecord::ltParam, p, Message);
      }
    }
  }

  void CheckListParam(TListParam* List, int NamingIndex) {
    for (int i = 0; i < List->GetItemsCount(); ++i) {
      TParamObject* Item = List->GetItem(i);
      if (!Item) continue;
      TScope ItemLevel(*this, TCheckRecord::ltListItem, i);
      if (NamingIndex >= 0 && NamingIndex < Item->GetParamCount())
        Location.PathText += Text(Item->GetParamValue(NamingIndex));
      else
        Location.PathText += "Item_" + std::to_string(i);
      Location.PathText += "/";
      CheckParamObject(Item);
    }
  }

  void CheckTable(TTable* Table, bool NameEmpty, bool NameShared) {
    CheckName(NameEmpty, NameShared);
    const int ColumnCount = Table->GetColumnCount();
    if (ColumnCount == 0) Append("", TCheckRecord::ltColumn, -1, TableWithoutColumns);
    CheckParamObject(Table);
    // Columns are gathered once per table; the buffers serve every table in turn.
    CheckNamedSet(
        ColumnCount, [Table](int j) { return Table->GetColumn(j); }, Columns, ColumnNames,
        TCheckRecord::ltColumn, "Attribute",
        [this](TColumn* Column, bool NameEmpty, bool NameShared) {
          CheckColumn(Column, NameEmpty, NameShared);
        });
  }

  void CheckColumn(TColumn* Column, bool NameEmpty, bool NameShared) {
    CheckName(NameEmpty, NameShared);
    CheckParamObject(Column);
    TScope DataTypeLevel(*this, TCheckRecord::ltDataType, 0);
    Location.PathText += "DataType/";
    if (TDataType* DataType = Column->GetDataType())
      CheckParamObject(DataType);
    else
      Append("", TCheckRecord::ltObject, 0, DataTypeMissing);
  }

  // Whether the reference's tables and every column of its pairs exist, so that the
  // plug-in's pair checks have something to read.
  static bool IsComplete(const TReference* Reference) {
    if (!Reference->GetParentTable() || !Reference->GetChildTable()) return false;
    for (int i = 0; i < Reference->GetPairCount(); ++i)
      if (!Reference->GetPairColumn(0, i) || !Reference->GetPairColumn(1, i)) return false;
    return true;
  }

  void CheckReference(TReference* Reference) {
    CheckParamObject(Reference);
    if (!Reference->GetParentTable()) Append("", TCheckRecord::ltObject, 0, ParentTableMissing);
    if (!Reference->GetChildTable()) Append("", TCheckRecord::ltObject, 0, ChildTableMissing);
    const int PairCount = Reference->GetPairCount();
    if (PairCount == 0) Append("", TCheckRecord::ltPair, -1, ReferenceWithoutPairs);
    const bool Complete = IsComplete(Reference);
    if (Complete)
      if (const char* Message = Reference->CheckPairs(-1)) Append("", TCheckRecord::ltPair, -1, Message);
    std::string ChildText;
    for (int i = 0; i < PairCount; ++i) {
      const std::string Piece = "Pair_" + std::to_string(i) + "/";
      if (Complete)
        if (const char* Message = Reference->CheckPairs(i)) Append(Piece, TCheckRecord::ltPair, i, Message);
      TColumn* Child = Reference->GetPairColumn(1, i);
      TColumn* Parent = Reference->GetPairColumn(0, i);
      if (!Child || !Parent) {
        Append(Piece, TCheckRecord::ltPair, i, PairColumnMissing);
        continue;
      }
      TDataType* ChildType = Child->GetDataType();
      TDataType* ParentType = Parent->GetDataType();
      if (!ChildType || !ParentType) {
        Append(Piece, TCheckRecord::ltPair, i, PairDataTypeMissing);
        continue;
      }
      // The child's text is copied before the parent's Generate may rewrite a shared buffer.
      ChildText = Text(ChildType->Generate());
      if (ChildText != Text(ParentType->Generate())) Append(Piece, TCheckRecord::ltPair, i, PairTypesDiffer);
    }
  }

  TCheckReport& Report;
  TCheckRecord Location;         // the current location, without a message
  std::vector<TColumn*> Columns; // the columns of the table being walked
  TNameSharing ColumnNames;      // and their names
};

TCheckReport::TCheckReport(TModel* _Model) : Model(_Model) {
  EDIT_REQUIRE(Model);
  TCheckWalk(*this).Run(Model);
}

TCheckReport::~TCheckReport() = default;

TCheckRecord* TCheckReport::Record(int Idx) const {
  EDIT_REQUIRE(Idx >= 0 && Idx < Count());
  return Records[static_cast<std::size_t>(Idx)].get();
}

} // namespace Morvik
