#include "plugin/schema/FileSpec.h"

#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/SchemaItemSupport.h"

namespace {
namespace Items = Varne::Items;
enum { FileNamePos, StartingAtPos, LengthPos };
}  // namespace

TFileSpecInfo_P::TFileSpecInfo_P()
{
    Add(new Morvik::TParamInfoC("FileName", "Name of secondary database file?", 1,
                                Morvik::ptString));
    Add(new Morvik::TParamInfoC("StartingAt", "Starting PAGE of this file (size of previous file)",
                                1, Morvik::ptNumber));
    Add(new Morvik::TParamInfoC("Length", "Size of secondary database file in PAGES", 1,
                                Morvik::ptNumber));
}

TFileSpec::TFileSpec(Morvik::TParent* Owner)
    : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TFileSpecInfo>(Owner)
{
}

const char* TFileSpec::Generate()
{
    output.Clear();
    output.Append("FILE '").Append(Items::ValueAt(this, FileNamePos)).Append("'");
    if (!Items::IsEmptyAt(this, StartingAtPos))
        output.Append(" STARTING AT PAGE ").Append(Items::ValueAt(this, StartingAtPos));
    if (!Items::IsEmptyAt(this, LengthPos))
        output.Append(" LENGTH ").Append(Items::ValueAt(this, LengthPos)).Append(" PAGES");
    return output.GetText();
}

const char* TFileSpec::Check(int Pos) const
{
    if (Pos == -1 && Items::IsEmptyAt(this, StartingAtPos) && Items::IsEmptyAt(this, LengthPos))
        return "You must specify Length or Starting Page";
    if (Pos == FileNamePos && Items::IsEmptyAt(this, FileNamePos))
        return "You must specify filename";
    return nullptr;
}
