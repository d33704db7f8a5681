#include "app/frmDesignSetting.h"

#include "app/DesignSettingTarget.h"
#include "app/frmDateTimeSetting.h"
#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/CreateComp.h"
#include "ui/Desktop.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <exception>

namespace {

// Items of the element list and the buttons that act on each.
enum TItem {
  itDesktop,
  itEntity,
  itNote,
  itProjectInfo,
  itEntryPoint,
  itRelation,
  itTextLabel,
  itFreeTextLabel
};

struct TItemButtons {
  const char* Caption;
  bool Font, Effect3D, Brush, Pen, TimeFormat;
};

const TItemButtons Items[] = {
    {"Plocha", false, false, true, true, false},        {"Entita", true, true, true, false, false},
    {"Poznámka", true, true, true, false, false},       {"Razítko", true, true, true, false, true},
    {"Vstupní bod", false, false, true, true, false},   {"Relace (šipka)", false, false, true, true, false},
    {"Popiska relace", true, false, true, true, false}, {"Text", true, false, true, true, false},
};

QPushButton* MakeButton(QWidget* Parent, const char* Name, const QString& Text) {
  auto* b = new QPushButton(Text, Parent);
  b->setObjectName(QString::fromLatin1(Name));
  return b;
}

// The edits of one desktop size: a caption, then width "x" height and the unit, in rows of
// Grid from Row on. The caption is the buddy of the width edit.
QLabel* AddSizeRow(QGridLayout* Grid, int Row, const QString& Caption, QLineEdit* Width, QLineEdit* Height,
                   const QString& Unit) {
  QWidget* parent = Grid->parentWidget();
  auto* caption = new QLabel(Caption, parent);
  caption->setBuddy(Width);
  Grid->addWidget(caption, Row, 0, 1, 5);
  for (QLineEdit* e : {Width, Height}) e->setFixedWidth(50);
  Grid->addWidget(Width, Row + 1, 0);
  Grid->addWidget(new QLabel(QStringLiteral("x"), parent), Row + 1, 1);
  Grid->addWidget(Height, Row + 1, 2);
  Grid->addWidget(new QLabel(Unit, parent), Row + 1, 3);
  return caption;
}

QLineEdit* MakeEdit(QWidget* Parent, const char* Name) {
  auto* e = new QLineEdit(Parent);
  e->setObjectName(QString::fromLatin1(Name));
  return e;
}

ui::TFont* FontOf(TMorvikGraphic* Sample) {
  if (auto* r = dynamic_cast<TRectangle*>(Sample)) return r->Font();
  return nullptr;
}

int PositiveNumber(const QLineEdit* Edit) {
  bool ok = false;
  const int v = Edit->text().toInt(&ok);
  return ok && v > 0 ? v : 0;
}

} // namespace

