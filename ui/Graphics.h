#pragma once
// Pen, brush and font: drawing attributes that tell their owner when they change.
// A setter that stores the value already held notifies nothing; Assign notifies at most once.

#include "ui/Color.h"
#include "ui/Types.h"

#include <QFont>
#include <QString>

namespace ui {

// An object whose attributes can be copied from another of its kind.
class TPersistent : public TObject {
public:
  // Copies the attributes of Source; throws Exception when the kinds do not match.
  virtual void Assign(const TPersistent* Source);
};

class TGraphicsObject : public TPersistent {
public:
  TNotifyEvent OnChange;

protected:
  void Changed();
  // Stores a setter's value; true when it differs from the one held (and so must be told).
  template <typename T>
  static bool Store(T& Field, const T& Value) {
    if (Value == Field) return false;
    Field = Value;
    return true;
  }
};

enum class TPenStyle {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear
};
// Copy draws the pen colour; Xor combines it with the pixels; Not inverts them.
enum class TPenMode {
  pmCopy,
  pmXor,
  pmNot
};
enum class TBrushStyle {
  bsSolid,
  bsClear
};

class TPen : public TGraphicsObject {
public:
  // Widths outside 0..MaxWidth (from a file, say) are clamped to that range.
  static constexpr int MaxWidth = 1000;

  TColor Color() const { return FColor; }
  int Width() const { return FWidth; }
  TPenStyle Style() const { return FStyle; }
  TPenMode Mode() const { return FMode; }
  void SetColor(TColor Value);
  void SetWidth(int Value);
  void SetStyle(TPenStyle Value);
  void SetMode(TPenMode Value);
  void Assign(const TPersistent* Source) override;
  bool operator==(const TPen& Other) const;

private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = TPenStyle::psSolid;
  TPenMode FMode = TPenMode::pmCopy;
};

class TBrush : public TGraphicsObject {
public:
  TColor Color() const { return FColor; }
  TBrushStyle Style() const { return FStyle; }
  void SetColor(TColor Value);
  void SetStyle(TBrushStyle Value);
  void Assign(const TPersistent* Source) override;
  bool operator==(const TBrush& Other) const;

private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
};

enum TFontStyle : unsigned {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8
};
using TFontStyles = unsigned;

// Font with the size in points and the height in pixels (negative: character height
// without internal leading), related through PixelsPerInch (96). Text is drawn with a
// pixel-sized font of |Height| pixels, the same on screen, in images and on printers.
class TFont : public TGraphicsObject {
public:
  static constexpr int PixelsPerInch = 96;
  // Heights are kept within -MaxHeight..MaxHeight pixels and sizes within -MaxSize..MaxSize
  // points; values beyond (from a file, say) are clamped.
  static constexpr int MaxHeight = 10000;
  static constexpr int MaxSize = MaxHeight * 72 / PixelsPerInch;

  const QString& Name() const { return FName; }
  int Height() const { return FHeight; }
  int Size() const;
  TColor Color() const { return FColor; }
  int Charset() const { return FCharset; }
  TFontStyles Style() const { return FStyle; }

  void SetName(const QString& Value);
  void SetHeight(int Value);
  void SetSize(int Value);
  void SetColor(TColor Value);
  void SetCharset(int Value);
  void SetStyle(TFontStyles Value);
  void Assign(const TPersistent* Source) override;
  bool operator==(const TFont& Other) const;

  // The Qt font for these attributes (built on demand and kept until a change).
  const QFont& ToQFont() const;

private:
  void FontChanged();

  QString FName = QStringLiteral("MS Sans Serif");
  int FHeight = -11;
  TColor FColor = clWindowText;
  int FCharset = 1;
  TFontStyles FStyle = 0;
  mutable QFont FQFont;
  mutable bool FQFontValid = false;
};

// The font a font dialog starts from (name, points, style), and the choice written back.
QFont ToDialogFont(const TFont* Font);
void FromDialogFont(const QFont& F, TFont* Font);

} // namespace ui
