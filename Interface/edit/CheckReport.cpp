#include "Interface/edit/CheckReport.h"

#include "Interface/edit/EditPrecondition.h"
#include "Interface/edit/ParamFunctions.h"

#include <string>
#include <unordered_map>

namespace Morvik {

namespace {

constexpr const char* NameMissing = "Name must be specified";
constexpr const char* NameNotUnique = "Name is not unique";
constexpr const char* TableWithoutColumns = "There are no columns in table";
constexpr const char* ReferenceWithoutPairs = "There are no columns in reference";
constexpr const char* PairTypesDiffer = "Columns must be of the same type";
constexpr const char* DataTypeMissing = "Data type is missing";
constexpr const char* ParentTableMissing = "Parent table is missing";
constexpr const char* ChildTableMissing = "Child table is missing";
constexpr const char* PairColumnMissing = "Column of pair is missing";
constexpr const char* PairDataTypeMissing = "Column of pair has no data type";

using Level = TCheckRecord::TLevelType;

std::string Text(const char* Value) { return Value ? Value : ""; }

std::string Quoted(const char* Prefix, const char* Value) {
    return std::string(Prefix) + "=\"" + Text(Value) + "\"/";
}

// How many times each name occurs among a set of objects, so that uniqueness is one look-up
// per object rather than a comparison with every other one.
class TNameCounts {
public:
    void Add(const char* Name) { ++Counts[Text(Name)]; }
    bool IsShared(const char* Name) const {
        auto Found = Counts.find(Text(Name));
        return Found != Counts.end() && Found->second > 1;
    }

private:
    std::unordered_map<std::string, int> Counts;
};

}  // namespace

// The walk itself: one pass over the model that appends the findings to the report.
class TCheckWalk {
public:
    explicit TCheckWalk(TCheckReport& _Report) : Report(_Report) {}

    void Run(TModel* Model) {
        const TCheckRecord Root;
        CheckParamObject(Model, Root);
        TNameCounts TableNames;
        for (int i = 0; i < Model->GetTableCount(); ++i)
            if (const TTable* Table = Model->GetTable(i)) TableNames.Add(Table->GetName());
        for (int i = 0; i < Model->GetTableCount(); ++i) {
            TTable* Table = Model->GetTable(i);
            if (!Table) continue;
            const TCheckRecord TableRecord(Root, Quoted("Entity", Table->GetName()), TCheckRecord::ltTable, i);
            CheckTable(Table, TableRecord, TableNames);
        }
        for (int k = 0; k < Model->GetReferenceCount(); ++k) {
            TReference* Reference = Model->GetReference(k);
            if (!Reference) continue;
            const TCheckRecord ReferenceRecord(Root, Quoted("Relation", Reference->GetName()),
                                               TCheckRecord::ltReference, k);
            CheckReference(Reference, ReferenceRecord);
        }
    }

private:
    void Append(const TCheckRecord& Parent, const std::string& Piece, Level Type, int Index,
                const char* Message) {
        Report.Records.push_back(std::make_unique<TCheckRecord>(Parent, Piece, Type, Index, Message));
    }

    void CheckParamObject(TParamObject* Object, const TCheckRecord& Parent) {
        if (const char* Message = Object->Check(-1)) Append(Parent, "", TCheckRecord::ltObject, 0, Message);
        const int Count = Object->GetParamCount() + Object->GetListParamCount();
        for (int p = 0; p < Count; ++p) {
            if (!IsParamEnabled(Object, p)) continue;
            const char* Message = Object->Check(p);
            const int k = Object->GetKindIndex(p);
            if (Object->GetParamKind(p) == pkVector) {
                const TListParamInfo* Info = Object->GetListParamInfo(k);
                const std::string Piece = Text(Info ? Info->GetName() : nullptr) + "/";
                if (Message) Append(Parent, Piece, TCheckRecord::ltParam, p, Message);
                const TCheckRecord ListRecord(Parent, Piece, TCheckRecord::ltParam, p);
                if (TListParam* List = Object->GetListParam(k))
                    CheckListParam(List, ListRecord, Info ? Info->GetItemNameParam() : -1);
            } else if (Message) {
                const TParamInfo* Info = Object->GetParam(k);
                const std::string Piece = Text(Info ? Info->GetName() : nullptr) + "=\"" +
                                          GetParamDisplayText(Object, k) + "\"/";
                Append(Parent, Piece, TCheckRecord::ltParam, p, Message);
            }
        }
    }

    void CheckListParam(TListParam* List, const TCheckRecord& Parent, int NamingIndex) {
        for (int i = 0; i < List->GetItemsCount(); ++i) {
            TParamObject* Item = List->GetItem(i);
            if (!Item) continue;
            std::string Piece;
            if (NamingIndex >= 0 && NamingIndex < Item->GetParamCount())
                Piece = Text(Item->GetParamValue(NamingIndex)) + "/";
            else
                Piece = "Item_" + std::to_string(i) + "/";
            const TCheckRecord ItemRecord(Parent, Piece, TCheckRecord::ltListItem, i);
            CheckParamObject(Item, ItemRecord);
        }
    }

