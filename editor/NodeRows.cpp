#include "editor/NodeRows.h"

#include <cstddef>

using std::size_t;

int TNodeRows::Append() {
  if (FPresent.size() + 1 >= FTree.size()) Grow();
  const int number = static_cast<int>(FPresent.size());
  FPresent.push_back(1);
  Add(number, 1);
  ++FCount;
  return number;
}

void TNodeRows::Remove(int Number) {
  if (Number < 0 || Number >= static_cast<int>(FPresent.size()) || !FPresent[static_cast<size_t>(Number)])
    return;
  FPresent[static_cast<size_t>(Number)] = 0;
  Add(Number, -1);
  --FCount;
}

int TNodeRows::Row(int Number) const {
  int sum = 0;
  for (int i = Number; i > 0; i -= i & -i) sum += FTree[static_cast<size_t>(i)];
  return sum;
}

void TNodeRows::Add(int Number, int Delta) {
  for (size_t i = static_cast<size_t>(Number) + 1; i < FTree.size(); i += i & (~i + 1)) FTree[i] += Delta;
}

// Doubles the capacity and builds the tree again from the presence flags, in linear time.
void TNodeRows::Grow() {
  const size_t size = FTree.size() < 16 ? 32 : FTree.size() * 2;
  FTree.assign(size, 0);
  for (size_t i = 1; i <= FPresent.size(); ++i) {
    FTree[i] += FPresent[i - 1];
    const size_t parent = i + (i & (~i + 1));
    if (parent < size) FTree[parent] += FTree[i];
  }
}
