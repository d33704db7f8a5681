// What the fuzz targets do without libFuzzer: every file of the given folders run through the
// target once, so that the corpus, and every input that once failed, is replayed by each
// build's tests.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdio>

namespace FuzzReplay {

// Runs Target on every file of the folders named by argv[1...]; the exit code of the program.
inline int ReplayFolders(int argc, char** argv, void (*Target)(const uint8_t* Data, size_t Size)) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s DIR...\n", argv[0]);
    return 2;
  }
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    const QDir dir(QString::fromLocal8Bit(argv[i]));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
      QFile file(dir.filePath(name));
      if (!file.open(QIODevice::ReadOnly)) continue;
      const QByteArray bytes = file.readAll();
      std::fprintf(stderr, "%s\n", qPrintable(file.fileName()));
      Target(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
      ++files;
    }
  }
  if (files == 0) {
    std::fprintf(stderr, "no input files\n");
    return 2;
  }
  std::printf("%d inputs, no failure\n", files);
  return 0;
}

} // namespace FuzzReplay
