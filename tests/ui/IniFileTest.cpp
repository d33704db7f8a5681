#include "ui/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const char* text) {
  const QString path = dir.filePath(QStringLiteral("t.ini"));
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(text);
  return path;
}

} // namespace

TEST(IniFile, ReadsNumbersAndFallsBackToDefaultsForBadValues) {
  QTemporaryDir dir;
  const QString path =
      writeFile(dir, "[Design_Setting]\r\n"
                     "Good=42\r\nNeg= -7 \r\nWord=abc\r\nTrailing=12px\r\nEmpty=\r\nHuge=99999999999\r\n"
                     "Zero=0\r\nTwo=2\r\n");
  const TIniFile ini(path);
  struct Case {
    const char* key;
    int expected;
  };
  const Case cases[] = {
      {"Good", 42}, {"Neg", -7}, {"Word", 5},    {"Trailing", 5},
      {"Empty", 5}, {"Huge", 5}, {"Missing", 5}, {"Zero", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ini.ReadInteger("Design_Setting", c.key, 5), c.expected) << c.key;
  EXPECT_TRUE(ini.ReadBool("Design_Setting", "Two", false));
  EXPECT_FALSE(ini.ReadBool("Design_Setting", "Zero", true));
  EXPECT_TRUE(ini.ReadBool("Design_Setting", "Word", true));
  EXPECT_FALSE(ini.ReadBool("Design_Setting", "Word", false));
}

TEST(IniFile, NamesIgnoreCaseAndTheFirstDuplicateWins) {
  QTemporaryDir dir;
  const QString path = writeFile(dir, "[Main]\nKey=first\nKEY=second\n[main]\nOther=x\n");
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("MAIN", "key", "-"), "first");
  EXPECT_EQ(ini.ReadString("Main", "other", "-"), "x");
  EXPECT_EQ(ini.ReadString("Nope", "key", "-"), "-");
}

TEST(IniFile, ValuesSurviveAWriteAndReadExactly) {
  QTemporaryDir dir;
  const QString path = dir.filePath("round.ini");
  {
    TIniFile ini(path);
    ini.WriteString("ReOpenFiles", "0", "/home/u/a,b;c \"q\" \\n.xml");
    ini.WriteString("Design_Setting", "ProjectInfo_FormatStr", "d. m. yyyy hh:nn:ss");
    ini.WriteString("Design_Setting", "Entity_Font_Name", QString::fromUtf8("Arial Čeština"));
    ini.WriteInteger("Design_Setting", "Entity_Font_Size", -11);
    ini.WriteBool("Design_Setting", "Entity_Effect3D", true);
    ini.WriteString("Design_Setting", "Entity_Font_Size", "8"); // overwrite keeps one key
    ASSERT_TRUE(ini.UpdateFile());
  }
  const TIniFile back(path);
  EXPECT_EQ(back.ReadString("ReOpenFiles", "0", ""), "/home/u/a,b;c \"q\" \\n.xml");
  EXPECT_EQ(back.ReadString("Design_Setting", "ProjectInfo_FormatStr", ""), "d. m. yyyy hh:nn:ss");
  EXPECT_EQ(back.ReadString("Design_Setting", "Entity_Font_Name", ""), QString::fromUtf8("Arial Čeština"));
  EXPECT_EQ(back.ReadInteger("Design_Setting", "Entity_Font_Size", 0), 8);
  EXPECT_TRUE(back.ReadBool("Design_Setting", "Entity_Effect3D", false));

  QFile raw(path);
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  const QByteArray bytes = raw.readAll();
  EXPECT_TRUE(bytes.startsWith("[ReOpenFiles]\r\n0=/home/u/a,b;c"));
  EXPECT_EQ(bytes.count("Entity_Font_Size="), 1);
}

TEST(IniFile, MissingFileGivesDefaultsAndAFailedWriteIsReported) {
  QTemporaryDir dir;
  TIniFile ini(dir.filePath("no/such/folder/x.ini"));
  EXPECT_FALSE(ini.SectionExists("MainWindow"));
  EXPECT_EQ(ini.ReadInteger("MainWindow", "State", 0), 0);
  ini.WriteInteger("MainWindow", "State", 2);
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_FALSE(QFile::exists(dir.filePath("no/such/folder/x.ini")));
}