TfrmDesignSetting::TfrmDesignSetting(QWidget* Parent)
    : TfrmAbstractDialog(Parent), FSamples(std::make_unique<TDesignSamples>()) {
  TDesignSamples::SetCurrent(FSamples.get());
  setObjectName(QStringLiteral("frmDesignSetting"));
  setWindowTitle(QStringLiteral("Nastavení"));

  pgcOptions = new QTabWidget(Content());
  pgcOptions->setObjectName(QStringLiteral("pgcOptions"));
  auto* content = new QVBoxLayout(Content());
  content->setContentsMargins(0, 0, 0, 0);
  content->addWidget(pgcOptions);
  tsComponents = new QWidget;
  tsDesktop = new QWidget;
  pgcOptions->addTab(tsComponents, QStringLiteral("Komponenty"));
  pgcOptions->addTab(tsDesktop, QStringLiteral("Pracovní plocha"));

  // Page "Komponenty": the list and the buttons on the left, the preview on the right.
  lbxComponents = new QListWidget(tsComponents);
  lbxComponents->setObjectName(QStringLiteral("lbxComponents"));
  for (const TItemButtons& item : Items) lbxComponents->addItem(QString::fromUtf8(item.Caption));
  btnFont = MakeButton(tsComponents, "btnFont", QStringLiteral("&Font"));
  btnBrushColor = MakeButton(tsComponents, "btnBrushColor", QStringLiteral("Barva &výplně"));
  btnPenColor = MakeButton(tsComponents, "btnPenColor", QStringLiteral("Barva o&brysů"));
  chbx3D = new QCheckBox(QStringLiteral("&3D styl"), tsComponents);
  chbx3D->setObjectName(QStringLiteral("chbx3D"));
  btnDefault = MakeButton(tsComponents, "btnDefault", QStringLiteral("Původní &nastavení"));
  pnExample = new QWidget(tsComponents);
  pnExample->setObjectName(QStringLiteral("pnExample"));
  pnExample->setFixedSize(225, 200);
  pbDesktop = new ui::TDesktop(pnExample);
  pbDesktop->setGeometry(0, 0, 225, 200);
  lFontName = new QLabel(tsComponents);
  lFontName->setObjectName(QStringLiteral("lFontName"));
  btnDTSetting = MakeButton(tsComponents, "btnDTSetting", QStringLiteral("Formát času"));
  chbxCreateLabel = new QCheckBox(QStringLiteral("Vytvářet popisky"), tsComponents);
  chbxCreateLabel->setObjectName(QStringLiteral("chbxCreateLabel"));
  chbxCreateLabel->setVisible(false);
  chbxCreateLabel->setChecked(FSamples->CreateLabel());

  auto* left = new QVBoxLayout;
  left->addWidget(lbxComponents, 1);
  for (QWidget* w : std::initializer_list<QWidget*>{btnFont, btnBrushColor, btnPenColor, chbx3D, btnDefault})
    left->addWidget(w);
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(lFontName, 1);
  fontRow->addWidget(btnDTSetting);
  auto* right = new QVBoxLayout;
  right->addWidget(pnExample);
  right->addLayout(fontRow);
  right->addWidget(chbxCreateLabel);
  right->addStretch(1);
  auto* components = new QHBoxLayout(tsComponents);
  components->setContentsMargins(8, 8, 8, 8);
  components->addLayout(left);
  components->addLayout(right);

  // Page "Pracovní plocha": the default size and the current schema's size.
  auto* grbDef = new QGroupBox(QStringLiteral(" Výchozí velikost pracovní plochy: "), tsDesktop);
  auto* def = new QGridLayout(grbDef);
  edDefDesktopWPag = MakeEdit(grbDef, "edDefDesktopWPag");
  edDefDesktopHPag = MakeEdit(grbDef, "edDefDesktopHPag");
  edDefDesktopWPix = MakeEdit(grbDef, "edDefDesktopWPix");
  edDefDesktopHPix = MakeEdit(grbDef, "edDefDesktopHPix");
  AddSizeRow(def, 0, QStringLiteral("Pokud je zadaná tiskárna:"), edDefDesktopWPag, edDefDesktopHPag,
             QStringLiteral("stránek"));
  AddSizeRow(def, 2, QStringLiteral("Není-li zadaná tiskárna (neznám velikost stránky):"), edDefDesktopWPix,
             edDefDesktopHPix, QStringLiteral("pixelů"));
  def->setColumnStretch(4, 1);

  grbActDesktopSize = new QGroupBox(QStringLiteral(" Aktuální velikost pracovní plochy: "), tsDesktop);
  grbActDesktopSize->setObjectName(QStringLiteral("grbActDesktopSize"));
  auto* act = new QGridLayout(grbActDesktopSize);
  edActDesktopWPag = MakeEdit(grbActDesktopSize, "edActDesktopWPag");
  edActDesktopHPag = MakeEdit(grbActDesktopSize, "edActDesktopHPag");
  edActDesktopWPix = MakeEdit(grbActDesktopSize, "edActDesktopWPix");
  edActDesktopHPix = MakeEdit(grbActDesktopSize, "edActDesktopHPix");
  lActPagCaption = AddSizeRow(act, 0, QStringLiteral("Pokud je zadaná tiskárna:"), edActDesktopWPag,
                              edActDesktopHPag, QStringLiteral("stránek"));
  lActPixCaption = AddSizeRow(act, 2, QStringLiteral("Není-li zadaná tiskárna (neznám velikost stránky):"),
                              edActDesktopWPix, edActDesktopHPix, QStringLiteral("pixelů"));
  auto* pageRow = new QHBoxLayout;
  pageRow->addWidget(new QLabel(QStringLiteral("Velikost stránky:"), grbActDesktopSize));
  lPageSize = new QLabel(grbActDesktopSize);
  lPageSize->setObjectName(QStringLiteral("lPageSize"));
  pageRow->addWidget(lPageSize, 1);
  act->addLayout(pageRow, 4, 0, 1, 5);
  act->setColumnStretch(4, 1);

  auto* desktop = new QVBoxLayout(tsDesktop);
  desktop->setContentsMargins(8, 8, 8, 8);
  desktop->addWidget(grbDef);
  desktop->addWidget(grbActDesktopSize);
  desktop->addStretch(1);

  btnApply = AddButton(QStringLiteral("&Použít"), "btnApply");
  SetFirstFocus(lbxComponents);
  SetDialogSize(393, 391);

  cdBrushColor = new QColorDialog(this);
  cdPenColor = new QColorDialog(this);
  fdFont = new QFontDialog(this);
  fdFont->setOption(QFontDialog::ScalableFonts);

  // The samples live on the preview; the relation runs between two hidden boxes.
  FRelationBase = new TRectangle(pbDesktop);
  FRelationTarget = new TRectangle(pbDesktop);
  for (TRectangle* box : {FRelationBase, FRelationTarget}) {
    box->SetVisible(false);
    box->SetParent(pbDesktop);
  }
  TDesignSamples& s = *FSamples;
  for (TMorvikGraphic* sample : s.DefSamples()) {
    sample->SetVisible(false);
    sample->SetParent(pbDesktop);
  }
  s.DefEntity->SetCaption(QStringLiteral("Osoba"));
  FillSampleEntity(s.DefEntity);
  s.DefEntity->SetImages(DesignImages());
  s.DefNote->SetAutoSize(true);
  s.DefNote->SetLines({QStringLiteral("Toto je pouze"), QStringLiteral("ukázková poznámka"), QString(),
                       QStringLiteral("Můžete zde nastavit"), QStringLiteral("její vlastnosti.")});
  s.DefProjectInfo->SetProject(QStringLiteral("Firemní IS"));
  s.DefProjectInfo->SetVersion(QStringLiteral("1.1.1.0"));
  s.DefProjectInfo->SetModel(QStringLiteral("1.0"));
  s.DefProjectInfo->SetSubModel(QStringLiteral("5"));
  s.DefProjectInfo->SetDBServer(QStringLiteral("Oracle"));
  s.DefProjectInfo->SetAuthor(QStringLiteral("Jan Novák"));
  s.DefProjectInfo->SetFirm(QStringLiteral("Firma s.r.o."));
  s.DefTextLabel->SetCaption(QStringLiteral("Popiska"));
  s.DefFreeTextLabel->SetCaption(QStringLiteral("Text"));
  FRelationBase->SetBounds(40, 80, 40, 40);
  FRelationTarget->SetBounds(145, 80, 40, 40);
  s.DefRelation->SetBase(FRelationBase);
  s.DefRelation->SetTarget(FRelationTarget);
  s.DefRelation->CenterAnchorsInEntities();
  pbDesktop->SetColor(s.DesktopColor);
  EditsFromSamples();

  GuardedConnect(lbxComponents, &QListWidget::currentRowChanged, [this] { lbxComponentsClick(); });
  GuardedConnect(btnFont, &QPushButton::clicked, [this] { btnFontClick(); });
  GuardedConnect(btnBrushColor, &QPushButton::clicked, [this] { btnBrushColorClick(); });
  GuardedConnect(btnPenColor, &QPushButton::clicked, [this] { btnPenColorClick(); });
  GuardedConnect(chbx3D, &QCheckBox::clicked, [this] { chbx3DClick(); });
  GuardedConnect(btnDTSetting, &QPushButton::clicked, [this] { btnDTSettingClick(); });
  GuardedConnect(btnDefault, &QPushButton::clicked, [this] { btnDefaultClick(); });
  GuardedConnect(btnApply, &QPushButton::clicked, [this] { Apply(); });
  GuardedConnect(pgcOptions, &QTabWidget::currentChanged, [this] { pgcOptionsChange(); });
  GuardedConnect(chbxCreateLabel, &QCheckBox::toggled, [this](bool On) { FSamples->SetCreateLabel(On); });
  for (QLineEdit* e : {edDefDesktopWPag, edDefDesktopHPag, edDefDesktopWPix, edDefDesktopHPix,
                       edActDesktopWPag, edActDesktopHPag, edActDesktopWPix, edActDesktopHPix})
    GuardedConnect(e, &QLineEdit::textChanged, [this, e] { FilterDigits(e); });
  GuardedConnect(edDefDesktopWPag, &QLineEdit::textChanged,
                 [this] { FSamples->DesktopWPag = edDefDesktopWPag->text(); });
  GuardedConnect(edDefDesktopHPag, &QLineEdit::textChanged,
                 [this] { FSamples->DesktopHPag = edDefDesktopHPag->text(); });
  GuardedConnect(edDefDesktopWPix, &QLineEdit::textChanged,
                 [this] { FSamples->DesktopWPix = edDefDesktopWPix->text(); });
  GuardedConnect(edDefDesktopHPix, &QLineEdit::textChanged,
                 [this] { FSamples->DesktopHPix = edDefDesktopHPix->text(); });
}

