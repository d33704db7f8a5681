// The schema window: desktop size and colour from the settings, zoom steps and their exact
// return to 100 %, the rulers' page marks and the close query.
#include "FakeDesignHost.h"

#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/CreateComp.h"
#include "editor/DesignSamples.h"
#include "editor/Ruler.h"
#include "editor/VisualModel.h"
#include "editor/frmBrowser.h"
#include "editor/frmDesign.h"
#include "diagram/ScrolledScrollBox.h"
#include "ui/ImageList.h"
#include "ui/Exception.h"
#include "ui/MB.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// An element that records how the window scales it.
class ScaleProbe : public TMorvikAbstract {
public:
  using TMorvikAbstract::TMorvikAbstract;
  void ChangeScale(int M, int D) override {
    Steps.emplace_back(M, D);
    TMorvikAbstract::ChangeScale(M, D);
  }
  void AdjustAfterScaling() override { ++Adjusted; }
  void AdjustScaling(const int FontSize) override { Resets.push_back(FontSize); }
  std::vector<std::pair<int, int>> Steps;
  int Adjusted = 0;
  std::vector<int> Resets;
};

class DesignWindow : public ::testing::Test {
protected:
  DesignWindow() {
    TDesignSamples::SetCurrent(&samples);
    SetDesignImages(&images);
  }
  ~DesignWindow() override {
    SetDesignImages(nullptr);
    TDesignSamples::SetCurrent(nullptr);
  }
  std::unique_ptr<TfrmDesign> NewDesign() {
    auto design = std::make_unique<TfrmDesign>(&host);
    design->setAttribute(Qt::WA_DeleteOnClose, false);
    return design;
  }
  void Show(TfrmDesign* Design) {
    Design->resize(700, 500);
    Design->show();
    QApplication::processEvents();
  }

  TDesignSamples samples;
  ui::TImageList images{nullptr};
  FakeDesignHost host;
};

TEST_F(DesignWindow, DesktopSizeAndColourComeFromTheSettings) {
  struct Case {
    const char* WPag;
    const char* HPag;
    const char* WPix;
    const char* HPix;
    QSize Page;
    std::array<int, 4> Expected; // pages across and down, pixels across and down
  };
  const Case cases[] = {
      {"4", "2", "4000", "2000", QSize(), {0, 0, 4000, 2000}},
      {"4", "2", "4000", "2000", QSize(800, 1100), {4, 2, 3200, 2200}},
      {"0", "2", "3000", "1500", QSize(800, 1100), {0, 0, 3000, 1500}},
      {"3", "2", "2500", "1200", QSize(), {0, 0, 2500, 1200}},
      // Settings that hold no usable number fall back to the defaults.
      {"abc", "2", "4000", "2000", QSize(800, 1100), {1, 2, 800, 2200}},
      {"101", "", "4000", "2000", QSize(800, 1100), {1, 1, 800, 1100}},
      {"4", "2", "x", "-5", QSize(), {0, 0, 4000, 2000}},
      {"4", "2", "99999999999", "0", QSize(), {0, 0, 4000, 2000}},
  };
  samples.DesktopColor = ui::clYellow;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.WPag) + "/" + c.HPag + "/" + c.WPix + "/" + c.HPix);
    samples.DesktopWPag = c.WPag;
    samples.DesktopHPag = c.HPag;
    samples.DesktopWPix = c.WPix;
    samples.DesktopHPix = c.HPix;
    host.PageSize = c.Page;
    auto design = NewDesign();
    const std::array<int, 4> size{design->DesktopWidthPag(), design->DesktopHeightPag(),
                                  design->DesktopWidthPix(), design->DesktopHeightPix()};
    EXPECT_EQ(size, c.Expected);
    EXPECT_EQ(design->HorzRange(), c.Expected[2]);
    EXPECT_EQ(design->Desktop->width(), c.Expected[2]);
    EXPECT_EQ(design->Desktop->height(), c.Expected[3]);
    EXPECT_EQ(design->Desktop->Color(), ui::clYellow);
    EXPECT_EQ(design->Zoom(), 1000);
    EXPECT_FALSE(design->Modified());
  }
}

TEST_F(DesignWindow, TheViewStartsInTheMiddleOfTheDesktop) {
  auto design = NewDesign();
  Show(design.get());
  const QScrollBar* h = design->sbxDesktop->horizontalScrollBar();
  const QScrollBar* v = design->sbxDesktop->verticalScrollBar();
  EXPECT_EQ(h->value(), std::min(2000, h->maximum()));
  EXPECT_EQ(v->value(), std::min(1000, v->maximum()));
  EXPECT_EQ(h->maximum(), 4000 - design->ClientWidth());
}

