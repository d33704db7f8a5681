#pragma once
// The store's XML made while the items are written, keeping only the names of the branches
// still open: for a writer that writes every branch's items before anything outside it, as
// the schema file's writer does. Each write gives the result AddItem gives and the text is
// the one the kept tree would give. A write that only a kept tree can place (an item for a
// branch already closed, or a parent path that names no open branch) raises
// ERepositoryStreamOrder and leaves the text unfinished.

#include "editor/Repository.h"

#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <cstdint>
#include <vector>

class TXMLMaker;

class ERepositoryStreamOrder {};

class TRepositoryStream {
public:
  // With a FileName the text goes to that file in blocks as it is made (the file is begun at
  // once and replaced only by Finish and GenerateXMLFile of that name); without one it is
  // held whole.
  explicit TRepositoryStream(const QString& FileName);
  ~TRepositoryStream();
  TRepositoryStream(const TRepositoryStream&) = delete;
  TRepositoryStream& operator=(const TRepositoryStream&) = delete;

  // Path and Value are checked by the caller (AddItem's result 1).
  int Add(QStringView Path, TRepositoryType Type, const TRepositoryValue& Value);
  // A string or memo leaf: Add's result for it, without the value held in a variant.
  int AddText(QStringView Path, TRepositoryType Type, QStringView Text);
  // A branch at Path written whole at once: its start, what Items writes into the maker (its
  // items, each branch among them closed again), its end. It gives Add's result for the
  // branch, writing nothing but on rrOk; a later write into the branch is refused.
  int AddWhole(QStringView Path, TRepositoryType Type, const std::function<void(TXMLMaker&)>& Items);
  // Closes every open branch and the root, once; the maker holding the text.
  TXMLMaker& Finish();
  // The file the text goes to; empty when it is held whole.
  const QString& FileName() const { return FFileName; }

private:
  // An open branch: its path and the names of its items so far. A closed one keeps its room
  // for the next branch opened at its depth.
  class TLevel {
  public:
    std::u16string_view Path() const { return FPath; }
    TRepositoryType Type() const { return FType; }
    // Opens the level as the branch Name of type Type under the branch at ParentPath (empty
    // for the root's items).
    void Open(std::u16string_view ParentPath, std::u16string_view Name, TRepositoryType Type);
    bool Contains(std::u16string_view Name) const;
    void Remember(std::u16string_view Name);

  private:
    std::u16string_view NameAt(std::size_t Idx) const;

    std::u16string FPath;
    TRepositoryType FType = rtList;
    std::u16string FNames;              // the names one after another
    std::vector<std::size_t> FNameEnds; // where each name ends in FNames
    // Once the branch holds many names: an open-addressed table of name numbers + 1 (0 for a
    // free slot), at most half full, searched from the slot of the name's hash.
    std::vector<std::uint32_t> FIndex;
    void IndexName(std::size_t Idx);
  };
  // The open branch (not the root) of that path, or a raise.
  std::size_t LevelOf(std::u16string_view ParentPath) const;
  // The open branch an item at Path goes to (the root for a name without a dot), or a raise;
  // Path is left as the item's name.
  std::size_t ParentLevel(std::u16string_view& Path) const;
  // Makes the item Name the next one of the open branch at Level, closing those below it;
  // false when the branch holds an item of that name already.
  bool Enter(std::size_t Level, std::u16string_view Name);
  int AddAt(std::size_t Level, std::u16string_view Name, TRepositoryType Type, const TRepositoryValue& Value);
  void CloseAbove(std::size_t Level);

  QString FFileName;
  std::unique_ptr<TXMLMaker> FMaker;
  // The open branches are the first FDepth levels, the root first.
  std::vector<TLevel> FLevels;
  std::size_t FDepth = 0;
  bool FFinished = false;
};