TfrmDesignSetting::~TfrmDesignSetting() {
  if (TDesignSamples::Current() == FSamples.get()) TDesignSamples::SetCurrent(nullptr);
}

void TfrmDesignSetting::FillSampleEntity(TEntity* Entity) {
  TAttributes* a = Entity->Attributes();
  a->BeginUpdate();
  a->DeleteAll();
  a->Add(QStringLiteral("ID"), QStringLiteral("NUMBER"), 1);
  a->Add(QStringLiteral("Jmeno"), QStringLiteral("VARCHAR (40)"), 0);
  a->Add(QStringLiteral("Prijmeni"), QStringLiteral("VARCHAR (100)"), 0);
  a->EndUpdate();
}

void TfrmDesignSetting::EditsFromSamples() {
  edDefDesktopWPag->setText(FSamples->DesktopWPag);
  edDefDesktopHPag->setText(FSamples->DesktopHPag);
  edDefDesktopWPix->setText(FSamples->DesktopWPix);
  edDefDesktopHPix->setText(FSamples->DesktopHPix);
  chbxCreateLabel->setChecked(FSamples->CreateLabel());
  pbDesktop->SetColor(FSamples->DesktopColor);
}

void TfrmDesignSetting::WriteSettings(TIniFile& IniFile, const QString& Section) const {
  FSamples->WriteSettings(IniFile, Section);
}

