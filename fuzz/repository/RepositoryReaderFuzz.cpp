// Feeds arbitrary bytes to the schema file reader. Whatever loads is written, read again and
// written again: the two texts must be equal, and the written text must always load. Any
// crash, leak or mismatch ends the run with a failure and the input saved beside it.
//
// Without libFuzzer the program runs each seed file once and then mutates the seeds at random
// for the given number of seconds: repository_reader_fuzz SECONDS DIR...

#include "editor/Repository.h"
#include "editor/RepositoryXMLReader.h"
#include "ui/Windows1250.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* What, const uint8_t* Data, size_t Size) {
  std::fprintf(stderr, "repository_reader_fuzz: %s\n", What);
  if (FILE* out = std::fopen("repository-fuzz-failure.xml", "wb")) {
    std::fwrite(Data, 1, Size, out);
    std::fclose(out);
    std::fprintf(stderr, "input saved as repository-fuzz-failure.xml\n");
  }
  std::abort();
}

bool Load(const QByteArray& Bytes, TRepository& Store) {
  QString text, error;
  return TRepositoryXMLReader::DecodeFile(Bytes, text, error) &&
         TRepositoryXMLReader(Store).Read(text, &error);
}

// True when the input loaded.
bool RunOne(const uint8_t* Data, size_t Size) {
  const QByteArray bytes(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
  TRepository first;
  if (!Load(bytes, first)) return false;
  const QString written = first.SaveToText();
  TRepository second;
  if (!Load(Windows1250::Encode(written), second)) Fail("written text does not load", Data, Size);
  if (second.SaveToText() != written) Fail("write, read, write differs", Data, Size);
  // The clipboard path reads the same text without the byte conversion.
  TRepository pasted;
  pasted.LoadFromText(written);
  if (pasted.SaveToText() != written) Fail("text read differs", Data, Size);
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  RunOne(Data, Size);
  return 0;
}

#ifndef MORVIK_LIBFUZZER

namespace {

const char* const Tokens[] = {
    "<repository>",
    "</repository>",
    "<list name=\"a\">",
    "</list>",
    "<entity name=\"E\">",
    "</entity>",
    "<string name=\"s\" value=\"",
    "<memo name=\"m\" value=\"",
    "\"/>",
    "<integer name=\"i\" value=\"-7\"/>",
    "<datetime name=\"d\" value=\"1.6.2001 9:30:00\"/>",
    "<font name=\"f\" fontname=\"A\" height=\"-11\" size=\"8\" charset=\"238\" color=\"0\" pitch=\"0\" "
    "style=\"1\"/>",
    "<pen name=\"p\" color=\"0\" style=\"0\" width=\"1\" mode=\"4\"/>",
    "<brush name=\"b\" color=\"0\" style=\"0\"/>",
    "<boolean name=\"b\" value=\"TRUE\"/>",
    "&#x01;",
    "&#xD800;",
    "&#xFFFE;",
    "&#xE000;",
    "&#x1F600;",
    "&amp;",
    "&lt;",
    "#x0D#x0A",
    "#x09",
    "<!-- c -->",
    "<![CDATA[x]]>",
    "name=\"a.b\"",
    "\xC5\x99",
    "\xF8",
    "\xEE\x80\x80",
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>",
    "\r\n",
    "\t",
    "\x07",
};

QByteArray Mutate(QByteArray Input, const std::vector<QByteArray>& Seeds, std::mt19937& Random) {
  auto pick = [&](size_t n) { return n == 0 ? size_t(0) : size_t(Random() % n); };
  const int steps = 1 + static_cast<int>(Random() % 6);
  for (int s = 0; s < steps; ++s) {
    const size_t size = static_cast<size_t>(Input.size());
    const size_t at = pick(size + 1);
    switch (Random() % 7) {
      case 0:
        if (size > 0) Input[static_cast<qsizetype>(pick(size))] = static_cast<char>(Random());
        break;
      case 1: Input.insert(static_cast<qsizetype>(at), static_cast<char>(Random())); break;
      case 2: Input.remove(static_cast<qsizetype>(at), static_cast<qsizetype>(pick(32) + 1)); break;
      case 3: {
        const size_t from = pick(size);
        const QByteArray piece =
            Input.mid(static_cast<qsizetype>(from), static_cast<qsizetype>(pick(64) + 1));
        Input.insert(static_cast<qsizetype>(at), piece);
        break;
      }
      case 4: Input.insert(static_cast<qsizetype>(at), Tokens[pick(std::size(Tokens))]); break;
      case 5: Input.truncate(static_cast<qsizetype>(at)); break;
      default: {
        const QByteArray& other = Seeds[pick(Seeds.size())];
        const size_t from = pick(static_cast<size_t>(other.size()));
        Input.insert(static_cast<qsizetype>(at),
                     other.mid(static_cast<qsizetype>(from), static_cast<qsizetype>(pick(256) + 1)));
        break;
      }
    }
  }
  return Input.left(1 << 16);
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s SECONDS DIR...\n", argv[0]);
    return 2;
  }
  std::vector<QByteArray> seeds;
  for (int i = 2; i < argc; ++i) {
    const QDir dir(QString::fromLocal8Bit(argv[i]));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
      QFile file(dir.filePath(name));
      if (file.open(QIODevice::ReadOnly)) seeds.push_back(file.readAll());
    }
  }
  if (seeds.empty()) {
    std::fprintf(stderr, "no seed files\n");
    return 2;
  }
  for (const QByteArray& seed : seeds)
    RunOne(reinterpret_cast<const uint8_t*>(seed.constData()), static_cast<size_t>(seed.size()));

  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[1]));
  std::mt19937 random(20011);
  long runs = 0;
  long loaded = 0;
  while (std::chrono::steady_clock::now() < end) {
    const QByteArray input = Mutate(seeds[random() % seeds.size()], seeds, random);
    if (RunOne(reinterpret_cast<const uint8_t*>(input.constData()), static_cast<size_t>(input.size())))
      ++loaded;
    ++runs;
  }
  std::printf("%zu seeds, %ld mutated inputs (%ld loaded), no failure\n", seeds.size(), runs, loaded);
  return 0;
}

#endif