    void CheckTable(TTable* Table, const TCheckRecord& TableRecord, const TNameCounts& TableNames) {
        const char* Name = Table->GetName();
        if (Text(Name).empty())
            Append(TableRecord, "", TCheckRecord::ltObject, 0, NameMissing);
        else if (TableNames.IsShared(Name))
            Append(TableRecord, "", TCheckRecord::ltObject, 0, NameNotUnique);
        const int ColumnCount = Table->GetColumnCount();
        if (ColumnCount == 0) Append(TableRecord, "", TCheckRecord::ltColumn, -1, TableWithoutColumns);
        CheckParamObject(Table, TableRecord);
        TNameCounts ColumnNames;
        for (int j = 0; j < ColumnCount; ++j)
            if (const TColumn* Column = Table->GetColumn(j)) ColumnNames.Add(Column->GetName());
        for (int j = 0; j < ColumnCount; ++j) {
            TColumn* Column = Table->GetColumn(j);
            if (!Column) continue;
            const TCheckRecord ColumnRecord(TableRecord, Quoted("Attribute", Column->GetName()),
                                            TCheckRecord::ltColumn, j);
            CheckColumn(Column, ColumnRecord, ColumnNames);
        }
    }

    void CheckColumn(TColumn* Column, const TCheckRecord& ColumnRecord, const TNameCounts& ColumnNames) {
        const char* Name = Column->GetName();
        if (Text(Name).empty())
            Append(ColumnRecord, "", TCheckRecord::ltObject, 0, NameMissing);
        else if (ColumnNames.IsShared(Name))
            Append(ColumnRecord, "", TCheckRecord::ltObject, 0, NameNotUnique);
        CheckParamObject(Column, ColumnRecord);
        const TCheckRecord DataTypeRecord(ColumnRecord, "DataType/", TCheckRecord::ltDataType, 0);
        if (TDataType* DataType = Column->GetDataType())
            CheckParamObject(DataType, DataTypeRecord);
        else
            Append(DataTypeRecord, "", TCheckRecord::ltObject, 0, DataTypeMissing);
    }

    // Whether the reference's tables and every column of its pairs exist, so that the
    // plug-in's pair checks have something to read.
    static bool IsComplete(const TReference* Reference) {
        if (!Reference->GetParentTable() || !Reference->GetChildTable()) return false;
        for (int i = 0; i < Reference->GetPairCount(); ++i)
            if (!Reference->GetPairColumn(0, i) || !Reference->GetPairColumn(1, i)) return false;
        return true;
    }

    void CheckReference(TReference* Reference, const TCheckRecord& ReferenceRecord) {
        CheckParamObject(Reference, ReferenceRecord);
        if (!Reference->GetParentTable()) Append(ReferenceRecord, "", TCheckRecord::ltObject, 0, ParentTableMissing);
        if (!Reference->GetChildTable()) Append(ReferenceRecord, "", TCheckRecord::ltObject, 0, ChildTableMissing);
        const int PairCount = Reference->GetPairCount();
        if (PairCount == 0) Append(ReferenceRecord, "", TCheckRecord::ltPair, -1, ReferenceWithoutPairs);
        const bool Complete = IsComplete(Reference);
        if (Complete)
            if (const char* Message = Reference->CheckPairs(-1))
                Append(ReferenceRecord, "", TCheckRecord::ltPair, -1, Message);
        for (int i = 0; i < PairCount; ++i) {
            const std::string Piece = "Pair_" + std::to_string(i) + "/";
            if (Complete)
                if (const char* Message = Reference->CheckPairs(i))
                    Append(ReferenceRecord, Piece, TCheckRecord::ltPair, i, Message);
            TColumn* Child = Reference->GetPairColumn(1, i);
            TColumn* Parent = Reference->GetPairColumn(0, i);
            if (!Child || !Parent) {
                Append(ReferenceRecord, Piece, TCheckRecord::ltPair, i, PairColumnMissing);
                continue;
            }
            TDataType* ChildType = Child->GetDataType();
            TDataType* ParentType = Parent->GetDataType();
            if (!ChildType || !ParentType) {
                Append(ReferenceRecord, Piece, TCheckRecord::ltPair, i, PairDataTypeMissing);
                continue;
            }
            // Each text is copied before the next Generate may rewrite a shared buffer.
            const std::string ChildText = Text(ChildType->Generate());
            const std::string ParentText = Text(ParentType->Generate());
            if (ChildText != ParentText) Append(ReferenceRecord, Piece, TCheckRecord::ltPair, i, PairTypesDiffer);
        }
    }

    TCheckReport& Report;
};

TCheckReport::TCheckReport(TModel* _Model) : Model(_Model) {
    EDIT_REQUIRE(Model);
    TCheckWalk(*this).Run(Model);
}

TCheckReport::~TCheckReport() = default;

TCheckRecord* TCheckReport::Record(int Idx) const {
    EDIT_REQUIRE(Idx>=0 && Idx<Count());
    return Records[static_cast<std::size_t>(Idx)].get();
}

}  // namespace Morvik
