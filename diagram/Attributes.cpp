#include "diagram/Attributes.h"

#include "diagram/Errors.h"
#include "ui/Windows1250.h"

#include <QIODevice>
#include <QtEndian>

namespace {

constexpr int geAttributStreamCorrupt = 11;
constexpr const char* gaAttributStreamCorrupt = "Data atributů jsou poškozená.";

[[noreturn]] void StreamCorrupt() {
  RaiseDiagramError(geAttributStreamCorrupt, emDiagram, QString::fromUtf8(gaAttributStreamCorrupt));
}

void WriteInt(QIODevice& Stream, int32_t Value) {
  char bytes[4];
  qToLittleEndian<qint32>(Value, bytes);
  Stream.write(bytes, 4);
}

void WriteText(QIODevice& Stream, const QString& Text) {
  const QByteArray bytes = Windows1250::Encode(Text);
  WriteInt(Stream, static_cast<int32_t>(bytes.size()));
  Stream.write(bytes);
}

// Reads from the device while keeping count of what is left of it.
class TStreamReader {
public:
  explicit TStreamReader(QIODevice& Stream)
      : FStream(Stream),
        FLeft(Stream.isSequential() ? Stream.bytesAvailable() : Stream.size() - Stream.pos()) {}

  qint64 Left() const { return FLeft; }

  int32_t ReadInt() {
    if (FLeft < 4) StreamCorrupt();
    char bytes[4];
    if (FStream.read(bytes, 4) != 4) StreamCorrupt();
    FLeft -= 4;
    return qFromLittleEndian<qint32>(bytes);
  }

  QString ReadText() {
    const int32_t length = ReadInt();
    if (length < 0 || length > FLeft) StreamCorrupt();
    const QByteArray bytes = FStream.read(length);
    if (bytes.size() != length) StreamCorrupt();
    FLeft -= length;
    return Windows1250::Decode(bytes);
  }

private:
  QIODevice& FStream;
  qint64 FLeft;
};

} // namespace

void TAttributes::Add(const QString& Name, const QString& Property, int32_t Value) {
  for (const TAttributeRecord& r : FItems)
    if (r.Name == Name)
      RaiseDiagramError(geAttributAlreadyExists, emDiagram, QString::fromLatin1(gaAttributAlreadyExists));
  FItems.push_back(TAttributeRecord{Name, Value, Property});
  Change();
}

TAttributeRecord TAttributes::GetAttribute(int Index) const {
  if (Index < 0 || Index >= Count())
    RaiseDiagramError(geAttributIndexOutOfBound, emDiagram, QString::fromLatin1(gaAttributIndexOutOfBound));
  return FItems[static_cast<size_t>(Index)];
}

void TAttributes::DeleteAll() {
  FItems.clear();
  Change();
}

void TAttributes::EndUpdate() {
  FNotify = true;
  Change();
}

void TAttributes::Change() {
  if (OnChange && FNotify) OnChange(this);
}

void TAttributes::SaveToStream(QIODevice& Stream) const {
  WriteInt(Stream, static_cast<int32_t>(FItems.size()));
  for (const TAttributeRecord& r : FItems) {
    WriteText(Stream, r.Name);
    WriteText(Stream, r.Property);
    WriteInt(Stream, r.Value);
  }
}

void TAttributes::LoadFromStream(QIODevice& Stream) {
  TStreamReader reader(Stream);
  const int32_t count = reader.ReadInt();
  // Every row takes at least its three 4-byte fields.
  if (count < 0 || static_cast<qint64>(count) * 12 > reader.Left()) StreamCorrupt();
  TAttributesArray rows;
  rows.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    TAttributeRecord r;
    r.Name = reader.ReadText();
    r.Property = reader.ReadText();
    r.Value = reader.ReadInt();
    rows.push_back(std::move(r));
  }
  FItems = std::move(rows);
}
