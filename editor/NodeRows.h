// The rows of the nodes of one list that only ever grows at its end and loses nodes anywhere:
// each node is known by the number it got when it was appended, and its row is the number of
// nodes appended before it that are still there. Appending, removing and finding a row take
// logarithmic time, whatever was removed before.
#pragma once

#include <vector>

class TNodeRows {
public:
  // A new last node; returns its number.
  int Append();
  // The node Number is gone.
  void Remove(int Number);
  // The row of the node Number (which is still there).
  int Row(int Number) const;
  // Nodes still there.
  int Count() const { return FCount; }

private:
  void Grow();
  void Add(int Number, int Delta);

  // A Fenwick tree over the numbers: FTree[i] sums the presence of a range ending at i - 1.
  std::vector<int> FTree{0};
  std::vector<char> FPresent;
  int FCount = 0;
};
