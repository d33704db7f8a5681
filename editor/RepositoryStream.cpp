#include "editor/RepositoryStream.h"

#include "editor/RepositoryXMLWriter.h"
#include "editor/XMLMaker.h"

namespace {

// Branches up to this many items are searched directly; longer ones through their index.
constexpr std::size_t IndexThreshold = 16;

} // namespace

bool TRepositoryStream::TLevel::Contains(const QString& Name) const {
  if (Names.size() <= IndexThreshold) {
    for (const QString& n : Names)
      if (n == Name) return true;
    return false;
  }
  return Index.contains(Name);
}

void TRepositoryStream::TLevel::Remember(const QString& Name) {
  Names.push_back(Name);
  if (Names.size() <= IndexThreshold) return;
  if (Index.isEmpty())
    for (const QString& n : Names) Index.insert(n);
  else
    Index.insert(Name);
}

TRepositoryStream::TRepositoryStream(const QString& FileName)
    : FFileName(FileName), FMaker(std::make_unique<TXMLMaker>()) {
  if (!FFileName.isEmpty()) FMaker->BeginXMLFile(FFileName);
  TRepositoryXMLWriter::OpenRoot(*FMaker);
  FLevels.emplace_back();
}

TRepositoryStream::~TRepositoryStream() = default;

std::size_t TRepositoryStream::LevelOf(QStringView ParentPath, bool Root) const {
  if (Root) return 0;
  for (std::size_t i = FLevels.size() - 1; i > 0; --i)
    if (FLevels[i].Path == ParentPath) return i;
  throw ERepositoryStreamOrder();
}

int TRepositoryStream::Add(const QString& Path, TRepositoryType Type, TRepositoryValue Value) {
  const qsizetype dot = Path.lastIndexOf(QLatin1Char('.'));
  const std::size_t level = LevelOf(QStringView(Path).left(std::max<qsizetype>(dot, 0)), dot < 0);
  return AddAt(level, dot < 0 ? Path : Path.mid(dot + 1), Path, Type, std::move(Value));
}

int TRepositoryStream::AddChild(const QString& ListPath, const QString& Name, TRepositoryType Type,
                                TRepositoryValue Value) {
  const QString path = ListPath + QLatin1Char('.') + Name;
  // Such a name reads as a path through other branches.
  if (Name.contains(QLatin1Char('.'))) return Add(path, Type, std::move(Value));
  return AddAt(LevelOf(ListPath, false), Name, path, Type, std::move(Value));
}

int TRepositoryStream::AddAt(std::size_t Level, const QString& Name, const QString& Path,
                             TRepositoryType Type, TRepositoryValue Value) {
  if (FFinished) throw ERepositoryStreamOrder();
  if (FLevels[Level].Contains(Name)) return rrAlreadyExists;
  CloseAbove(Level);
  FLevels[Level].Remember(Name);
  const TRepositoryItem item(Name, Type, std::move(Value));
  if (item.IsBranch()) {
    TRepositoryXMLWriter::OpenBranch(item, *FMaker);
    FLevels.push_back(TLevel{Path, Type, {}, {}});
  } else {
    TRepositoryXMLWriter::WriteItem(item, *FMaker);
  }
  return rrOk;
}

void TRepositoryStream::CloseAbove(std::size_t Level) {
  while (FLevels.size() > Level + 1) {
    TRepositoryXMLWriter::CloseBranch(FLevels.back().Type, *FMaker);
    FLevels.pop_back();
  }
}

TXMLMaker& TRepositoryStream::Finish() {
  if (!FFinished) {
    CloseAbove(0);
    TRepositoryXMLWriter::CloseRoot(*FMaker);
    FFinished = true;
  }
  return *FMaker;
}