void TfrmDesignSetting::ReadSettings(const TIniFile& IniFile, const QString& Section) {
  FSamples->ReadSettings(IniFile, Section);
  EditsFromSamples();
  if (lbxComponents->currentRow() >= 0) lbxComponentsClick();
}

int TfrmDesignSetting::Execute(TDesignSettingTarget* Design) {
  FDesign = Design;
  const int result = exec();
  FDesign = nullptr; // the schema window may close before the next opening
  return result;
}

void TfrmDesignSetting::showEvent(QShowEvent* Event) {
  TfrmAbstractDialog::showEvent(Event);
  ui::Guarded([this] { FormActivate(); }, windowTitle());
}

void TfrmDesignSetting::FormActivate() {
  // The key icons' list may be registered after this window was made.
  FSamples->DefEntity->SetImages(DesignImages());
  if (lbxComponents->currentRow() < 0) lbxComponents->setCurrentRow(0);
  lbxComponentsClick();
  FSamples->SaveOld();
  pgcOptions->setCurrentWidget(tsComponents);
  FDesktopPageVisited = false;
  if (FDesign) {
    int wPag = 0, hPag = 0, wPix = 0, hPix = 0;
    FDesign->GetDesktopSize(wPag, hPag, wPix, hPix);
    edActDesktopWPag->setText(QString::number(wPag));
    edActDesktopHPag->setText(QString::number(hPag));
    edActDesktopWPix->setText(QString::number(wPix));
    edActDesktopHPix->setText(QString::number(hPix));
  }
}

TMorvikGraphic* TfrmDesignSetting::CurrentSample() const {
  // The list shows the desktop first, then the samples in their set's order.
  const int row = lbxComponents->currentRow();
  if (row < itEntity || row > itFreeTextLabel) return nullptr;
  return FSamples->DefSamples()[row - itEntity];
}

