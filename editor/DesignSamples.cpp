#include "editor/DesignSamples.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "ui/Component.h"
#include "ui/Desktop.h"
#include "ui/GraphicsSettings.h"
#include "ui/IniFile.h"

#include <vector>

namespace {

TDesignSamples* CurrentSamples = nullptr;

// The east-European character set of the samples' fonts.
constexpr int EastEuropeCharset = 238;

void SetSampleFont(ui::TFont* Font, ui::TColor Color) {
  Font->SetName(QStringLiteral("Arial"));
  Font->SetCharset(EastEuropeCharset);
  Font->SetHeight(-11);
  Font->SetColor(Color);
  Font->SetStyle(0);
}

void InitEntityLook(TEntity* E) {
  E->SetEffect3D(false);
  E->Brush()->SetColor(ui::clSilver);
  SetSampleFont(E->Font(), ui::clWindowText);
}

void InitNoteLook(TNote* N) {
  N->SetEffect3D(false);
  N->Brush()->SetColor(ui::clYellow);
  SetSampleFont(N->Font(), ui::clWindowText);
}

void InitProjectInfoLook(TProjectInfo* P) {
  P->SetEffect3D(false);
  P->Brush()->SetColor(ui::clLime);
  SetSampleFont(P->Font(), ui::clBlack);
  P->SetFormatStr(QString::fromLatin1(TProjectInfo::DefFormatStr));
}

void InitEntryPointLook(TEntryPoint* P) {
  P->SetEffect3D(false);
  P->Brush()->SetColor(ui::clRed);
}

void InitRelationLook(TRelation* R) {
  R->SetEffect3D(false);
  R->Brush()->SetColor(ui::clBtnFace);
  R->SetRelationKind(rkOneManyToZeroMany);
  R->SetTolerance(4);
  R->SetTag(1);
}

void InitTextLabelLook(TTextLabel* L) {
  L->SetEffect3D(false);
  L->Pen()->SetColor(ui::clWindowText);
  L->Brush()->SetColor(ui::clCaptionText);
  SetSampleFont(L->Font(), ui::clWindowText);
}

template <class T, class Init>
void MakeSet(ui::TComponent* Owner, T*& InitSample, T*& DefSample, T*& OldSample, Init InitLook) {
  for (T** sample : {&InitSample, &DefSample, &OldSample}) {
    *sample = new T(Owner);
    InitLook(*sample);
  }
}

// An ini value that must be a non-negative integer in text form; anything else gives
// Default.
QString ReadSizeText(const TIniFile& IniFile, const QString& Section, const QString& Key, int Default,
                     int Max) {
  const QString text = IniFile.ReadString(Section, Key, QString::number(Default)).trimmed();
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < 0 || value > Max || text.startsWith(QLatin1Char('+'))) return QString::number(Default);
  return text;
}

int SizeOf(const QString& Text) {
  bool ok = false;
  const int value = Text.toInt(&ok);
  return ok ? value : 0;
}

// A throw-away set of copies of the Def... samples scaled to one zoom.
struct TScaledLooks {
  explicit TScaledLooks(const TDesignSamples& S, int Zoom)
      : Owner(new ui::TComponent(nullptr)), Entity(new TEntity(Owner.get())), Note(new TNote(Owner.get())),
        ProjectInfo(new TProjectInfo(Owner.get())), EntryPoint(new TEntryPoint(Owner.get())),
        Relation(new TRelation(Owner.get())), TextLabel(new TTextLabel(Owner.get())),
        FreeTextLabel(new TTextLabel(Owner.get())) {
    const TDesignSamples::TSampleSet looks = {Entity,   Note,      ProjectInfo,  EntryPoint,
                                              Relation, TextLabel, FreeTextLabel};
    TDesignSamples::CopyLooks(looks, S.DefSamples());
    const int m = Zoom / 10;
    if (m != 100)
      for (TMorvikGraphic* look : looks) look->ChangeScale(m, 100);
  }
  std::unique_ptr<ui::TComponent> Owner;
  TEntity* Entity;
  TNote* Note;
  TProjectInfo* ProjectInfo;
  TEntryPoint* EntryPoint;
  TRelation* Relation;
  TTextLabel* TextLabel;
  TTextLabel* FreeTextLabel;
};

// The settings keys of one sample's look: Prefix_Font (boxes, which have a font),
// Prefix_Brush, Prefix_Pen and Prefix_Effect3D (when it keeps one), in this order, for the
// samples in the order of TDesignSamples::TSampleSet.
struct TLookKeys {
  const char* Prefix;
  bool Effect3D;
};
constexpr TLookKeys LookKeys[TDesignSamples::SampleCount] = {
    {"Entity", true},   {"Note", true},       {"ProjectInfo", true},   {"EntryPoint", true},
    {"Relation", true}, {"TextLabel", false}, {"FreeTextLabel", false}};

