#include "editor/DesignSamples.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "ui/Desktop.h"
#include "ui/IniFile.h"

#include <QFile>
#include <QImage>
#include <cstdlib>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Section = QStringLiteral("Design_Setting");

// Every key of the section, in the order it is written.
QStringList ExpectedKeys() {
  QStringList keys;
  auto font = [&keys](const QString& K) {
    for (const char* s : {"_Name", "_Size", "_Charset", "_Color", "_Style"}) keys << K + s;
  };
  auto brush = [&keys](const QString& K) { keys << K + "_Color" << K + "_Style"; };
  auto pen = [&keys](const QString& K) {
    for (const char* s : {"_Color", "_Style", "_Width", "_Mode"}) keys << K + s;
  };
  for (const char* k : {"Entity", "Note", "ProjectInfo"}) {
    font(QString(k) + "_Font");
    brush(QString(k) + "_Brush");
    pen(QString(k) + "_Pen");
    keys << QString(k) + "_Effect3D";
  }
  keys << "ProjectInfo_FormatStr";
  brush("EntryPoint_Brush");
  pen("EntryPoint_Pen");
  keys << "EntryPoint_Effect3D";
  brush("Relation_Brush");
  pen("Relation_Pen");
  keys << "Relation_Effect3D"
       << "Relation_CreateLabel";
  for (const char* k : {"TextLabel", "FreeTextLabel"}) {
    font(QString(k) + "_Font");
    brush(QString(k) + "_Brush");
    pen(QString(k) + "_Pen");
  }
  keys << "Desktop_BrushColor"
       << "Desktop_PenColor"
       << "Desktop_WidthPag"
       << "Desktop_HeightPag"
       << "Desktop_WidthPix"
       << "Desktop_HeightPix";
  return keys;
}

