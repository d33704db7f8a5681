#include "app/frmDesignSetting.h"

#include "app/DesignSettingTarget.h"
#include "app/frmDateTimeSetting.h"
#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "ui/Desktop.h"
#include "ui/IniFile.h"
#include "ui/MB.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString Section = QStringLiteral("Design_Setting");

// An open schema window as the settings window sees it.
class FakeDesign : public TDesignSettingTarget {
public:
  ui::TDesktop* DesignDesktop() override { return &Desktop; }
  int DesignZoom() const override { return Zoom; }
  void GetDesktopSize(int& WPag, int& HPag, int& WPix, int& HPix) const override {
    WPag = Size[0];
    HPag = Size[1];
    WPix = Size[2];
    HPix = Size[3];
  }
  bool SetDesktopSize(int WPag, int HPag, int WPix, int HPix) override {
    ++SizeCalls;
    const std::array<int, 4> size{WPag, HPag, WPix, HPix};
    const bool changed = size != Size;
    Size = size;
    return changed;
  }
  void SetModified(bool Modified, TModifiedKind Kind) override {
    if (Modified) ModifiedKinds.push_back(Kind);
  }

  ui::TDesktop Desktop;
  int Zoom = 1000;
  std::array<int, 4> Size{0, 0, 3000, 1500};
  int SizeCalls = 0;
  std::vector<int> ModifiedKinds;
};

QString Settings(const TfrmDesignSetting& Dialog, const QString& Path) {
  QFile::remove(Path);
  TIniFile ini(Path);
  Dialog.WriteSettings(ini, Section);
  EXPECT_TRUE(ini.UpdateFile());
  QFile f(Path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return QString::fromUtf8(f.readAll());
}

// A scalable family other than the samples' own.
QString OtherFamily() {
  for (const QString& family : QFontDatabase::families())
    if (QFontDatabase::isScalable(family) && family != "Arial") return family;
  return QString();
}

// Answers the next modal dialog (a font, colour or message box) from inside its loop.
void AnswerNext(std::function<void(QWidget*)> Action) {
  QTimer::singleShot(0, [Action] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    Action(modal);
  });
}

void ChooseColor(QColorDialog* Dialog, QColor Color) {
  AnswerNext([Dialog, Color](QWidget*) {
    Dialog->setCurrentColor(Color);
    Dialog->accept();
  });
}

QString BuildFile(const char* Name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(Name));
}