QString LookKey(const TLookKeys& Keys, const char* Name) {
  return QString::fromLatin1(Keys.Prefix) + QLatin1Char('_') + QLatin1String(Name);
}

void WriteLook(TIniFile& IniFile, const QString& Section, const TLookKeys& Keys,
               const TMorvikGraphic* Sample) {
  if (const auto* box = dynamic_cast<const TRectangle*>(Sample))
    WriteFontSetting(IniFile, Section, LookKey(Keys, "Font"), box->Font());
  WriteBrushSetting(IniFile, Section, LookKey(Keys, "Brush"), Sample->Brush());
  WritePenSetting(IniFile, Section, LookKey(Keys, "Pen"), Sample->Pen());
  if (Keys.Effect3D) IniFile.WriteBool(Section, LookKey(Keys, "Effect3D"), Sample->Effect3D());
}

// A missing Effect3D key turns the effect on.
void ReadLook(const TIniFile& IniFile, const QString& Section, const TLookKeys& Keys,
              TMorvikGraphic* Sample) {
  if (auto* box = dynamic_cast<TRectangle*>(Sample))
    ReadFontSetting(IniFile, Section, LookKey(Keys, "Font"), box->Font());
  ReadBrushSetting(IniFile, Section, LookKey(Keys, "Brush"), Sample->Brush());
  ReadPenSetting(IniFile, Section, LookKey(Keys, "Pen"), Sample->Pen());
  if (Keys.Effect3D) Sample->SetEffect3D(IniFile.ReadBool(Section, LookKey(Keys, "Effect3D"), true));
}

} // namespace

TDesignSamples::TDesignSamples() : FOwner(std::make_unique<ui::TComponent>(nullptr)) {
  ui::TComponent* o = FOwner.get();
  MakeSet(o, InitEntity, DefEntity, OldEntity, InitEntityLook);
  MakeSet(o, InitNote, DefNote, OldNote, InitNoteLook);
  MakeSet(o, InitProjectInfo, DefProjectInfo, OldProjectInfo, InitProjectInfoLook);
  MakeSet(o, InitEntryPoint, DefEntryPoint, OldEntryPoint, InitEntryPointLook);
  MakeSet(o, InitRelation, DefRelation, OldRelation, InitRelationLook);
  MakeSet(o, InitTextLabel, DefTextLabel, OldTextLabel, InitTextLabelLook);
  MakeSet(o, InitFreeTextLabel, DefFreeTextLabel, OldFreeTextLabel, InitTextLabelLook);
}

TDesignSamples::~TDesignSamples() {
  if (CurrentSamples == this) CurrentSamples = nullptr;
}

TDesignSamples* TDesignSamples::Current() { return CurrentSamples; }
void TDesignSamples::SetCurrent(TDesignSamples* Samples) { CurrentSamples = Samples; }

bool TDesignSamples::CreateLabel() const { return DefRelation->Tag() != 0; }
void TDesignSamples::SetCreateLabel(bool Value) { DefRelation->SetTag(Value ? 1 : 0); }

void TDesignSamples::CopyLook(TMorvikGraphic* Target, const TMorvikGraphic* Source) {
  Target->Assign(Source);
  auto* pTarget = dynamic_cast<TProjectInfo*>(Target);
  auto* pSource = dynamic_cast<const TProjectInfo*>(Source);
  if (pTarget && pSource) pTarget->SetFormatStr(pSource->FormatStr());
  if (dynamic_cast<TRelation*>(Target) && dynamic_cast<const TRelation*>(Source))
    Target->SetTag(Source->Tag());
}

TDesignSamples::TSampleSet TDesignSamples::InitSamples() const {
  return {InitEntity,   InitNote,      InitProjectInfo,  InitEntryPoint,
          InitRelation, InitTextLabel, InitFreeTextLabel};
}

TDesignSamples::TSampleSet TDesignSamples::DefSamples() const {
  return {DefEntity, DefNote, DefProjectInfo, DefEntryPoint, DefRelation, DefTextLabel, DefFreeTextLabel};
}

TDesignSamples::TSampleSet TDesignSamples::OldSamples() const {
  return {OldEntity, OldNote, OldProjectInfo, OldEntryPoint, OldRelation, OldTextLabel, OldFreeTextLabel};
}

void TDesignSamples::CopyLooks(const TSampleSet& Targets, const TSampleSet& Sources) {
  for (int i = 0; i < SampleCount; ++i) CopyLook(Targets[i], Sources[i]);
}

void TDesignSamples::SaveOld() {
  CopyLooks(OldSamples(), DefSamples());
  OldDesktopColor = DesktopColor;
  OldDesktopLineColor = DesktopLineColor;
  OldDesktopWPag = SizeOf(DesktopWPag);
  OldDesktopHPag = SizeOf(DesktopHPag);
  OldDesktopWPix = SizeOf(DesktopWPix);
  OldDesktopHPix = SizeOf(DesktopHPix);
}

