#include "ui/Windows1250.h"

#include <array>

namespace Windows1250 {
namespace {

// Characters of the bytes 0x80 to 0xFF; 0 marks a byte the code page leaves undefined.
constexpr std::array<char16_t, 128> HighHalf = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

// Reverse table for the whole basic plane, built once.
const std::array<unsigned char, 0x10000>& ReverseTable() {
  static const std::array<unsigned char, 0x10000> table = [] {
    std::array<unsigned char, 0x10000> t{};
    for (std::size_t i = 0; i < HighHalf.size(); ++i)
      if (HighHalf[i] != 0) t[HighHalf[i]] = static_cast<unsigned char>(0x80 + i);
    return t;
  }();
  return table;
}

} // namespace

QString Decode(QByteArrayView Bytes) {
  QString text(Bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < Bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(Bytes[i]);
    if (b < 0x80) {
      out[i] = QChar(b);
    } else {
      const char16_t c = HighHalf[b - 0x80];
      out[i] = QChar(c != 0 ? c : char16_t(b));
    }
  }
  return text;
}

unsigned char ByteOf(char32_t CodePoint) {
  if (CodePoint < 0x80) return static_cast<unsigned char>(CodePoint);
  if (CodePoint > 0xFFFF) return 0;
  return ReverseTable()[CodePoint];
}

QByteArray Encode(QStringView Text) {
  const auto& reverse = ReverseTable();
  QByteArray bytes(Text.size(), Qt::Uninitialized);
  qsizetype n = 0;
  for (qsizetype i = 0; i < Text.size(); ++i) {
    const char16_t c = Text[i].unicode();
    if (c < 0x80) {
      bytes[n++] = static_cast<char>(c);
    } else if (QChar::isHighSurrogate(c) && i + 1 < Text.size() &&
               QChar::isLowSurrogate(Text[i + 1].unicode())) {
      bytes[n++] = '?'; // one character outside the basic plane
      ++i;
    } else if (c < 0xA0 && HighHalf[c - 0x80] == 0) {
      bytes[n++] = static_cast<char>(c); // an undefined byte, as Decode gave it
    } else {
      const unsigned char b = reverse[c];
      bytes[n++] = b != 0 ? static_cast<char>(b) : '?';
    }
  }
  bytes.truncate(n);
  return bytes;
}

} // namespace Windows1250