TEST_F(DesignWindow, ASmallerDesktopPullsElementsBackInside) {
  auto design = NewDesign();
  TEntity* e =
      CreateEntity(design->Desktop, 1, 1, "Entity_1", "Entita_1", 3900, 1900, 80, 60, true, false, false, {});
  design->VisualModel->AddEntity(e);
  EXPECT_FALSE(design->SetDesktopSize(0, 0, 4000, 2000));
  EXPECT_EQ(e->Left(), 3900);
  EXPECT_TRUE(design->SetDesktopSize(0, 0, 3000, 1500));
  EXPECT_EQ(e->Left(), 3000 - e->Width());
  EXPECT_EQ(e->Top(), 1500 - e->Height());
  EXPECT_EQ(design->Desktop->width(), 3000);
}

TEST_F(DesignWindow, ElementNamesAreUniqueOnTheDesktop) {
  auto design = NewDesign();
  TEntity* first =
      CreateEntity(design->Desktop, 1, 1, "Entity_1", "Entita_1", 10, 10, 80, 60, true, false, true, {});
  const int count = design->Desktop->ComponentCount();
  EXPECT_THROW(
      CreateEntity(design->Desktop, 1, 1, "ENTITY_1", "Entita_1", 200, 10, 80, 60, true, false, true, {}),
      ui::Exception);
  EXPECT_EQ(design->Desktop->ComponentCount(), count);
  EXPECT_EQ(design->Desktop->FindComponent("Entity_1"), first);
  EXPECT_THROW(CreateNote(design->Desktop, 1, 1, "Entity_1", "x", 0, 0, 50, 50, false, {}), ui::Exception);
  EXPECT_EQ(design->Desktop->ComponentCount(), count);
}

TEST_F(DesignWindow, ZoomGoesInHalvingAndDoublingSteps) {
  auto design = NewDesign();
  auto* probe = new ScaleProbe(design->Desktop);
  probe->SetParent(design->Desktop);
  probe->SetBounds(800, 400, 160, 80);

  design->SetZoomCentered(125);
  EXPECT_EQ(design->Zoom(), 125);
  EXPECT_EQ(probe->Steps, (std::vector<std::pair<int, int>>{{500, 1000}, {250, 500}, {125, 250}}));
  EXPECT_EQ(probe->Adjusted, 1);
  EXPECT_TRUE(probe->Resets.empty());
  EXPECT_EQ(design->HorzRange(), 500);
  EXPECT_EQ(design->Desktop->width(), 500);
  EXPECT_EQ(host.ShownZooms.back(), 125);

  probe->Steps.clear();
  design->SetZoomCentered(1000);
  EXPECT_EQ(probe->Steps, (std::vector<std::pair<int, int>>{{250, 125}, {500, 250}, {1000, 500}}));
  EXPECT_EQ(probe->Adjusted, 2);
  EXPECT_EQ(probe->Resets, std::vector<int>{-1});
  EXPECT_EQ(host.ShownZooms.back(), 1000);

  // A value between the steps stops at the first step not beyond it; the range is 125..4000.
  design->SetZoomCentered(300);
  EXPECT_EQ(design->Zoom(), 250);
  design->SetZoomCentered(9000);
  EXPECT_EQ(design->Zoom(), 4000);
  probe->Steps.clear();
  design->SetZoomCentered(4000);
  EXPECT_TRUE(probe->Steps.empty());
}

QImage Picture(TfrmDesign* Design) {
  QImage image(900, 700, QImage::Format_RGB32);
  Design->Desktop->RenderTo(image, ui::TPoint{0, 0});
  return image;
}