QString ReadText(const QString& Path) {
  QFile f(Path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return QString::fromUtf8(f.readAll());
}

// The section as the file holds it.
QString SectionText(const TDesignSamples& Samples, const QString& Path) {
  QFile::remove(Path);
  TIniFile ini(Path);
  Samples.WriteSettings(ini, Section);
  EXPECT_TRUE(ini.UpdateFile());
  return ReadText(Path);
}

void WriteLines(const QString& Path, const QStringList& Lines) {
  QFile f(Path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(Lines.join("\r\n").toUtf8());
}

class SamplesTest : public ::testing::Test {
protected:
  QString Path(const char* Name) const { return Dir.filePath(Name); }
  QTemporaryDir Dir;
  TDesignSamples Samples;
};

TEST_F(SamplesTest, FactoryLooks) {
  const TDesignSamples& s = Samples;
  EXPECT_FALSE(s.DefEntity->Effect3D());
  EXPECT_EQ(s.DefEntity->Brush()->Color(), ui::clSilver);
  EXPECT_EQ(s.DefEntity->Font()->Name(), "Arial");
  EXPECT_EQ(s.DefEntity->Font()->Charset(), 238);
  EXPECT_EQ(s.DefEntity->Font()->Height(), -11);
  EXPECT_EQ(s.DefEntity->Font()->Color(), ui::clWindowText);
  EXPECT_FALSE(s.DefNote->Effect3D()); // a note on its own has 3-D
  EXPECT_EQ(s.DefNote->Brush()->Color(), ui::clYellow);
  EXPECT_TRUE(*s.DefNote->Font() == *s.DefEntity->Font());
  EXPECT_EQ(s.DefProjectInfo->Brush()->Color(), ui::clLime);
  EXPECT_EQ(s.DefProjectInfo->Font()->Color(), ui::clBlack);
  EXPECT_EQ(s.DefProjectInfo->FormatStr(), "d. m. yyyy hh:nn:ss");
  EXPECT_EQ(s.DefEntryPoint->Brush()->Color(), ui::clRed);
  EXPECT_EQ(s.DefRelation->Brush()->Color(), ui::clBtnFace);
  EXPECT_EQ(s.DefRelation->RelationKind(), rkOneManyToZeroMany);
  EXPECT_EQ(s.DefRelation->Tolerance(), 4);
  EXPECT_TRUE(s.CreateLabel());
  EXPECT_EQ(s.DefTextLabel->Pen()->Color(), ui::clWindowText);
  EXPECT_EQ(s.DefTextLabel->Brush()->Color(), ui::clCaptionText);
  EXPECT_TRUE(*s.DefFreeTextLabel->Font() == *s.DefTextLabel->Font());
  EXPECT_EQ(s.DesktopColor, ui::clWhite);
  EXPECT_EQ(s.DesktopLineColor, ui::clBlack);
  for (const TDesignSamples* other : {&s}) {
    EXPECT_TRUE(*other->InitEntity->Brush() == *other->DefEntity->Brush());
    EXPECT_TRUE(*other->OldNote->Brush() == *other->DefNote->Brush());
  }
}

TEST_F(SamplesTest, WithoutAnIniFileEveryEffectIsOnAndTheDesktopHasItsDefaultSize) {
  const TIniFile missing(Path("none.ini"));
  Samples.DefEntity->Brush()->SetColor(ui::clNavy);
  Samples.SetCreateLabel(false);
  Samples.DesktopWPag = "9";
  Samples.ReadSettings(missing, Section);
  EXPECT_EQ(Samples.DefEntity->Brush()->Color(), ui::clSilver);
  for (const TMorvikGraphic* g : std::initializer_list<const TMorvikGraphic*>{
           Samples.DefEntity, Samples.DefNote, Samples.DefProjectInfo, Samples.DefEntryPoint,
           Samples.DefRelation})
    EXPECT_TRUE(g->Effect3D());
  EXPECT_TRUE(Samples.CreateLabel());
  EXPECT_EQ(Samples.DesktopWPag, "4");
  EXPECT_EQ(Samples.DesktopHPag, "2");
  EXPECT_EQ(Samples.DesktopWPix, "4000");
  EXPECT_EQ(Samples.DesktopHPix, "2000");
}

TEST_F(SamplesTest, EveryKeyIsWrittenInOrderAndReadBack) {
  TDesignSamples& s = Samples;
  s.DefEntity->Font()->SetName("Times New Roman");
  s.DefEntity->Font()->SetSize(13);
  s.DefEntity->Font()->SetStyle(ui::fsBold | ui::fsStrikeOut);
  s.DefEntity->Pen()->SetStyle(ui::TPenStyle::psDash);
  s.DefNote->Brush()->SetStyle(ui::TBrushStyle::bsClear);
  s.DefNote->SetEffect3D(true);
  s.DefProjectInfo->SetFormatStr("dd.mm.yyyy, hh:nn");
  s.DefEntryPoint->Pen()->SetWidth(3);
  s.DefRelation->Pen()->SetMode(ui::TPenMode::pmXor);
  s.SetCreateLabel(false);
  s.DefTextLabel->Font()->SetColor(ui::clRed);
  s.DefFreeTextLabel->Font()->SetCharset(0);
  s.DesktopColor = 0x123456;
  s.DesktopLineColor = ui::clGray;
  s.DesktopWPag = "3";
  s.DesktopHPag = "5";
  s.DesktopWPix = "1234";
  s.DesktopHPix = "5678";

  const QString written = SectionText(s, Path("a.ini"));
  QStringList keys;
  for (const QString& line : written.split("\r\n", Qt::SkipEmptyParts))
    if (!line.startsWith('[')) keys << line.section('=', 0, 0);
  EXPECT_EQ(keys, ExpectedKeys());
  EXPECT_TRUE(written.contains("ProjectInfo_FormatStr=dd.mm.yyyy, hh:nn\r\n"));
  EXPECT_TRUE(written.contains("Entity_Font_Style=9\r\n"));
  EXPECT_TRUE(written.contains("Relation_CreateLabel=0\r\n"));

  TDesignSamples fresh;
  fresh.ReadSettings(TIniFile(Path("a.ini")), Section);
  EXPECT_EQ(SectionText(fresh, Path("b.ini")), written);
  EXPECT_EQ(fresh.DefEntity->Font()->Name(), "Times New Roman");
  EXPECT_EQ(fresh.DefEntity->Font()->Style(), ui::fsBold | ui::fsStrikeOut);
  EXPECT_EQ(fresh.DefNote->Brush()->Style(), ui::TBrushStyle::bsClear);
  EXPECT_EQ(fresh.DefRelation->Pen()->Mode(), ui::TPenMode::pmXor);
  EXPECT_FALSE(fresh.CreateLabel());
  EXPECT_EQ(fresh.DesktopColor, 0x123456);
  EXPECT_EQ(fresh.DesktopHPix, "5678");
}

TEST_F(SamplesTest, ValuesThatAreNotNumbersGiveTheKeysDefaults) {
  WriteLines(Path("bad.ini"),
             {"[Design_Setting]", "Entity_Font_Size=groß", "Entity_Font_Style=bold", "Entity_Brush_Color=red",
              "Entity_Effect3D=yes", "Note_Pen_Width=", "Note_Effect3D=0", "Relation_CreateLabel=ne",
              "Desktop_BrushColor=0x00FF00", "Desktop_PenColor=255", "Desktop_WidthPag=x1",
              "Desktop_HeightPag=-3", "Desktop_WidthPix=12a", "Desktop_HeightPix= 1500 ",
              "ProjectInfo_FormatStr=hh:nn"});
  EXPECT_NO_THROW(Samples.ReadSettings(TIniFile(Path("bad.ini")), Section));
  const TDesignSamples& s = Samples;
  EXPECT_EQ(s.DefEntity->Font()->Height(), -11);
  EXPECT_EQ(s.DefEntity->Font()->Style(), 0u);
  EXPECT_EQ(s.DefEntity->Brush()->Color(), ui::clSilver);
  EXPECT_TRUE(s.DefEntity->Effect3D());
  EXPECT_EQ(s.DefNote->Pen()->Width(), 1);
  EXPECT_FALSE(s.DefNote->Effect3D());
  EXPECT_TRUE(s.CreateLabel());
  EXPECT_EQ(s.DesktopColor, ui::clWhite);
  EXPECT_EQ(s.DesktopLineColor, 255);
  EXPECT_EQ(s.DesktopWPag, "4");
  EXPECT_EQ(s.DesktopHPag, "2");
  EXPECT_EQ(s.DesktopWPix, "4000");
  EXPECT_EQ(s.DesktopHPix, "1500");
  EXPECT_EQ(s.DefProjectInfo->FormatStr(), "hh:nn");
}

// Desktop sizes beyond what the zoom arithmetic can hold give the key's default, like any
// other bad value; the samples' pens and fonts keep their ranges.
TEST_F(SamplesTest, ExtremeNumbersGiveDefaultsOrStayInRange) {
  struct Case {
    const char* text;
    const char* pix; // width in pixels as read
    const char* pag; // pages across as read
  };
  const Case cases[] = {{"2147483647", "4000", "4"},  {"2147483648", "4000", "4"},
                        {"-2147483648", "4000", "4"}, {"100001", "4000", "4"},
                        {"100000", "100000", "4"},    {"101", "101", "4"},
                        {"100", "100", "100"},        {"0", "0", "0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    WriteLines(Path("extreme.ini"),
               {"[Design_Setting]", QString("Desktop_WidthPix=") + c.text,
                QString("Desktop_HeightPix=") + c.text, QString("Desktop_WidthPag=") + c.text,
                QString("Desktop_HeightPag=") + c.text, QString("Entity_Font_Size=") + c.text,
                QString("Entity_Pen_Width=") + c.text, QString("Relation_Pen_Width=") + c.text});
    TDesignSamples s;
    EXPECT_NO_THROW(s.ReadSettings(TIniFile(Path("extreme.ini")), Section));
    EXPECT_EQ(s.DesktopWPix, c.pix);
    EXPECT_EQ(s.DesktopHPix, QString(c.pix) == "4000" ? "2000" : c.pix);
    EXPECT_EQ(s.DesktopWPag, c.pag);
    EXPECT_EQ(s.DesktopHPag, QString(c.pag) == "4" ? "2" : c.pag);
    EXPECT_LE(std::abs(s.DefEntity->Font()->Height()), ui::TFont::MaxHeight);
    EXPECT_LE(s.DefEntity->Pen()->Width(), ui::TPen::MaxWidth);
    EXPECT_LE(s.DefRelation->Pen()->Width(), ui::TPen::MaxWidth);
    // The samples paint at the zoom steps without overflow.
    ui::TDesktop desktop;
    auto* e = new TEntity(&desktop);
    e->SetParent(&desktop);
    e->SetBounds(10, 10, 120, 80);
    e->Assign(s.DefEntity);
    e->ChangeScale(200, 100);
    QImage img(300, 200, QImage::Format_RGB32);
    desktop.RenderTo(img);
    e->ChangeScale(50, 100);
    e->AdjustScaling(-1);
    EXPECT_EQ(e->Font()->Height(), s.DefEntity->Font()->Height());
  }
}

TEST_F(SamplesTest, CancelCopyAndFactoryReset) {
  TDesignSamples& s = Samples;
  s.DefEntity->Font()->SetSize(14);
  s.DesktopColor = ui::clAqua;
  s.DesktopWPix = "3000";
  s.SaveOld();
  const QString saved = SectionText(s, Path("saved.ini"));

  s.DefEntity->Font()->SetSize(20);
  s.DefProjectInfo->SetFormatStr("yyyy");
  s.SetCreateLabel(false);
  s.DesktopColor = ui::clRed;
  s.DesktopWPix = "";
  s.RestoreOld();
  EXPECT_EQ(SectionText(s, Path("restored.ini")), saved);

  s.DesktopWPix = "";
  s.SaveOld();
  EXPECT_EQ(s.OldDesktopWPix, 0); // an empty size reads as 0

  s.DesktopWPag = "7";
  s.ResetToInit();
  EXPECT_EQ(s.DefEntity->Font()->Height(), -11);
  EXPECT_EQ(s.DesktopColor, ui::clWhite);
  EXPECT_TRUE(s.CreateLabel());
  EXPECT_EQ(s.DesktopWPag, "7"); // sizes are not reset
}

TEST_F(SamplesTest, ApplyingAtHalfZoomScalesCopiesAndNeverTheSamples) {
  TDesignSamples& s = Samples;
  s.DefEntity->Font()->SetSize(9); // odd: halving and doubling would give 10
  s.DefTextLabel->Font()->SetSize(11);
  s.DefNote->Brush()->SetColor(ui::clTeal);
  s.DefRelation->Pen()->SetColor(ui::clMaroon);
  s.DesktopColor = ui::clSilver;
  const QString before = SectionText(s, Path("before.ini"));

  ui::TDesktop desktop;
  auto* entity = new TEntity(&desktop);
  entity->SetParent(&desktop);
  auto* note = new TNote(&desktop);
  note->SetParent(&desktop);
  auto* relation = new TRelation(&desktop);
  relation->SetParent(&desktop);
  relation->SetTag(0);
  auto* relationLabel = new TTextLabel(&desktop);
  relationLabel->SetParent(&desktop);
  relationLabel->SetTag(reinterpret_cast<intptr_t>(relation));
  auto* freeLabel = new TTextLabel(&desktop);
  freeLabel->SetParent(&desktop);
  freeLabel->Brush()->SetColor(ui::clLime);
  auto* info = new TProjectInfo(&desktop);
  info->SetParent(&desktop);
  auto* point = new TEntryPoint(&desktop);
  point->SetParent(&desktop);

  s.ApplyTo(&desktop, 500);
  EXPECT_EQ(entity->Font()->Size(), 5);
  EXPECT_EQ(relationLabel->Font()->Size(), 6);
  EXPECT_EQ(note->Brush()->Color(), ui::clTeal);
  EXPECT_EQ(relation->Pen()->Color(), ui::clMaroon);
  EXPECT_EQ(relation->Tag(), 0);                      // the create-labels flag is no look
  EXPECT_EQ(freeLabel->Brush()->Color(), ui::clLime); // free labels keep their look
  EXPECT_EQ(info->FormatStr(), s.DefProjectInfo->FormatStr());
  EXPECT_EQ(point->Brush()->Color(), ui::clRed);
  EXPECT_EQ(desktop.Color(), ui::clSilver);
  EXPECT_EQ(SectionText(s, Path("half.ini")), before);

  s.ApplyTo(&desktop, 1000);
  EXPECT_EQ(entity->Font()->Size(), 9);
  EXPECT_EQ(relationLabel->Font()->Size(), 11);
  s.ApplyTo(&desktop, 2000);
  EXPECT_EQ(entity->Font()->Size(), 18);
  EXPECT_EQ(SectionText(s, Path("after.ini")), before);
}

} // namespace
