// Feeds arbitrary bytes to the schema file reader. Whatever loads is written, read again and
// written again: the two texts must be equal, and the written text must always load. Any
// crash, leak or mismatch ends the run with a failure.
//
// Built with clang and libFuzzer it is a coverage-guided fuzz target (repository.dict holds
// pieces of the format). Without libFuzzer it runs every file of the given folders once, so
// that the corpus, and every input that once failed, is replayed by each build's tests:
// repository_reader_fuzz DIR...

#include "editor/Repository.h"
#include "editor/RepositoryXMLReader.h"
#include "fuzz/support/FuzzReplay.h"
#include "ui/Windows1250.h"

#include <QByteArray>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* What) {
  std::fprintf(stderr, "repository_reader_fuzz: %s\n", What);
  std::abort();
}

bool Load(const QByteArray& Bytes, TRepository& Store) {
  return TRepositoryXMLReader(Store).ReadBytes(Bytes);
}

// True when the input loaded.
bool RunOne(const uint8_t* Data, size_t Size) {
  const QByteArray bytes(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
  TRepository first;
  if (!Load(bytes, first)) return false;
  const QString written = first.SaveToText();
  TRepository second;
  if (!Load(Windows1250::Encode(written), second)) Fail("written text does not load");
  if (second.SaveToText() != written) Fail("write, read, write differs");
  // The clipboard path reads the same text without the byte conversion.
  TRepository pasted;
  pasted.LoadFromText(written);
  if (pasted.SaveToText() != written) Fail("text read differs");
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  RunOne(Data, Size);
  return 0;
}

#ifndef MORVIK_LIBFUZZER

int main(int argc, char** argv) {
  return FuzzReplay::ReplayFolders(argc, argv, [](const uint8_t* Data, size_t Size) { RunOne(Data, Size); });
}

#endif