void TfrmDesignSetting::CenterSample() {
  TMorvikGraphic* sample = CurrentSample();
  if (!sample) {
    pbDesktop->update();
    return;
  }
  const int w = pnExample->width(), h = pnExample->height();
  if (sample == FSamples->DefRelation) {
    // The relation is placed through its two boxes.
    FRelationBase->SetBounds(w / 2 - 70, (h - 40) / 2, 40, 40);
    FRelationTarget->SetBounds(w / 2 + 30, (h - 40) / 2, 40, 40);
    FSamples->DefRelation->CenterAnchorsInEntities();
  } else {
    sample->SetBounds((w - sample->Width()) / 2, (h - sample->Height()) / 2, sample->Width(),
                      sample->Height());
  }
  pbDesktop->update();
}

void TfrmDesignSetting::UpdateFontName() {
  TMorvikGraphic* sample = CurrentSample();
  ui::TFont* font = FontOf(sample);
  if (btnFont->isEnabled() && font) {
    lFontName->setText(font->Name() + QStringLiteral(", ") + QString::number(font->Size()));
    lFontName->setVisible(true);
  } else {
    lFontName->setVisible(false);
  }
}

void TfrmDesignSetting::lbxComponentsClick() {
  const int row = lbxComponents->currentRow();
  if (row < 0) return;
  const TDesignSamples& s = *FSamples;
  for (TMorvikGraphic* sample : s.DefSamples()) sample->SetVisible(false);
  TMorvikGraphic* sample = CurrentSample();
  if (sample) {
    sample->SetVisible(true);
    CenterSample();
  }
  const TItemButtons& item = Items[row];
  btnFont->setEnabled(item.Font);
  chbx3D->setEnabled(item.Effect3D);
  btnBrushColor->setEnabled(item.Brush);
  btnPenColor->setEnabled(item.Pen);
  btnDTSetting->setEnabled(item.TimeFormat);
  chbx3D->setChecked(sample && sample->Effect3D());
  if (sample) {
    cdBrushColor->setCurrentColor(ui::ColorToQColor(sample->Brush()->Color()));
    cdPenColor->setCurrentColor(ui::ColorToQColor(sample->Pen()->Color()));
  } else {
    cdBrushColor->setCurrentColor(ui::ColorToQColor(s.DesktopColor));
    cdPenColor->setCurrentColor(ui::ColorToQColor(s.DesktopLineColor));
  }
  if (ui::TFont* font = FontOf(sample)) fdFont->setCurrentFont(ui::ToDialogFont(font));
  UpdateFontName();
  pbDesktop->update();
}

void TfrmDesignSetting::btnFontClick() {
  ui::TFont* font = FontOf(CurrentSample());
  if (!font) return;
  fdFont->setCurrentFont(ui::ToDialogFont(font));
  if (fdFont->exec() != QDialog::Accepted) return;
  ui::FromDialogFont(fdFont->selectedFont(), font);
  UpdateFontName();
  CenterSample();
}

void TfrmDesignSetting::btnBrushColorClick() {
  TMorvikGraphic* sample = CurrentSample();
  if (cdBrushColor->exec() != QDialog::Accepted) return;
  const ui::TColor c = ui::QColorToColor(cdBrushColor->selectedColor());
  if (sample) {
    sample->Brush()->SetColor(c);
  } else {
    FSamples->DesktopColor = c;
    pbDesktop->SetColor(c);
  }
  pbDesktop->update();
}

void TfrmDesignSetting::btnPenColorClick() {
  TMorvikGraphic* sample = CurrentSample();
  if (cdPenColor->exec() != QDialog::Accepted) return;
  const ui::TColor c = ui::QColorToColor(cdPenColor->selectedColor());
  if (sample)
    sample->Pen()->SetColor(c);
  else
    FSamples->DesktopLineColor = c;
  pbDesktop->update();
}

void TfrmDesignSetting::chbx3DClick() {
  if (TMorvikGraphic* sample = CurrentSample()) sample->SetEffect3D(chbx3D->isChecked());
  pbDesktop->update();
}

void TfrmDesignSetting::btnDTSettingClick() {
  TfrmDateTimeSetting dialog(this);
  QString format = FSamples->DefProjectInfo->FormatStr();
  if (dialog.Execute(format)) FSamples->DefProjectInfo->SetFormatStr(format);
  CenterSample();
}

