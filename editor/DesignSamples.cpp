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
    TDesignSamples::CopyLook(Entity, S.DefEntity);
    TDesignSamples::CopyLook(Note, S.DefNote);
    TDesignSamples::CopyLook(ProjectInfo, S.DefProjectInfo);
    TDesignSamples::CopyLook(EntryPoint, S.DefEntryPoint);
    TDesignSamples::CopyLook(Relation, S.DefRelation);
    TDesignSamples::CopyLook(TextLabel, S.DefTextLabel);
    TDesignSamples::CopyLook(FreeTextLabel, S.DefFreeTextLabel);
    const int m = Zoom / 10;
    if (m != 100)
      for (ui::TControl* c : std::initializer_list<ui::TControl*>{Entity, Note, ProjectInfo, EntryPoint,
                                                                  Relation, TextLabel, FreeTextLabel})
        c->ChangeScale(m, 100);
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

void TDesignSamples::SaveOld() {
  CopyLook(OldEntity, DefEntity);
  CopyLook(OldNote, DefNote);
  CopyLook(OldProjectInfo, DefProjectInfo);
  CopyLook(OldEntryPoint, DefEntryPoint);
  CopyLook(OldRelation, DefRelation);
  CopyLook(OldTextLabel, DefTextLabel);
  CopyLook(OldFreeTextLabel, DefFreeTextLabel);
  OldDesktopColor = DesktopColor;
  OldDesktopLineColor = DesktopLineColor;
  OldDesktopWPag = SizeOf(DesktopWPag);
  OldDesktopHPag = SizeOf(DesktopHPag);
  OldDesktopWPix = SizeOf(DesktopWPix);
  OldDesktopHPix = SizeOf(DesktopHPix);
}

void TDesignSamples::RestoreOld() {
  CopyLook(DefEntity, OldEntity);
  CopyLook(DefNote, OldNote);
  CopyLook(DefProjectInfo, OldProjectInfo);
  CopyLook(DefEntryPoint, OldEntryPoint);
  CopyLook(DefRelation, OldRelation);
  CopyLook(DefTextLabel, OldTextLabel);
  CopyLook(DefFreeTextLabel, OldFreeTextLabel);
  DesktopColor = OldDesktopColor;
  DesktopLineColor = OldDesktopLineColor;
  DesktopWPag = QString::number(OldDesktopWPag);
  DesktopHPag = QString::number(OldDesktopHPag);
  DesktopWPix = QString::number(OldDesktopWPix);
  DesktopHPix = QString::number(OldDesktopHPix);
}

void TDesignSamples::ResetToInit() {
  CopyLook(DefEntity, InitEntity);
  CopyLook(DefNote, InitNote);
  CopyLook(DefProjectInfo, InitProjectInfo);
  CopyLook(DefEntryPoint, InitEntryPoint);
  CopyLook(DefRelation, InitRelation);
  CopyLook(DefTextLabel, InitTextLabel);
  CopyLook(DefFreeTextLabel, InitFreeTextLabel);
  SetCreateLabel(true);
  DesktopColor = InitDesktopColor;
  DesktopLineColor = InitDesktopLineColor;
}

