#pragma once
// The box of one table: a caption, optionally its attribute rows (name, property, key
// flag), a corner mark for the kind of entity and a toggle box that folds the rows away.
// It sizes itself to its contents.

#include "diagram/Attributes.h"
#include "diagram/Rectangle.h"

#include <QString>
#include <memory>

namespace Morvik {
class TTable;
}
namespace ui {
class TImageList;
}

enum class TEntityType {
  etNone,
  etKernel,
  etCharacteric,
  etAssociative
};

class TEntity : public TRectangle {
public:
  // Layout metrics at 100 % zoom.
  static constexpr int DefToggleSize = 10;
  static constexpr int DefMargin = 20;
  static constexpr int DefExtraHeight = 14;
  static constexpr int DefMinWidth = 50;
  static constexpr int DefMinHeight = 35;

  explicit TEntity(ui::TComponent* Owner);
  TDiagramKind DiagramKind() const override { return TDiagramKind::Entity; }
  // An entity that sizes itself to its contents is not resized by hand.
  bool CanResize() const override { return !FAutoSize; }
  ~TEntity() override;

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool DrawAll() const { return FDrawAll; }
  void SetDrawAll(bool Value);
  bool DrawProperty() const { return FDrawProperty; }
  void SetDrawProperty(bool Value);
  TEntityType EntityType() const { return FEntityType; }
  void SetEntityType(TEntityType Value);
  // The owned rows; any change of them re-sizes the entity.
  TAttributes* Attributes() const { return FAttributes.get(); }
  // Icons of key rows (not owned); forgotten when the list is removed.
  ui::TImageList* Images() const { return FImages; }
  void SetImages(ui::TImageList* Value);

  // The bound table of the plug-in model (owned by the model), or null.
  Morvik::TTable* Table() const { return FTable; }
  void SetTable(Morvik::TTable* Value) { FTable = Value; }
  // Created by reverse engineering and not yet placed.
  // The plug-in has removed the table already: deleting the entity leaves it alone.
  bool TableDropped() const { return FTableDropped; }
  void SetTableDropped(bool Value) { FTableDropped = Value; }
  bool IsNew() const { return FIsNew; }
  void SetIsNew(bool Value) { FIsNew = Value; }

  int Delta() const { return FDelta; }
  ui::TPoint ClickPoint() const { return FClickPoint; }
  int ToggleSize() const { return FToggleSize; }
  int Margin() const { return FMargin; }
  int ExtraHeight() const { return FExtraHeight; }
  int MinWidth() const override { return FMinWidth; }
  int MinHeight() const override { return FMinHeight; }

  // Takes the size the contents need (with AutoSize), never below the minimum; repaints
  // when Repaint is set or AutoSize is off.
  void SetSize(bool Repaint);
  // The size the contents need.
  void CountNewWidthAndHeight(int& AWidth, int& AHeight);
  // Text row height: height of "XyŠ" in the entity's font plus 2.
  void CountNewDelta();
  // Index of the first row named Name (exact comparison), or -1.
  int GetAttributeIndex(const QString& Name) const;
  // Handles a click at (X, Y) as if the mouse had been pressed and released there.
  void CustomClick(int X, int Y);

  void Loaded() override;
  void RepaintRequest(ui::TObject* Sender) override;
  void FontChanged(ui::TObject* Sender) override;
  void MyMoveAndResize(ui::TObject* Sender) override;
  void MyOnChangeAttributes(ui::TObject* Sender);
  void ChangeScale(int M, int D) override;
  void AdjustScaling(const int FontSize) override;
  void PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY, const int X,
                              const int Y, ui::TCanvas* Canvas) override;

protected:
  void Paint() override;
  void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
  void Click() override;
  void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
  // Stores a changed value and re-sizes the entity (see SetSize).
  template <typename T>
  void Store(T& Field, const T& Value, bool Repaint);
  // The attribute rows from FirstY down, Delta apart: key rows bold with their icon of
  // IconWidth x IconHeight at IconX, names at NameX and, with DrawProperty, the properties Gap
  // right of the widest name.
  void DrawRows(ui::TCanvas* C, int IconX, int IconWidth, int IconHeight, int NameX, int FirstY, int Delta,
                int Gap);
  void DrawCornerMark(ui::TCanvas* C);
  void DrawToggleBox(ui::TCanvas* C);

  QString FCaption;
  bool FAutoSize = true;
  bool FDrawAll = true;
  bool FDrawProperty = true;
  TEntityType FEntityType = TEntityType::etNone;
  std::unique_ptr<TAttributes> FAttributes;
  ui::TImageList* FImages = nullptr;
  Morvik::TTable* FTable = nullptr;
  bool FIsNew = false;
  bool FTableDropped = false;
  int FDelta = 0;
  ui::TPoint FClickPoint;
  int FToggleSize = DefToggleSize;
  int FMargin = DefMargin;
  int FExtraHeight = DefExtraHeight;
  int FMinWidth = DefMinWidth;
  int FMinHeight = DefMinHeight;
};
