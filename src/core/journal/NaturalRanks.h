#pragma once

#include <QString>

#include <vector>

// The natural order (naturalCompare) of many texts at once, as ranks: text i comes before text j exactly
// when ranks[i] < ranks[j], and texts that naturalCompare holds the same share a rank. Ranks count from 0
// without gaps.
//
// Ranking every value of a column this way costs far less than building a collation key per text.
// Everyday texts (letters, blanks, digits and common signs) are ordered by the collation's own primary
// weights of their characters, learnt from the collator once and checked against it; only texts that
// tie there, and texts with any other character, are handed to the collator.
std::vector<int> naturalRanks(const std::vector<QString>& texts);
