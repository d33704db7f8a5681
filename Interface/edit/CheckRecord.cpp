#include "Interface/edit/CheckRecord.h"

#include "Interface/edit/EditPrecondition.h"

namespace Morvik {

TCheckRecord::TCheckRecord(const TCheckRecord& Parent, const std::string& Piece, TLevelType Type, int Index,
                           const char* _Message)
    : PathText(Parent.PathText), Levels(Parent.Levels), MessageText(_Message ? _Message : "") {
  AddLevel(Piece, Type, Index);
}

TCheckRecord::TLevelType TCheckRecord::LevelType(int Idx) const {
  EDIT_REQUIRE(Idx >= 0 && Idx < LevelCount());
  return Levels[static_cast<std::size_t>(Idx)].Type;
}

int TCheckRecord::LevelIndex(int Idx) const {
  EDIT_REQUIRE(Idx >= 0 && Idx < LevelCount());
  return Levels[static_cast<std::size_t>(Idx)].Index;
}

void TCheckRecord::AddLevel(const std::string& Piece, TLevelType Type, int Index) {
  PathText += Piece;
  Levels.push_back(TLevel{Type, Index});
}

} // namespace Morvik