void TDesignSamples::WriteSettings(TIniFile& IniFile, const QString& Section) const {
  auto key = [](const char* Name) { return QString::fromLatin1(Name); };
  WriteFontSetting(IniFile, Section, key("Entity_Font"), DefEntity->Font());
  WriteBrushSetting(IniFile, Section, key("Entity_Brush"), DefEntity->Brush());
  WritePenSetting(IniFile, Section, key("Entity_Pen"), DefEntity->Pen());
  IniFile.WriteBool(Section, key("Entity_Effect3D"), DefEntity->Effect3D());
  WriteFontSetting(IniFile, Section, key("Note_Font"), DefNote->Font());
  WriteBrushSetting(IniFile, Section, key("Note_Brush"), DefNote->Brush());
  WritePenSetting(IniFile, Section, key("Note_Pen"), DefNote->Pen());
  IniFile.WriteBool(Section, key("Note_Effect3D"), DefNote->Effect3D());
  WriteFontSetting(IniFile, Section, key("ProjectInfo_Font"), DefProjectInfo->Font());
  WriteBrushSetting(IniFile, Section, key("ProjectInfo_Brush"), DefProjectInfo->Brush());
  WritePenSetting(IniFile, Section, key("ProjectInfo_Pen"), DefProjectInfo->Pen());
  IniFile.WriteBool(Section, key("ProjectInfo_Effect3D"), DefProjectInfo->Effect3D());
  IniFile.WriteString(Section, key("ProjectInfo_FormatStr"), DefProjectInfo->FormatStr());
  WriteBrushSetting(IniFile, Section, key("EntryPoint_Brush"), DefEntryPoint->Brush());
  WritePenSetting(IniFile, Section, key("EntryPoint_Pen"), DefEntryPoint->Pen());
  IniFile.WriteBool(Section, key("EntryPoint_Effect3D"), DefEntryPoint->Effect3D());
  WriteBrushSetting(IniFile, Section, key("Relation_Brush"), DefRelation->Brush());
  WritePenSetting(IniFile, Section, key("Relation_Pen"), DefRelation->Pen());
  IniFile.WriteBool(Section, key("Relation_Effect3D"), DefRelation->Effect3D());
  IniFile.WriteBool(Section, key("Relation_CreateLabel"), CreateLabel());
  WriteFontSetting(IniFile, Section, key("TextLabel_Font"), DefTextLabel->Font());
  WriteBrushSetting(IniFile, Section, key("TextLabel_Brush"), DefTextLabel->Brush());
  WritePenSetting(IniFile, Section, key("TextLabel_Pen"), DefTextLabel->Pen());
  WriteFontSetting(IniFile, Section, key("FreeTextLabel_Font"), DefFreeTextLabel->Font());
  WriteBrushSetting(IniFile, Section, key("FreeTextLabel_Brush"), DefFreeTextLabel->Brush());
  WritePenSetting(IniFile, Section, key("FreeTextLabel_Pen"), DefFreeTextLabel->Pen());
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
  ReadFontSetting(IniFile, Section, key("Entity_Font"), DefEntity->Font());
  ReadBrushSetting(IniFile, Section, key("Entity_Brush"), DefEntity->Brush());
  ReadPenSetting(IniFile, Section, key("Entity_Pen"), DefEntity->Pen());
  DefEntity->SetEffect3D(IniFile.ReadBool(Section, key("Entity_Effect3D"), true));
  ReadFontSetting(IniFile, Section, key("Note_Font"), DefNote->Font());
  ReadBrushSetting(IniFile, Section, key("Note_Brush"), DefNote->Brush());
  ReadPenSetting(IniFile, Section, key("Note_Pen"), DefNote->Pen());
  DefNote->SetEffect3D(IniFile.ReadBool(Section, key("Note_Effect3D"), true));
  ReadFontSetting(IniFile, Section, key("ProjectInfo_Font"), DefProjectInfo->Font());
  ReadBrushSetting(IniFile, Section, key("ProjectInfo_Brush"), DefProjectInfo->Brush());
  ReadPenSetting(IniFile, Section, key("ProjectInfo_Pen"), DefProjectInfo->Pen());
  DefProjectInfo->SetEffect3D(IniFile.ReadBool(Section, key("ProjectInfo_Effect3D"), true));
  DefProjectInfo->SetFormatStr(
      IniFile.ReadString(Section, key("ProjectInfo_FormatStr"), InitProjectInfo->FormatStr()));
  ReadBrushSetting(IniFile, Section, key("EntryPoint_Brush"), DefEntryPoint->Brush());
  ReadPenSetting(IniFile, Section, key("EntryPoint_Pen"), DefEntryPoint->Pen());
  DefEntryPoint->SetEffect3D(IniFile.ReadBool(Section, key("EntryPoint_Effect3D"), true));
  ReadBrushSetting(IniFile, Section, key("Relation_Brush"), DefRelation->Brush());
  ReadPenSetting(IniFile, Section, key("Relation_Pen"), DefRelation->Pen());
  DefRelation->SetEffect3D(IniFile.ReadBool(Section, key("Relation_Effect3D"), true));
  SetCreateLabel(IniFile.ReadBool(Section, key("Relation_CreateLabel"), true));
  ReadFontSetting(IniFile, Section, key("TextLabel_Font"), DefTextLabel->Font());
  ReadBrushSetting(IniFile, Section, key("TextLabel_Brush"), DefTextLabel->Brush());
  ReadPenSetting(IniFile, Section, key("TextLabel_Pen"), DefTextLabel->Pen());
  ReadFontSetting(IniFile, Section, key("FreeTextLabel_Font"), DefFreeTextLabel->Font());
  ReadBrushSetting(IniFile, Section, key("FreeTextLabel_Brush"), DefFreeTextLabel->Brush());
  ReadPenSetting(IniFile, Section, key("FreeTextLabel_Pen"), DefFreeTextLabel->Pen());
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
