#pragma once
// Writes a store's tree into a TXMLMaker: the root element "repository", one start and end
// line per branch, one line per leaf.

#include <QDateTime>
#include <QString>

#include "editor/Repository.h"

class TXMLMaker;

class TRepositoryXMLWriter {
public:
  static void Write(const TRepositoryList& Root, TXMLMaker& Maker);
  // The same text in parts, for a tree written while it is made: the root's start and end,
  // an item with everything below it, a leaf's line, and a branch's start and end lines.
  static void OpenRoot(TXMLMaker& Maker);
  static void CloseRoot(TXMLMaker& Maker);
  static void WriteItem(const TRepositoryItem& Item, TXMLMaker& Maker);
  static void WriteLeaf(TRepositoryType Type, QStringView Name, const TRepositoryValue& Value,
                        TXMLMaker& Maker);
  // A string's or memo's leaf line.
  static void WriteText(TRepositoryType Type, QStringView Name, QStringView Text, TXMLMaker& Maker);
  static void OpenBranch(TRepositoryType Type, QStringView Name, TXMLMaker& Maker);
  static void CloseBranch(TRepositoryType Type, TXMLMaker& Maker);
  // Date-time values are written in this one form, whatever the machine's locale.
  static QString DateTimeText(const QDateTime& Value);
  static const QString DateTimeFormat;
};
