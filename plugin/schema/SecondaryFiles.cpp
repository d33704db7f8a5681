#include "plugin/schema/SecondaryFiles.h"

#include "plugin/schema/ModelAccess.h"

namespace {
enum {
  FileNamePos,
  StartingAtPos,
  LengthPos
};
} // namespace

TFileSpecInfo_P::TFileSpecInfo_P() {
  Add(new Morvik::TParamInfoC("FileName", "Name of secondary database file?", 1, Morvik::ptString));
  Add(new Morvik::TParamInfoC("StartingAt", "Starting PAGE of this file (size of previous file)", 1,
                              Morvik::ptNumber));
  Add(new Morvik::TParamInfoC("Length", "Size of secondary database file in PAGES", 1, Morvik::ptNumber));
}

TFileSpec::TFileSpec(Morvik::TParent* Owner)
    : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TFileSpecInfo>(Owner) {}

const char* TFileSpec::Generate() {
  output.Clear();
  output.Append("FILE '").Append(Varne::ValueAt(this, FileNamePos)).Append("'");
  if (!Varne::IsEmptyAt(this, StartingAtPos))
    output.Append(" STARTING AT PAGE ").Append(Varne::ValueAt(this, StartingAtPos));
  if (!Varne::IsEmptyAt(this, LengthPos))
    output.Append(" LENGTH ").Append(Varne::ValueAt(this, LengthPos)).Append(" PAGES");
  return output.GetText();
}

const char* TFileSpec::Check(int Pos) const {
  if (Pos == -1 && Varne::IsEmptyAt(this, StartingAtPos) && Varne::IsEmptyAt(this, LengthPos))
    return "You must specify Length or Starting Page";
  if (Pos == FileNamePos && Varne::IsEmptyAt(this, FileNamePos)) return "You must specify filename";
  return nullptr;
}
