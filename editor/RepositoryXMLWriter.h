#pragma once
// Writes a store's tree into a TXMLMaker: the root element "repository", one start and end
// line per branch, one line per leaf.

#include <QDateTime>
#include <QString>

class TRepositoryList;
class TRepositoryItem;
class TXMLMaker;

class TRepositoryXMLWriter {
public:
  static void Write(const TRepositoryList& Root, TXMLMaker& Maker);
  // Date-time values are written in this one form, whatever the machine's locale.
  static QString DateTimeText(const QDateTime& Value);
  static const QString DateTimeFormat;

private:
  static void WriteItem(const TRepositoryItem& Item, TXMLMaker& Maker);
};
