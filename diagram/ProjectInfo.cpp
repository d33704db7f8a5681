#include "diagram/ProjectInfo.h"

#include <QLocale>

#include <algorithm>
#include <array>

namespace {

const QString kRowSample = QStringLiteral("XyŠ");

// Length of the run of Letter (either case) at Pos.
int RunLength(const QString& Format, int Pos, QChar Letter) {
  int n = 0;
  while (Pos + n < Format.size() && Format[Pos + n].toLower() == Letter) ++n;
  return n;
}

QString Padded(int Value, int Width) { return QStringLiteral("%1").arg(Value, Width, 10, QLatin1Char('0')); }

} // namespace

QString FormatDateTime(const QString& Format, const QDateTime& Value) {
  const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
  const QDate d = Value.date();
  const QTime t = Value.time();
  QString out;
  bool afterHour = false; // m or mm right after an hour means minutes
  int i = 0;
  // One or two letters: the value as it stands or in two digits.
  auto oneOrTwoDigits = [&](QLatin1Char Letter, int Number) {
    const int n = std::min(RunLength(Format, i, Letter), 2);
    out += n == 1 ? QString::number(Number) : Padded(Number, 2);
    i += n;
  };
  // One to four letters (more count as four): the number as it stands, in two digits, the
  // short name, the long name (Name gives a name in the Czech locale's format).
  auto numberOrName = [&](int Letters, int Number, auto Name) {
    const int use = std::min(Letters, 4);
    if (use == 1)
      out += QString::number(Number);
    else if (use == 2)
      out += Padded(Number, 2);
    else
      out += Name(use == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
    i += use;
  };
  while (i < Format.size()) {
    const QChar c = Format[i];
    const QChar lc = c.toLower();
    if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
      const int end = Format.indexOf(c, i + 1);
      const int stop = end < 0 ? Format.size() : end;
      out += Format.mid(i + 1, stop - i - 1);
      i = stop + 1;
      continue;
    }
    if (lc == QLatin1Char('d')) {
      numberOrName(RunLength(Format, i, QLatin1Char('d')), d.day(),
                   [&](QLocale::FormatType Type) { return czech.dayName(d.dayOfWeek(), Type); });
      afterHour = false;
      continue;
    }
    if (lc == QLatin1Char('m')) {
      const int n = RunLength(Format, i, QLatin1Char('m'));
      if (afterHour && n <= 2) {
        oneOrTwoDigits(QLatin1Char('m'), t.minute());
      } else {
        numberOrName(n, d.month(),
                     [&](QLocale::FormatType Type) { return czech.monthName(d.month(), Type); });
      }
      afterHour = false;
      continue;
    }
    if (lc == QLatin1Char('y')) {
      const int n = RunLength(Format, i, QLatin1Char('y'));
      out += n <= 2 ? Padded(d.year() % 100, 2) : Padded(d.year(), 4);
      i += n;
      afterHour = false;
      continue;
    }
    if (lc == QLatin1Char('h')) {
      oneOrTwoDigits(QLatin1Char('h'), t.hour());
      afterHour = true;
      continue;
    }
    if (lc == QLatin1Char('n')) {
      oneOrTwoDigits(QLatin1Char('n'), t.minute());
      afterHour = false;
      continue;
    }
    if (lc == QLatin1Char('s')) {
      oneOrTwoDigits(QLatin1Char('s'), t.second());
      afterHour = false;
      continue;
    }
    if (lc == QLatin1Char('z')) {
      const int n = RunLength(Format, i, QLatin1Char('z'));
      const int use = n >= 3 ? 3 : 1;
      out += use == 1 ? QString::number(t.msec()) : Padded(t.msec(), 3);
      i += use;
      afterHour = false;
      continue;
    }
    out += c;
    ++i;
  }
  return out;
}

TProjectInfo::TProjectInfo(ui::TComponent* Owner) : TRectangle(Owner) {
  FCreatedAt = QDateTime::currentDateTime();
  FUpdatedAt = FCreatedAt;
  Brush()->SetColor(ui::clOlive);
  Font()->SetColor(ui::clYellow);
}

template <typename T>
void TProjectInfo::Store(T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  MyResizeAndInvalidate();
}

void TProjectInfo::SetProject(const QString& Value) { Store(FProject, Value); }
void TProjectInfo::SetModel(const QString& Value) { Store(FModel, Value); }
void TProjectInfo::SetSubModel(const QString& Value) { Store(FSubModel, Value); }
void TProjectInfo::SetVersion(const QString& Value) { Store(FVersion, Value); }
void TProjectInfo::SetDBServer(const QString& Value) { Store(FDBServer, Value); }
void TProjectInfo::SetAuthor(const QString& Value) { Store(FAuthor, Value); }
void TProjectInfo::SetFirm(const QString& Value) { Store(FFirm, Value); }
void TProjectInfo::SetCreatedAt(const QDateTime& Value) { Store(FCreatedAt, Value); }
void TProjectInfo::SetUpdatedAt(const QDateTime& Value) { Store(FUpdatedAt, Value); }
void TProjectInfo::SetFormatStr(const QString& Value) { Store(FFormatStr, Value); }

