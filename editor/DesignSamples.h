#pragma once
// The look that new diagram elements take: sample elements in three sets, the factory
// defaults (Init...), the current settings (Def..., what the user edits and what every new
// element copies) and a copy for Cancel (Old...), together with the desktop colours and the
// default desktop size. The diagram-look settings window owns one set and registers it as
// the current one; the element factories read the Def... samples through Current().

#include "ui/Color.h"

#include <QString>
#include <array>
#include <memory>

class TIniFile;
class TEntity;
class TNote;
class TProjectInfo;
class TEntryPoint;
class TRelation;
class TTextLabel;
class TMorvikGraphic;
namespace ui {
class TComponent;
class TDesktop;
}

class TDesignSamples {
public:
  TDesignSamples();
  ~TDesignSamples();
  TDesignSamples(const TDesignSamples&) = delete;
  TDesignSamples& operator=(const TDesignSamples&) = delete;

  // The set the factories read; null until a settings window registers its set.
  static TDesignSamples* Current();
  static void SetCurrent(TDesignSamples* Samples);

  // Factory defaults of the desktop.
  static constexpr ui::TColor InitDesktopColor = ui::clWhite;
  static constexpr ui::TColor InitDesktopLineColor = ui::clBlack;
  static constexpr int InitDesktopWPag = 4;
  static constexpr int InitDesktopHPag = 2;
  static constexpr int InitDesktopWPix = 4000;
  static constexpr int InitDesktopHPix = 2000;
  // The largest desktop sizes taken from the ini file: pixels times any zoom stay in range.
  static constexpr int MaxDesktopPag = 100;
  static constexpr int MaxDesktopPix = 100000;

  // The samples; all owned by this set.
  TEntity* InitEntity;
  TEntity* DefEntity;
  TEntity* OldEntity;
  TNote* InitNote;
  TNote* DefNote;
  TNote* OldNote;
  TProjectInfo* InitProjectInfo;
  TProjectInfo* DefProjectInfo;
  TProjectInfo* OldProjectInfo;
  TEntryPoint* InitEntryPoint;
  TEntryPoint* DefEntryPoint;
  TEntryPoint* OldEntryPoint;
  // The Tag of a relation sample is the create-labels flag (1 or 0).
  TRelation* InitRelation;
  TRelation* DefRelation;
  TRelation* OldRelation;
  TTextLabel* InitTextLabel;
  TTextLabel* DefTextLabel;
  TTextLabel* OldTextLabel;
  TTextLabel* InitFreeTextLabel;
  TTextLabel* DefFreeTextLabel;
  TTextLabel* OldFreeTextLabel;

  // Desktop colours: current and Cancel copy.
  ui::TColor DesktopColor = InitDesktopColor;
  ui::TColor DesktopLineColor = InitDesktopLineColor;
  ui::TColor OldDesktopColor = InitDesktopColor;
  ui::TColor OldDesktopLineColor = InitDesktopLineColor;
  // Default desktop size of a new schema, as the texts of the settings window's edits
  // (pages when a printer is known, pixels otherwise), and their Cancel copies.
  QString DesktopWPag = QStringLiteral("4");
  QString DesktopHPag = QStringLiteral("2");
  QString DesktopWPix = QStringLiteral("4000");
  QString DesktopHPix = QStringLiteral("2000");
  int OldDesktopWPag = InitDesktopWPag;
  int OldDesktopHPag = InitDesktopHPag;
  int OldDesktopWPix = InitDesktopWPix;
  int OldDesktopHPix = InitDesktopHPix;

  bool CreateLabel() const;
  void SetCreateLabel(bool Value);

  // Def -> Old (samples, desktop colours, the four sizes read as integers, 0 when not a
  // number).
  void SaveOld();
  // Old -> Def.
  void RestoreOld();
  // Init -> Def (samples and desktop colours; the create-labels flag becomes 1); the
  // desktop sizes stay.
  void ResetToInit();

  // The Def... set, the desktop colours and the default sizes in the settings file, every
  // key in its fixed order. Reading starts from the factory defaults, so a missing key keeps
  // the factory value; a value that is not a number gives the key's default.
  void WriteSettings(TIniFile& IniFile, const QString& Section) const;
  void ReadSettings(const TIniFile& IniFile, const QString& Section);

  // Gives every element of Desktop the look of its kind's Def... sample, the desktop the
  // background colour. Zoom is per mille: the looks are taken from copies of the samples
  // scaled to it, so the samples themselves never change.
  void ApplyTo(ui::TDesktop* Desktop, int Zoom) const;

  // Copies the look of one sample into another of its kind (the project-information
  // format and the relation's create-labels flag included).
  static void CopyLook(TMorvikGraphic* Target, const TMorvikGraphic* Source);

  // The seven samples of one set in the order of the settings window's list: entity, note,
  // project information, entry point, relation, relation label, free label.
  static constexpr int SampleCount = 7;
  using TSampleSet = std::array<TMorvikGraphic*, SampleCount>;
  TSampleSet InitSamples() const;
  TSampleSet DefSamples() const;
  TSampleSet OldSamples() const;
  // Copies the look of every sample of Sources into the sample of its kind in Targets.
  static void CopyLooks(const TSampleSet& Targets, const TSampleSet& Sources);

private:
  std::unique_ptr<ui::TComponent> FOwner;
};