class DesignSettingTest : public ::testing::Test {
protected:
  void Select(const char* Item) {
    const auto items = Dialog.lbxComponents->findItems(QString::fromUtf8(Item), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    Dialog.lbxComponents->setCurrentItem(items[0]);
  }
  void ChooseFont(const QString& Family, int Points) {
    AnswerNext([this, Family, Points](QWidget*) {
      QFont f(Family);
      f.setPointSize(Points);
      Dialog.fdFont->setCurrentFont(f);
      Dialog.fdFont->accept();
    });
    Dialog.btnFont->click();
  }

  QTemporaryDir Dir;
  TfrmDesignSetting Dialog;
};

TEST_F(DesignSettingTest, ItemsEnableTheirButtonsAndShowTheirSample) {
  Dialog.FormActivate();
  EXPECT_EQ(Dialog.lbxComponents->currentRow(), 0);
  EXPECT_EQ(Dialog.CurrentSample(), nullptr);
  const struct {
    const char* Item;
    bool Font, Effect3D, Brush, Pen, Time;
  } cases[] = {
      {"Plocha", false, false, true, true, false},        {"Entita", true, true, true, false, false},
      {"Poznámka", true, true, true, false, false},       {"Razítko", true, true, true, false, true},
      {"Vstupní bod", false, false, true, true, false},   {"Relace (šipka)", false, false, true, true, false},
      {"Popiska relace", true, false, true, true, false}, {"Text", true, false, true, true, false},
  };
  for (const auto& c : cases) {
    Select(c.Item);
    EXPECT_EQ(Dialog.btnFont->isEnabled(), c.Font) << c.Item;
    EXPECT_EQ(Dialog.chbx3D->isEnabled(), c.Effect3D) << c.Item;
    EXPECT_EQ(Dialog.btnBrushColor->isEnabled(), c.Brush) << c.Item;
    EXPECT_EQ(Dialog.btnPenColor->isEnabled(), c.Pen) << c.Item;
    EXPECT_EQ(Dialog.btnDTSetting->isEnabled(), c.Time) << c.Item;
    EXPECT_EQ(Dialog.lFontName->isVisibleTo(&Dialog), c.Font) << c.Item;
    int shown = 0;
    for (int i = 0; i < Dialog.pbDesktop->ControlCount(); ++i)
      if (Dialog.pbDesktop->Control(i)->Visible()) ++shown;
    TMorvikGraphic* sample = Dialog.CurrentSample();
    EXPECT_EQ(shown, sample ? 1 : 0) << c.Item;
    if (sample && sample != Dialog.Samples().DefRelation) {
      EXPECT_EQ(sample->Left(), (Dialog.pnExample->width() - sample->Width()) / 2) << c.Item;
      EXPECT_EQ(sample->Top(), (Dialog.pnExample->height() - sample->Height()) / 2) << c.Item;
    }
  }
  Select("Entita");
  EXPECT_EQ(Dialog.lFontName->text(), "Arial, 8");
  EXPECT_EQ(Dialog.Samples().DefEntity->Caption(), "Osoba");
  EXPECT_EQ(Dialog.Samples().DefEntity->Attributes()->Count(), 3);
  EXPECT_EQ(Dialog.Samples().DefNote->Lines().size(), 5);
  EXPECT_EQ(Dialog.Samples().DefProjectInfo->Project(), "Firemní IS");
  EXPECT_EQ(Dialog.Samples().DefTextLabel->Caption(), "Popiska");
  EXPECT_EQ(TDesignSamples::Current(), &Dialog.Samples());
}

// The font dialog starts on the family that draws the sample's "Arial" and on the sample's own
// style; taken unchanged it leaves the stored name, height and style alone. The style is told
// by its name in the family's list: the regular one must not fall back to the first entry
// (Bold), which Qt's Czech name for a normal weight would give.
TEST_F(DesignSettingTest, TheFontDialogOpensOnTheDrawnFontAndAnUnchangedChoiceKeepsIt) {
  Dialog.FormActivate();
  Select("Entita");
  ui::TFont* font = Dialog.Samples().DefEntity->Font();
  ASSERT_EQ(font->Name(), "Arial");
  ASSERT_EQ(font->Height(), -11);
  for (const ui::TFontStyles style : {0u, unsigned(ui::fsBold), unsigned(ui::fsItalic),
                                      unsigned(ui::fsBold | ui::fsItalic), unsigned(ui::fsUnderline)}) {
    font->SetStyle(style);
    AnswerNext([this, style](QWidget* W) {
      ASSERT_EQ(W, Dialog.fdFont);
      const QFont shown = Dialog.fdFont->currentFont();
      EXPECT_EQ(shown.family(), "Liberation Sans") << style;
      EXPECT_EQ(shown.pointSize(), 8) << style;
      EXPECT_EQ(shown.bold(), (style & ui::fsBold) != 0) << style;
      EXPECT_EQ(shown.italic(), (style & ui::fsItalic) != 0) << style;
      EXPECT_EQ(shown.underline(), (style & ui::fsUnderline) != 0) << style;
      Dialog.fdFont->accept();
    });
    Dialog.btnFont->click();
    EXPECT_EQ(font->Name(), "Arial") << style;
    EXPECT_EQ(font->Height(), -11) << style;
    EXPECT_EQ(font->Style(), style);
    EXPECT_EQ(Dialog.lFontName->text(), "Arial, 8") << style;
  }
}

TEST_F(DesignSettingTest, OkThenIniThenAFreshWindowGivesEveryKeyBack) {
  const QString family = OtherFamily();
  ASSERT_FALSE(family.isEmpty());
  Dialog.FormActivate();
  Select("Entita");
  ChooseFont(family, 12);
  EXPECT_EQ(Dialog.Samples().DefEntity->Font()->Name(), family);
  EXPECT_EQ(Dialog.Samples().DefEntity->Font()->Size(), 12);
  EXPECT_EQ(Dialog.lFontName->text(), family + ", 12");
  ChooseColor(Dialog.cdBrushColor, QColor(10, 20, 30));
  Dialog.btnBrushColor->click();
  EXPECT_EQ(Dialog.Samples().DefEntity->Brush()->Color(), 0x1E140A);
  Dialog.chbx3D->click();
  EXPECT_TRUE(Dialog.Samples().DefEntity->Effect3D());
  Select("Plocha");
  ChooseColor(Dialog.cdBrushColor, QColor(0, 0, 128));
  Dialog.btnBrushColor->click();
  EXPECT_EQ(Dialog.pbDesktop->Color(), 0x800000);
  ChooseColor(Dialog.cdPenColor, QColor(255, 0, 0));
  Dialog.btnPenColor->click();
  EXPECT_EQ(Dialog.Samples().DesktopLineColor, ui::clRed);
  Select("Vstupní bod");
  ChooseColor(Dialog.cdPenColor, QColor(0, 255, 0));
  Dialog.btnPenColor->click();
  EXPECT_EQ(Dialog.Samples().DefEntryPoint->Pen()->Color(), ui::clLime);
  Select("Razítko");
  AnswerNext([](QWidget* W) {
    auto* dt = qobject_cast<TfrmDateTimeSetting*>(W);
    ASSERT_NE(dt, nullptr);
    dt->edtDTFormat->setText("yyyy-mm-dd");
    EXPECT_EQ(dt->lblExample->text(), QDate::currentDate().toString("yyyy-MM-dd"));
    dt->btnOK->click();
  });
  Dialog.btnDTSetting->click();
  EXPECT_EQ(Dialog.Samples().DefProjectInfo->FormatStr(), "yyyy-mm-dd");
  Dialog.edDefDesktopWPix->setText("5000");
  Dialog.chbxCreateLabel->setChecked(false);
  Dialog.btnOK->click();
  EXPECT_EQ(Dialog.result(), mrOk);

  const QString written = Settings(Dialog, Dir.filePath("a.ini"));
  EXPECT_TRUE(written.contains("Desktop_WidthPix=5000\r\n"));
  EXPECT_TRUE(written.contains("Relation_CreateLabel=0\r\n"));
  TfrmDesignSetting fresh;
  fresh.ReadSettings(TIniFile(Dir.filePath("a.ini")), Section);
  EXPECT_EQ(Settings(fresh, Dir.filePath("b.ini")), written);
  EXPECT_EQ(fresh.edDefDesktopWPix->text(), "5000");
  EXPECT_FALSE(fresh.chbxCreateLabel->isChecked());
  EXPECT_EQ(fresh.pbDesktop->Color(), 0x800000);
}

TEST_F(DesignSettingTest, CancelRestoresAndAfterApplyReturnsToTheAppliedState) {
  Dialog.FormActivate();
  const QString opened = Settings(Dialog, Dir.filePath("opened.ini"));
  Select("Entita");
  ChooseFont(OtherFamily(), 14);
  Select("Plocha");
  ChooseColor(Dialog.cdBrushColor, QColor(0, 128, 0));
  Dialog.btnBrushColor->click();
  Dialog.edDefDesktopHPag->setText("");
  Dialog.btnCancel->click();
  EXPECT_EQ(Dialog.result(), mrCancel);
  EXPECT_EQ(Settings(Dialog, Dir.filePath("cancelled.ini")), opened);
  EXPECT_EQ(Dialog.pbDesktop->Color(), ui::clWhite);
  EXPECT_EQ(Dialog.edDefDesktopHPag->text(), "2");

  Dialog.FormActivate();
  Select("Poznámka");
  ChooseColor(Dialog.cdBrushColor, QColor(0, 0, 255));
  Dialog.btnBrushColor->click();
  Dialog.btnApply->click();
  const QString applied = Settings(Dialog, Dir.filePath("applied.ini"));
  ChooseColor(Dialog.cdBrushColor, QColor(255, 255, 0));
  Dialog.btnBrushColor->click();
  QTest::keyClick(&Dialog, Qt::Key_Escape);
  EXPECT_EQ(Settings(Dialog, Dir.filePath("escaped.ini")), applied);
  EXPECT_EQ(Dialog.Samples().DefNote->Brush()->Color(), ui::clBlue);
}

TEST_F(DesignSettingTest, FactoryResetKeepsTheDesktopSizes) {
  Dialog.FormActivate();
  Select("Text");
  ChooseColor(Dialog.cdBrushColor, QColor(1, 2, 3));
  Dialog.btnBrushColor->click();
  Dialog.edDefDesktopWPag->setText("6");
  Dialog.edDefDesktopHPix->setText("900");
  Dialog.chbxCreateLabel->setChecked(false);
  Dialog.btnDefault->click();
  EXPECT_EQ(Dialog.Samples().DefFreeTextLabel->Brush()->Color(),
            Dialog.Samples().InitFreeTextLabel->Brush()->Color());
  EXPECT_TRUE(Dialog.chbxCreateLabel->isChecked());
  EXPECT_EQ(Dialog.edDefDesktopWPag->text(), "6");
  EXPECT_EQ(Dialog.edDefDesktopHPix->text(), "900");
}

TEST_F(DesignSettingTest, DesktopPageFollowsTheSchemaAndThePrinter) {
  Dialog.FormActivate();
  Dialog.pgcOptions->setCurrentWidget(Dialog.tsDesktop);
  EXPECT_TRUE(Dialog.DesktopPageVisited());
  EXPECT_FALSE(Dialog.grbActDesktopSize->isEnabled());
  EXPECT_EQ(Dialog.lPageSize->text(), "Tiskárna nebyla detekována");

  Dialog.FormActivate();
  EXPECT_FALSE(Dialog.DesktopPageVisited());

  FakeDesign design;
  // A schema without a printer: only the pixel edits.
  QTimer::singleShot(0, [this] {
    Dialog.pgcOptions->setCurrentWidget(Dialog.tsDesktop);
    EXPECT_TRUE(Dialog.grbActDesktopSize->isEnabled());
    EXPECT_FALSE(Dialog.edActDesktopWPag->isEnabled());
    EXPECT_TRUE(Dialog.edActDesktopWPix->isEnabled());
    EXPECT_EQ(Dialog.edActDesktopWPix->text(), "3000");
    EXPECT_EQ(Dialog.edActDesktopHPix->text(), "1500");
    EXPECT_EQ(Dialog.lPageSize->text(), "Tiskárna nebyla detekována");
    const QImage page = Dialog.grab().toImage();
    EXPECT_TRUE(page.save(BuildFile("design-setting-desktop.png")));
    Dialog.btnCancel->click();
  });
  Dialog.Execute(&design);

  Dialog.PrinterPageSize = [] { return QSize(794, 1123); };
  QTimer::singleShot(0, [this] {
    Dialog.pgcOptions->setCurrentWidget(Dialog.tsDesktop);
    EXPECT_TRUE(Dialog.edActDesktopWPag->isEnabled());
    EXPECT_FALSE(Dialog.edActDesktopWPix->isEnabled());
    EXPECT_EQ(Dialog.lPageSize->text(), "794 x 1123 pixelů");
    Dialog.edActDesktopWPag->setText("2");
    Dialog.edActDesktopHPag->setText("3");
    Dialog.btnOK->click();
  });
  EXPECT_EQ(Dialog.Execute(&design), mrOk);
  EXPECT_EQ(design.Size, (std::array<int, 4>{2, 3, 2 * 794, 3 * 1123}));
  EXPECT_EQ(design.ModifiedKinds, std::vector<int>{1});
}

TEST_F(DesignSettingTest, SizeEditsTakeOnlyDigits) {
  QLineEdit* edit = Dialog.edDefDesktopWPix;
  edit->setFocus();
  edit->clear();
  QTest::keyClicks(edit, "12a");
  EXPECT_EQ(edit->text(), "12");
  EXPECT_EQ(edit->cursorPosition(), 2);
  edit->setText("1234");
  edit->setCursorPosition(2);
  QTest::keyClicks(edit, "x");
  EXPECT_EQ(edit->text(), "1234");
  EXPECT_EQ(edit->cursorPosition(), 3); // after the keystroke, within the new length
  EXPECT_EQ(Dialog.Samples().DesktopWPix, "1234");
  Dialog.edActDesktopHPag->setText("-7 px");
  EXPECT_EQ(Dialog.edActDesktopHPag->text(), "7");
}

TEST_F(DesignSettingTest, ApplyAtHalfZoomAndBackLeavesEverySampleAsItWas) {
  FakeDesign half, full;
  half.Zoom = 500;
  auto* entity = new TEntity(&half.Desktop);
  entity->SetParent(&half.Desktop);
  auto* label = new TTextLabel(&half.Desktop);
  label->SetParent(&half.Desktop);
  label->SetTag(1);
  auto* fullEntity = new TEntity(&full.Desktop);
  fullEntity->SetParent(&full.Desktop);
  Dialog.OpenDesigns = [&] { return std::vector<TDesignSettingTarget*>{&half, &full}; };

  Dialog.FormActivate();
  Select("Entita");
  ChooseFont(OtherFamily(), 9);
  Select("Plocha");
  ChooseColor(Dialog.cdBrushColor, QColor(200, 200, 200));
  Dialog.btnBrushColor->click();
  const QString before = Settings(Dialog, Dir.filePath("before.ini"));
  Dialog.btnApply->click();
  EXPECT_EQ(entity->Font()->Size(), 5); // half of 9, rounded
  EXPECT_EQ(fullEntity->Font()->Size(), 9);
  EXPECT_EQ(label->Font()->Size(), 4);
  EXPECT_EQ(half.Desktop.Color(), 0xC8C8C8);
  EXPECT_EQ(half.SizeCalls, 0); // the desktop page was not visited
  half.Zoom = 1000;
  Dialog.btnApply->click();
  EXPECT_EQ(entity->Font()->Size(), 9);
  EXPECT_EQ(Settings(Dialog, Dir.filePath("after.ini")), before);
}

TEST_F(DesignSettingTest, AnEmptyOrZeroSizeIsRefusedAndNothingChanges) {
  FakeDesign design;
  auto* entity = new TEntity(&design.Desktop);
  entity->SetParent(&design.Desktop);
  const ui::TColor entityBrush = entity->Brush()->Color();
  Dialog.OpenDesigns = [&] { return std::vector<TDesignSettingTarget*>{&design}; };
  for (const char* bad : {"", "0", "000"}) {
    QTimer::singleShot(0, [this, bad] {
      Dialog.pgcOptions->setCurrentWidget(Dialog.tsDesktop);
      Dialog.edActDesktopWPix->setText(QString::fromLatin1(bad));
      QString shown;
      AnswerNext([&shown](QWidget* W) {
        auto* box = qobject_cast<TfMB*>(W);
        ASSERT_NE(box, nullptr);
        shown = box->lMsg->text();
        box->grab().save(BuildFile("design-setting-refused.png"));
        QTest::keyClick(box, Qt::Key_Escape);
      });
      Dialog.btnOK->click();
      EXPECT_FALSE(shown.isEmpty()) << bad;
      EXPECT_TRUE(Dialog.isVisible()) << bad; // OK did not close
      Dialog.btnCancel->click();
    });
    EXPECT_EQ(Dialog.Execute(&design), mrCancel);
    EXPECT_EQ(design.SizeCalls, 0) << bad;
    EXPECT_EQ(entity->Brush()->Color(), entityBrush) << bad;
    EXPECT_EQ(design.Desktop.Color(), ui::clWhite) << bad;
  }
  Dialog.edDefDesktopHPag->setText("");
  AnswerNext([](QWidget* W) { QTest::keyClick(W, Qt::Key_Escape); });
  EXPECT_FALSE(Dialog.Apply()); // a default size too
}

TEST_F(DesignSettingTest, RenderingsOfTheSamples) {
  Dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Dialog));
  for (const auto& [item, file] : std::initializer_list<std::pair<const char*, const char*>>{
           {"Entita", "design-setting-entity.png"},
           {"Poznámka", "design-setting-note.png"},
           {"Razítko", "design-setting-projectinfo.png"},
           {"Relace (šipka)", "design-setting-relation.png"},
           {"Popiska relace", "design-setting-label.png"}}) {
    Select(item);
    const QImage shot = Dialog.grab().toImage();
    EXPECT_TRUE(shot.save(BuildFile(file))) << file;
    // The preview shows the sample where it stands and the desktop's colour everywhere else:
    // a box filled with its brush and drawn in black (border or text), the relation (between
    // two hidden boxes) as a black line with its symbols across its bounds.
    TMorvikGraphic* sample = Dialog.CurrentSample();
    ASSERT_NE(sample, nullptr) << item;
    const ui::TRect drawn = sample->BoundsRect();
    const bool relation = dynamic_cast<TRelation*>(sample) != nullptr;
    const QImage preview = Dialog.pnExample->grab().toImage();
    const QRgb desktop = ui::ColorToQColor(Dialog.Samples().DesktopColor).rgb();
    const QRgb brush = ui::ColorToQColor(sample->Brush()->Color()).rgb(), black = QColor(Qt::black).rgb();
    int outside = 0, filled = 0, inBlack = 0;
    for (int y = 0; y < preview.height(); ++y)
      for (int x = 0; x < preview.width(); ++x) {
        const QRgb p = preview.pixel(x, y);
        if (!ui::PtInRect(drawn, ui::Point(x, y)))
          outside += p != desktop;
        else if (p == black)
          ++inBlack;
        else if (p == brush)
          ++filled;
      }
    EXPECT_EQ(outside, 0) << item;
    if (relation)
      EXPECT_GE(inBlack, drawn.Width()) << item;
    else {
      EXPECT_GT(filled, drawn.Width() * drawn.Height() / 4) << item;
      EXPECT_GE(inBlack, drawn.Width()) << item;
    }
  }
  Dialog.btnCancel->click();
}

} // namespace