void TfrmDesignSetting::btnDefaultClick() {
  FSamples->ResetToInit();
  chbxCreateLabel->setChecked(FSamples->CreateLabel());
  pbDesktop->SetColor(FSamples->DesktopColor);
  lbxComponentsClick();
}

void TfrmDesignSetting::pgcOptionsChange() {
  if (pgcOptions->currentWidget() != tsDesktop) return;
  FDesktopPageVisited = true;
  const bool withDesign = FDesign != nullptr;
  grbActDesktopSize->setEnabled(withDesign);
  const QSize page = PrinterPageSize ? PrinterPageSize() : QSize();
  const bool pageKnown = page.width() > 0 && page.height() > 0;
  if (pageKnown)
    lPageSize->setText(QString::number(page.width()) + QStringLiteral(" x ") +
                       QString::number(page.height()) + QStringLiteral(" pixelů"));
  else
    lPageSize->setText(QStringLiteral("Tiskárna nebyla detekována"));
  const bool pages = withDesign && pageKnown;
  const bool pixels = withDesign && !pageKnown;
  for (QWidget* w : std::initializer_list<QWidget*>{lActPagCaption, edActDesktopWPag, edActDesktopHPag})
    w->setEnabled(pages);
  for (QWidget* w : std::initializer_list<QWidget*>{lActPixCaption, edActDesktopWPix, edActDesktopHPix})
    w->setEnabled(pixels);
}

void TfrmDesignSetting::FilterDigits(QLineEdit* Edit) {
  const QString text = Edit->text();
  QString digits;
  for (QChar c : text)
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) digits += c;
  if (digits == text) return;
  const int caret = Edit->cursorPosition();
  Edit->setText(digits);
  Edit->setCursorPosition(qMin(caret, static_cast<int>(digits.size())));
}

bool TfrmDesignSetting::SizesValid() {
  std::vector<const QLineEdit*> edits = {edDefDesktopWPag, edDefDesktopHPag, edDefDesktopWPix,
                                         edDefDesktopHPix};
  if (FDesktopPageVisited && FDesign) {
    if (edActDesktopWPag->isEnabled())
      edits.insert(edits.end(), {edActDesktopWPag, edActDesktopHPag});
    else
      edits.insert(edits.end(), {edActDesktopWPix, edActDesktopHPix});
  }
  for (const QLineEdit* e : edits) {
    if (PositiveNumber(e) == 0) {
      MB(QStringLiteral("Velikost pracovní plochy musí být kladné číslo."), QStringLiteral("Chybná velikost"),
         mtError, MsgButtons({mbOK}));
      return false;
    }
  }
  return true;
}

bool TfrmDesignSetting::Apply() {
  if (!SizesValid()) return false;
  for (TDesignSettingTarget* design : OpenDesigns ? OpenDesigns() : std::vector<TDesignSettingTarget*>())
    if (design) FSamples->ApplyTo(design->DesignDesktop(), design->DesignZoom());
  FSamples->SaveOld();
  if (FDesktopPageVisited && FDesign) {
    int wPag = 0, hPag = 0, wPix = 0, hPix = 0;
    if (edActDesktopWPag->isEnabled()) {
      const QSize page = PrinterPageSize ? PrinterPageSize() : QSize();
      wPag = PositiveNumber(edActDesktopWPag);
      hPag = PositiveNumber(edActDesktopHPag);
      wPix = wPag * page.width();
      hPix = hPag * page.height();
    } else {
      wPix = PositiveNumber(edActDesktopWPix);
      hPix = PositiveNumber(edActDesktopHPix);
    }
    if (FDesign->SetDesktopSize(wPag, hPag, wPix, hPix)) FDesign->SetModified(true, mkDrawing);
  }
  return true;
}

bool TfrmDesignSetting::CanClose() { return Apply(); }

void TfrmDesignSetting::done(int Result) {
  if (Result != mrOk)
    ui::Guarded(
        [this] {
          FSamples->RestoreOld();
          EditsFromSamples();
          lbxComponentsClick();
        },
        windowTitle());
  TfrmAbstractDialog::done(Result);
}