TEST_F(DesignWindow, ZoomingOutAndBackGivesThePictureBackPixelForPixel) {
  auto design = NewDesign();
  Show(design.get());
  ui::TDesktop* d = design->Desktop;
  TVisualModel& doc = *design->VisualModel;
  TEntity* a = CreateEntity(d, 1, 1, "Entity_1", "Zákazník", 37, 53, 0, 0, true, false, true, {});
  a->Attributes()->Add("ID", "INTEGER", 1);
  a->Attributes()->Add("JMENO", "VARCHAR(40)", 0);
  TEntity* b = CreateEntity(d, 1, 1, "Entity_2", "Objednávka", 413, 291, 0, 0, true, false, true, {});
  b->Attributes()->Add("CISLO", "INTEGER", 1);
  doc.AddEntity(a);
  doc.AddEntity(b);
  TNote* n = CreateNote(d, 1, 1, "Note_1", "Poznámka\nna dva řádky", 611, 29, 131, 67, false, {});
  doc.AddNote(n);
  TRelation* r = CreateRelation(d, 1, 1, "Relation_1", a, 45, 33, b, 21, 13, rkNone, {});
  ASSERT_NE(r, nullptr);
  doc.AddRelation(r);
  TTextLabel* label = CreateTextLabel(d, 1, 1, "TextLabel_1", "FK_1", 0, 0, {});
  label->SetTag(reinterpret_cast<intptr_t>(r));
  r->SetMainLabel(label);
  doc.AddTextLabel(label);
  TTextLabel* free = CreateTextLabel(d, 1, 1, "TextLabel_2", "Volný text", 97, 517, {});
  doc.AddTextLabel(free);
  design->SetZoomCentered(1000 / 2);
  design->SetZoomCentered(1000);
  const QImage before = Picture(design.get());
  const int h = design->sbxDesktop->HorzPosition(), v = design->sbxDesktop->VertPosition();

  design->SetZoomCentered(125);
  EXPECT_EQ(a->Images(), nullptr);
  EXPECT_NE(Picture(design.get()), before);
  design->SetZoomCentered(1000);
  EXPECT_EQ(a->Images(), &images);
  EXPECT_EQ(Picture(design.get()), before);
  EXPECT_EQ(design->sbxDesktop->HorzPosition(), h);
  EXPECT_EQ(design->sbxDesktop->VertPosition(), v);

  // An element moved while zoomed keeps its move; the others return exactly.
  design->SetZoomCentered(250);
  n->SetBounds(20, 20, n->Width(), n->Height());
  design->SetZoomCentered(1000);
  EXPECT_EQ(n->Left(), 80);
  EXPECT_EQ(a->Left(), 37);
  EXPECT_EQ(b->Top(), 291);
}

TEST_F(DesignWindow, ZoomCentresThePointByTheExactRatio) {
  auto design = NewDesign();
  Show(design.get());
  design->sbxDesktop->SetHorzPosition(1001);
  design->sbxDesktop->SetVertPosition(503);
  const int cw = design->ClientWidth(), ch = design->ClientHeight();
  design->SetZoom(2000, 101, 77);
  EXPECT_EQ(design->sbxDesktop->HorzPosition(), (101 + 1001) * 2 - cw / 2);
  EXPECT_EQ(design->sbxDesktop->VertPosition(), (77 + 503) * 2 - ch / 2);
  design->SetZoom(500, 300, 200);
  const int h2 = design->sbxDesktop->HorzPosition();
  EXPECT_EQ(design->sbxDesktop->HorzPosition(), std::max(0, (300 + (101 + 1001) * 2 - cw / 2) / 4 - cw / 2));
  EXPECT_GE(h2, 0);
}

TEST(DesignRuler, PageLettersGoOnPastZ) {
  const std::pair<int, const char*> cases[] = {{0, "A"},   {1, "B"},   {25, "Z"},  {26, "AA"},  {27, "AB"},
                                               {51, "AZ"}, {52, "BA"}, {99, "CV"}, {701, "ZZ"}, {702, "AAA"}};
  for (const auto& [index, letters] : cases) EXPECT_EQ(TfrmDesign::PageLetter(index), letters) << index;
}

bool IsBlackColumn(const QImage& Image, int X) {
  for (int y = 0; y < Image.height(); ++y)
    if (Image.pixelColor(X, y) != Qt::black) return false;
  return true;
}

bool IsBlackRow(const QImage& Image, int Y) {
  for (int x = 0; x < Image.width(); ++x)
    if (Image.pixelColor(x, Y) != Qt::black) return false;
  return true;
}

