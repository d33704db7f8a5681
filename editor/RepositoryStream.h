#pragma once
// The store's XML made while the items are written, keeping only the names of the branches
// still open: for a writer that writes every branch's items before anything outside it, as
// the schema file's writer does. Each write gives the result AddItem gives and the text is
// the one the kept tree would give. A write that only a kept tree can place (an item for a
// branch already closed, or a parent path that names no open branch) raises
// ERepositoryStreamOrder and leaves the text unfinished.

#include "editor/Repository.h"

#include <QSet>
#include <QString>
#include <memory>
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
  int Add(const QString& Path, TRepositoryType Type, TRepositoryValue Value);
  // An item named Name in the branch at ListPath.
  int AddChild(const QString& ListPath, const QString& Name, TRepositoryType Type, TRepositoryValue Value);
  // Closes every open branch and the root, once; the maker holding the text.
  TXMLMaker& Finish();
  // The file the text goes to; empty when it is held whole.
  const QString& FileName() const { return FFileName; }

private:
  // An open branch: its path and the names of its items so far.
  struct TLevel {
    QString Path;
    TRepositoryType Type = rtList;
    std::vector<QString> Names;
    QSet<QString> Index; // once the branch holds many items
    bool Contains(const QString& Name) const;
    void Remember(const QString& Name);
  };
  // The open branch of that path (the root for a path without a dot), or a raise.
  std::size_t LevelOf(QStringView ParentPath, bool Root) const;
  int AddAt(std::size_t Level, const QString& Name, const QString& Path, TRepositoryType Type,
            TRepositoryValue Value);
  void CloseAbove(std::size_t Level);

  QString FFileName;
  std::unique_ptr<TXMLMaker> FMaker;
  std::vector<TLevel> FLevels;
  bool FFinished = false;
};
