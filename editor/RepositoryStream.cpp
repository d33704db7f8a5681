#include "editor/RepositoryStream.h"

#include "editor/RepositoryXMLWriter.h"
#include "editor/XMLMaker.h"

#include <algorithm>
#include <cstring>

namespace {

// Branches up to this many items are searched directly; longer ones through their index.
constexpr std::size_t IndexThreshold = 16;

std::u16string_view View(QStringView Text) {
  return std::u16string_view(Text.utf16(), static_cast<std::size_t>(Text.size()));
}

// Compared as bytes: the standard comparison of char16_t walks the characters one by one.
bool Same(std::u16string_view A, std::u16string_view B) {
  // Names and paths of one branch mostly differ in their length or their last character.
  return A.size() == B.size() && (A.empty() || A.back() == B.back()) &&
         std::memcmp(A.data(), B.data(), A.size() * sizeof(char16_t)) == 0;
}

std::size_t Hash(std::u16string_view Name) { return std::hash<std::u16string_view>()(Name); }

} // namespace

void TRepositoryStream::TLevel::Open(std::u16string_view ParentPath, std::u16string_view Name,
                                     TRepositoryType Type) {
  // Cleared, not freed: the next branch at this depth reuses the room.
  FPath.clear();
  if (!ParentPath.empty()) {
    FPath.append(ParentPath);
    FPath.push_back(u'.');
  }
  FPath.append(Name);
  FType = Type;
  FNames.clear();
  FNameEnds.clear();
  FIndex.clear();
}

std::u16string_view TRepositoryStream::TLevel::NameAt(std::size_t Idx) const {
  const std::size_t begin = Idx == 0 ? 0 : FNameEnds[Idx - 1];
  return std::u16string_view(FNames).substr(begin, FNameEnds[Idx] - begin);
}

bool TRepositoryStream::TLevel::Contains(std::u16string_view Name) const {
  if (FNameEnds.size() <= IndexThreshold) {
    std::size_t begin = 0;
    for (const std::size_t end : FNameEnds) {
      if (Same(std::u16string_view(FNames).substr(begin, end - begin), Name)) return true;
      begin = end;
    }
    return false;
  }
  const std::size_t mask = FIndex.size() - 1;
  for (std::size_t slot = Hash(Name) & mask; FIndex[slot] != 0; slot = (slot + 1) & mask)
    if (Same(NameAt(FIndex[slot] - 1), Name)) return true;
  return false;
}

void TRepositoryStream::TLevel::IndexName(std::size_t Idx) {
  const std::size_t mask = FIndex.size() - 1;
  std::size_t slot = Hash(NameAt(Idx)) & mask;
  while (FIndex[slot] != 0) slot = (slot + 1) & mask;
  FIndex[slot] = static_cast<std::uint32_t>(Idx + 1);
}

void TRepositoryStream::TLevel::Remember(std::u16string_view Name) {
  FNames.append(Name);
  FNameEnds.push_back(FNames.size());
  const std::size_t count = FNameEnds.size();
  if (count <= IndexThreshold) return;
  if (count * 2 <= FIndex.size()) return IndexName(count - 1);
  // Twice as many slots as names at least, all names placed anew.
  FIndex.assign(std::max<std::size_t>(64, FIndex.size() * 2), 0);
  for (std::size_t i = 0; i < count; ++i) IndexName(i);
}

TRepositoryStream::TRepositoryStream(const QString& FileName)
    : FFileName(FileName), FMaker(std::make_unique<TXMLMaker>()) {
  if (!FFileName.isEmpty()) FMaker->BeginXMLFile(FFileName);
  TRepositoryXMLWriter::OpenRoot(*FMaker);
  FLevels.emplace_back();
  FDepth = 1;
}

TRepositoryStream::~TRepositoryStream() = default;

std::size_t TRepositoryStream::LevelOf(std::u16string_view ParentPath) const {
  for (std::size_t i = FDepth - 1; i > 0; --i)
    if (Same(FLevels[i].Path(), ParentPath)) return i;
  throw ERepositoryStreamOrder();
}

std::size_t TRepositoryStream::ParentLevel(std::u16string_view& Path) const {
  const std::size_t dot = Path.rfind(u'.');
  if (dot == std::u16string_view::npos) return 0;
  const std::size_t level = LevelOf(Path.substr(0, dot));
  Path.remove_prefix(dot + 1);
  return level;
}

int TRepositoryStream::Add(QStringView Path, TRepositoryType Type, const TRepositoryValue& Value) {
  std::u16string_view name = View(Path);
  const std::size_t level = ParentLevel(name);
  return AddAt(level, name, Type, Value);
}

int TRepositoryStream::AddWhole(QStringView Path, TRepositoryType Type,
                                const std::function<void(TXMLMaker&)>& Items) {
  std::u16string_view name = View(Path);
  const std::size_t level = ParentLevel(name);
  const int result = AddAt(level, name, Type, {});
  if (result != rrOk) return result;
  Items(*FMaker);
  CloseAbove(level);
  return rrOk;
}

bool TRepositoryStream::Enter(std::size_t Level, std::u16string_view Name) {
  if (FFinished) throw ERepositoryStreamOrder();
  if (FLevels[Level].Contains(Name)) return false;
  CloseAbove(Level);
  FLevels[Level].Remember(Name);
  return true;
}

int TRepositoryStream::AddText(QStringView Path, TRepositoryType Type, QStringView Text) {
  std::u16string_view name = View(Path);
  const std::size_t level = ParentLevel(name);
  if (!Enter(level, name)) return rrAlreadyExists;
  TRepositoryXMLWriter::WriteText(Type, QStringView(name), Text, *FMaker);
  return rrOk;
}

int TRepositoryStream::AddAt(std::size_t Level, std::u16string_view Name, TRepositoryType Type,
                             const TRepositoryValue& Value) {
  if (!Enter(Level, Name)) return rrAlreadyExists;
  if (!IsBranchType(Type)) {
    TRepositoryXMLWriter::WriteLeaf(Type, QStringView(Name), Value, *FMaker);
    return rrOk;
  }
  TRepositoryXMLWriter::OpenBranch(Type, QStringView(Name), *FMaker);
  if (FDepth == FLevels.size()) FLevels.emplace_back();
  FLevels[FDepth].Open(FLevels[Level].Path(), Name, Type);
  ++FDepth;
  return rrOk;
}

void TRepositoryStream::CloseAbove(std::size_t Level) {
  while (FDepth > Level + 1) {
    --FDepth;
    TRepositoryXMLWriter::CloseBranch(FLevels[FDepth].Type(), *FMaker);
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