std::array<TProjectInfo::TRow, 9> TProjectInfo::Rows() const {
  return {{{QStringLiteral("Projekt: "), FProject},
           {QStringLiteral("Verze: "), FVersion},
           {QStringLiteral("Model: "), FModel},
           {QStringLiteral("Podmodel: "), FSubModel},
           {QStringLiteral("Autor: "), FAuthor},
           {QStringLiteral("Firma: "), FFirm},
           {QStringLiteral("DB Server: "), FDBServer},
           {QStringLiteral("Vytvořeno: "), FormatDateTime(FFormatStr, FCreatedAt)},
           {QStringLiteral("Upraveno: "), FormatDateTime(FFormatStr, FUpdatedAt)}}};
}

void TProjectInfo::CountNewWidthAndHeight(int& AWidth, int& AHeight) {
  if (!Parent()) return;
  ui::TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  FRowHeight = c->TextHeight(kRowSample) + 1;
  FLabelWidth = 0;
  FValueWidth = 0;
  for (const TRow& row : Rows()) {
    FLabelWidth = std::max(FLabelWidth, c->TextWidth(row.Caption));
    FValueWidth = std::max(FValueWidth, c->TextWidth(row.Value));
  }
  AWidth = FValueWidth + FLabelWidth + 2 * FMargin + FMargin / 2;
  AHeight = 9 * FRowHeight + FExtraHeight;
}

bool TProjectInfo::CanResize(int& NewWidth, int& NewHeight) {
  CountNewWidthAndHeight(NewWidth, NewHeight);
  return true;
}

void TProjectInfo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  CanResize(AWidth, AHeight);
  TRectangle::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TProjectInfo::SetParent(ui::TDesktop* Value) {
  TRectangle::SetParent(Value);
  if (Value) MyResizeAndInvalidate();
}

void TProjectInfo::MyResizeAndInvalidate() {
  int w = Width(), h = Height();
  CountNewWidthAndHeight(w, h);
  if (w == Width() && h == Height()) {
    Invalidate();
    return;
  }
  SetBounds(Left(), Top(), w, h);
  TellHimAboutMyChange();
}

void TProjectInfo::RepaintRequest(ui::TObject* Sender) { MyResizeAndInvalidate(); }
void TProjectInfo::FontChanged(ui::TObject* Sender) { MyResizeAndInvalidate(); }

void TProjectInfo::ChangeScale(int M, int D) {
  ScaleFont(M, D);
  FMargin = ui::MulDiv(FMargin, M, D);
  FExtraHeight = ui::MulDiv(FExtraHeight, M, D);
  TRectangle::ChangeScale(M, D);
}

void TProjectInfo::AdjustScaling(const int FontSize) {
  TRectangle::AdjustScaling(FontSize); // the font size, when one is given
  FExtraHeight = DefExtraHeight;
  FMargin = DefMargin;
  MyResizeAndInvalidate();
}

void TProjectInfo::Paint() {
  ui::TCanvas* c = CanvasWithOwnTextTools();
  const int W = Width(), H = Height(), M = FMargin;
  c->Polygon({{0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
  if (Effect3D()) {
    c->MoveTo(W - 2, 1);
    c->Pen()->SetColor(ui::clGray);
    c->LineTo(W - 2, H - 2);
    c->LineTo(1, H - 2);
    c->Pen()->SetColor(ui::clWhite);
    c->LineTo(1, 1);
    c->LineTo(W - 2, 1);
  }
  c->Pen()->SetColor(ui::clGray);
  const auto rows = Rows();
  int y = M;
  auto separator = [&] {
    c->MoveTo(M, y + 4);
    c->LineTo(W - M, y + 4);
    y += M;
  };
  for (int i = 0; i < 9; ++i) {
    c->TextOut(M, y, rows[i].Caption);
    c->TextOut(M + FLabelWidth + 5, y, rows[i].Value);
    y += FRowHeight;
    if (i == 0 || i == 5) separator();
  }
}

void TProjectInfo::PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY,
                                          const int X, const int Y, ui::TCanvas* Canvas) {
  if (!Canvas) return;
  auto sx = [&](int v) { return ui::MulDiv(v, MulX, DivX); };
  auto sy = [&](int v) { return ui::MulDiv(v, MulY, DivY); };
  const int x0 = X * MulX / DivX, y0 = Y * MulY / DivY;
  const int w = Width() * MulX / DivX, h = Height() * MulY / DivY;
  SetPrintTextTools(Canvas, MulY, DivY);
  Canvas->Rectangle(x0, y0, x0 + w - 1, y0 + h - 1);

  const auto rows = Rows();
  int y = y0 + sy(FMargin);
  const int captionX = x0 + sx(FMargin), valueX = x0 + sx(FMargin + FLabelWidth + 5);
  for (int i = 0; i < 9; ++i) {
    Canvas->TextOut(captionX, y, rows[i].Caption);
    Canvas->TextOut(valueX, y, rows[i].Value);
    y += sy(FRowHeight);
    if (i == 0 || i == 5) {
      Canvas->MoveTo(captionX, y + sy(4));
      Canvas->LineTo(x0 + w - sx(FMargin), y + sy(4));
      y += sy(FMargin);
    }
  }
}