void TDesignSamples::RestoreOld() {
  CopyLooks(DefSamples(), OldSamples());
  DesktopColor = OldDesktopColor;
  DesktopLineColor = OldDesktopLineColor;
  DesktopWPag = QString::number(OldDesktopWPag);
  DesktopHPag = QString::number(OldDesktopHPag);
  DesktopWPix = QString::number(OldDesktopWPix);
  DesktopHPix = QString::number(OldDesktopHPix);
}

void TDesignSamples::ResetToInit() {
  CopyLooks(DefSamples(), InitSamples());
  SetCreateLabel(true);
  DesktopColor = InitDesktopColor;
  DesktopLineColor = InitDesktopLineColor;
}

void TDesignSamples::WriteSettings(TIniFile& IniFile, const QString& Section) const {
  auto key = [](const char* Name) { return QString::fromLatin1(Name); };
  const TSampleSet samples = DefSamples();
  for (int i = 0; i < SampleCount; ++i) {
    WriteLook(IniFile, Section, LookKeys[i], samples[i]);
    if (samples[i] == DefProjectInfo)
      IniFile.WriteString(Section, key("ProjectInfo_FormatStr"), DefProjectInfo->FormatStr());
    if (samples[i] == DefRelation) IniFile.WriteBool(Section, key("Relation_CreateLabel"), CreateLabel());
  }
  IniFile.WriteInteger(Section, key("Desktop_BrushColor"), DesktopColor);
  IniFile.WriteInteger(Section, key("Desktop_PenColor"), DesktopLineColor);
  IniFile.WriteString(Section, key("Desktop_WidthPag"), DesktopWPag);
  IniFile.WriteString(Section, key("Desktop_HeightPag"), DesktopHPag);
  IniFile.WriteString(Section, key("Desktop_WidthPix"), DesktopWPix);
  IniFile.WriteString(Section, key("Desktop_HeightPix"), DesktopHPix);
}

void TDesignSamples::ReadSettings(const TIniFile& IniFile, const QString& Section) {
  auto key = [](const char* Name) { return QString::fromLatin1(Name); };
  ResetToInit();
  const TSampleSet samples = DefSamples();
  for (int i = 0; i < SampleCount; ++i) {
    ReadLook(IniFile, Section, LookKeys[i], samples[i]);
    if (samples[i] == DefProjectInfo)
      DefProjectInfo->SetFormatStr(
          IniFile.ReadString(Section, key("ProjectInfo_FormatStr"), InitProjectInfo->FormatStr()));
    if (samples[i] == DefRelation)
      SetCreateLabel(IniFile.ReadBool(Section, key("Relation_CreateLabel"), true));
  }
  DesktopColor = IniFile.ReadInteger(Section, key("Desktop_BrushColor"), InitDesktopColor);
  DesktopLineColor = IniFile.ReadInteger(Section, key("Desktop_PenColor"), InitDesktopLineColor);
  DesktopWPag = ReadSizeText(IniFile, Section, key("Desktop_WidthPag"), InitDesktopWPag, MaxDesktopPag);
  DesktopHPag = ReadSizeText(IniFile, Section, key("Desktop_HeightPag"), InitDesktopHPag, MaxDesktopPag);
  DesktopWPix = ReadSizeText(IniFile, Section, key("Desktop_WidthPix"), InitDesktopWPix, MaxDesktopPix);
  DesktopHPix = ReadSizeText(IniFile, Section, key("Desktop_HeightPix"), InitDesktopHPix, MaxDesktopPix);
}

void TDesignSamples::ApplyTo(ui::TDesktop* Desktop, int Zoom) const {
  if (!Desktop) return;
  Desktop->SetColor(DesktopColor);
  const TScaledLooks looks(*this, Zoom);
  std::vector<ui::TControl*> controls;
  for (int i = 0; i < Desktop->ControlCount(); ++i) controls.push_back(Desktop->Control(i));
  for (ui::TControl* c : controls) {
    if (auto* note = dynamic_cast<TNote*>(c))
      CopyLook(note, looks.Note);
    else if (auto* entity = dynamic_cast<TEntity*>(c))
      CopyLook(entity, looks.Entity);
    else if (auto* info = dynamic_cast<TProjectInfo*>(c))
      CopyLook(info, looks.ProjectInfo);
    else if (auto* point = dynamic_cast<TEntryPoint*>(c))
      CopyLook(point, looks.EntryPoint);
    else if (auto* relation = dynamic_cast<TRelation*>(c))
      relation->Assign(looks.Relation); // the relation's own Tag is not a setting
    else if (auto* label = dynamic_cast<TTextLabel*>(c); label && label->Tag() != 0)
      CopyLook(label, looks.TextLabel);
  }
}
