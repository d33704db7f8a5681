// One finding of a model check: the location of the object concerned as levels and as a
// path text, and the message.
#pragma once

#include <string>
#include <vector>

namespace Morvik {

class TCheckRecord {
public:
  // The kind of one step of a location.
  enum LevelType : unsigned char {
    ltParam = 0,     // a parameter of the current object: its position
    ltListItem = 1,  // an item of a list parameter: its index
    ltObject = 2,    // the current object itself: 0
    ltTable = 3,     // a table: its index in the model
    ltColumn = 4,    // a column: its index in the table, -1 for the column list
    ltDataType = 5,  // the data type of a column: 0
    ltReference = 6, // a reference: its index in the model
    ltPair = 7       // a column pair: its index, -1 for the pair list
  };
  // The level kind under a name that the accessor below does not hide.
  using TLevelType = enum LevelType;

  // The root: no levels, empty path.
  TCheckRecord() = default;
  // The parent's location extended by one level, with an optional message.
  TCheckRecord(const TCheckRecord& Parent, const std::string& Piece, TLevelType Type, int Index,
               const char* _Message = nullptr);

  int LevelCount() const { return static_cast<int>(Levels.size()); }
  TLevelType LevelType(int Idx) const;
  int LevelIndex(int Idx) const;
  const char* Path() const { return PathText.c_str(); }
  const char* Message() const { return MessageText.c_str(); }
  void AddLevel(const std::string& Piece, TLevelType Type, int Index);

private:
  friend class TCheckWalk;

  struct TLevel {
    TLevelType Type;
    int Index;
  };

  std::string PathText;
  std::vector<TLevel> Levels;
  std::string MessageText;
};

} // namespace Morvik
