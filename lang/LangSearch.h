// The halving search of the localisation layer's sorted lists.
#pragma once

// `compare(i)` gives below 0, 0 or above 0 for entry i against the key. True
// when found; index is the entry, or the insertion point when not found.
template <class TCompare>
bool HalvingSearch(int count, TCompare compare, int &index) {
  int lo = 0;
  int hi = count - 1;
  while (lo <= hi) {
    const int mid = (lo + hi) / 2;
    const int c = compare(mid);
    if (c < 0) {
      lo = mid + 1;
    } else if (c == 0) {
      index = mid;
      return true;
    } else {
      hi = mid - 1;
    }
  }
  index = lo;
  return false;
}
