#pragma once
// The attribute rows of an entity box and their binary stream form ("ValuesOfAttrs"):
// a 32-bit little-endian row count, then per row the name length and name bytes, the
// property length and property bytes (Windows-1250, no terminator) and the 32-bit value.

#include "ui/Graphics.h"
#include "ui/Types.h"

#include <QString>
#include <cstdint>
#include <vector>

class QIODevice;

struct TAttributeRecord {
  QString Name;
  int32_t Value = 0; // 0 ordinary attribute; n > 0 key attribute drawn bold with icon n - 1
  QString Property;
  friend bool operator==(const TAttributeRecord&, const TAttributeRecord&) = default;
};

using TAttributesArray = std::vector<TAttributeRecord>;

class TAttributes : public ui::TPersistent {
public:
  // Appends a row; a row of the same name (exact comparison) raises error 8.
  void Add(const QString& Name, const QString& Property, int32_t Value);
  // A copy of row Index; raises error 7 outside 0..Count-1.
  TAttributeRecord GetAttribute(int Index) const;
  int Count() const { return static_cast<int>(FItems.size()); }
  const TAttributesArray& Items() const { return FItems; }
  void DeleteAll();
  // Notifications are held from BeginUpdate until EndUpdate (not counted).
  void BeginUpdate() { FNotify = false; }
  void EndUpdate();
  // Calls OnChange when it is set and notifications are not held.
  void Change();

  // Writes the stream form.
  void SaveToStream(QIODevice& Stream) const;
  // Replaces the rows by those of the stream form (without OnChange). Every count and
  // length is checked against the bytes that remain: a short or corrupt stream raises
  // EMorvikError and leaves the rows as they were.
  void LoadFromStream(QIODevice& Stream);
  void WriteData(QIODevice& Stream) const { SaveToStream(Stream); }
  void ReadData(QIODevice& Stream) { LoadFromStream(Stream); }

  ui::TNotifyEvent OnChange;

private:
  TAttributesArray FItems;
  bool FNotify = true;
};