TEST_F(DesignWindow, RulersMarkThePrinterPages) {
  host.PageSize = QSize(200, 150);
  samples.DesktopWPag = "3";
  samples.DesktopHPag = "4";
  auto design = NewDesign();
  Show(design.get());
  // The component browser gives its room to the desktop, so that the ruler ends beyond it.
  design->ToggleDockedWindow(design->Browser, true);
  QApplication::processEvents();
  ASSERT_EQ(design->HorzRange(), 600);
  design->sbxDesktop->SetHorzPosition(0);
  design->sbxDesktop->SetVertPosition(0);
  QImage top = design->pbTopRuler->grab().toImage();
  QImage left = design->pbLeftRuler->grab().toImage();
  ASSERT_EQ(top.height(), TfrmDesign::RulerSize);
  for (int x : {17, 217, 417}) EXPECT_TRUE(IsBlackColumn(top, x)) << x;
  EXPECT_FALSE(IsBlackColumn(top, 117));
  for (int y : {0, 150, 300}) EXPECT_TRUE(IsBlackRow(left, y)) << y;
  EXPECT_FALSE(IsBlackRow(left, 75));
  // Beyond the desktop the ruler is hatched.
  const QColor face = design->palette().color(QPalette::Button);
  EXPECT_EQ(top.pixelColor(600 + 17 - 3, 10), face);
  bool white = false;
  for (int x = 618; x < std::min(top.width(), 640); ++x) white = white || top.pixelColor(x, 8) == Qt::white;
  EXPECT_TRUE(white);

  // At 50 % the marks come every half page, and after scrolling they move with the view.
  design->SetZoomCentered(500);
  design->sbxDesktop->SetHorzPosition(0);
  top = design->pbTopRuler->grab().toImage();
  for (int x : {17, 117, 217}) EXPECT_TRUE(IsBlackColumn(top, x)) << x;

  host.PageSize = QSize();
  design->RepaintRulers(TfrmDesign::rulBoth);
  top = design->pbTopRuler->grab().toImage();
  EXPECT_FALSE(IsBlackColumn(top, 117));
}

// Answers the message box that the next close opens.
void Answer(const char* Caption, QString* Asked) {
  QTimer::singleShot(0, [Caption, Asked] {
    auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    *Asked = box->lMsg->text();
    for (QPushButton* b : box->Buttons())
      if (b->text() == QString::fromUtf8(Caption)) b->click();
  });
}

class SavingDesign : public TfrmDesign {
public:
  using TfrmDesign::TfrmDesign;
  bool Save() override {
    ++Saves;
    return SaveSucceeds;
  }
  int Saves = 0;
  bool SaveSucceeds = true;
};

TEST_F(DesignWindow, CloseAsksAboutAModifiedSchema) {
  struct Case {
    const char* Button;
    bool SaveSucceeds;
    bool Closed;
    int Saves;
  };
  const Case cases[] = {
      {"&Zrušit", true, false, 0},
      {"&Ne", true, true, 0},
      {"&Ano", true, true, 1},
      {"&Ano", false, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Button);
    auto* design = new SavingDesign(&host);
    QPointer<TfrmDesign> alive(design);
    design->SaveSucceeds = c.SaveSucceeds;
    design->SetFileName("", "Nepojmenovaný 1");
    design->SetModified(true, mkDrawing);
    QString asked;
    Answer(c.Button, &asked);
    design->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(asked, QStringLiteral("Projekt Nepojmenovaný 1 byl změněn\nChcete uložit změny?"));
    EXPECT_EQ(alive.isNull(), c.Closed);
    if (alive) {
      EXPECT_EQ(design->Saves, c.Saves);
      delete design;
    }
  }
  // An unmodified schema closes without a question.
  auto* design = new TfrmDesign(&host);
  QPointer<TfrmDesign> alive(design);
  design->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
}

TEST_F(DesignWindow, CaptionAndModifiedState) {
  auto design = NewDesign();
  design->VisualModel->DBModelName = "InterBase 6";
  design->SetFileName("", "Nepojmenovaný 2");
  EXPECT_EQ(design->windowTitle(), "Nepojmenovaný 2 (InterBase 6)");
  design->SetFileName("/tmp/a/schema.xml", "ignored");
  EXPECT_EQ(design->windowTitle(), "schema.xml (InterBase 6)");
  EXPECT_EQ(design->VisualModel->FileName, "/tmp/a/schema.xml");

  const int changes = host.ModifiedChanges;
  design->SetModified(true, mkDrawing);
  design->SetModified(true, mkDrawing);
  EXPECT_EQ(host.ModifiedChanges, changes + 1);
  EXPECT_TRUE(design->VisualModel->UpdatedAt.isValid());
  design->SetModified(false, mkNothing);
  EXPECT_EQ(host.ModifiedChanges, changes + 2);
}

} // namespace
