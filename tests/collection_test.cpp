#include "quotes/collection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace sagelight {
namespace {

// Entry numbers in messages count from 1, the same way records are numbered.
constexpr std::size_t kLongA = 39;
constexpr std::size_t kLongB = 41;
constexpr std::size_t kRepeatOriginal = 171;
constexpr std::size_t kRepeatCopy = 251;
// A stored record keeps at most this many characters of a saying.
constexpr std::size_t kRecordWidth = 200;

std::string_view Entry(std::size_t number) { return kCollection[number - 1]; }

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsSentenceEnd(char c) { return c == '.' || c == '?' || c == '!'; }

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (true) {
    const std::size_t space = text.find(' ', start);
    words.push_back(text.substr(start, space - start));
    if (space == std::string_view::npos) break;
    start = space + 1;
  }
  return words;
}

// The words lower-cased and stripped of punctuation, so that "Sea's" and
// "seas," compare equal when two sayings are checked for shared wording.
std::vector<std::string> PlainWords(std::string_view text) {
  std::vector<std::string> plain;
  for (std::string_view word : Words(text)) {
    std::string letters;
    for (char c : word) {
      if (IsLetter(c)) letters += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (!letters.empty()) plain.push_back(letters);
  }
  return plain;
}

std::string Join(const std::vector<std::string>& words, std::size_t first, std::size_t count) {
  std::string joined;
  for (std::size_t i = first; i < first + count && i < words.size(); ++i) {
    if (i > first) joined += ' ';
    joined += words[i];
  }
  return joined;
}

TEST(CollectionTest, SizeAndRepeats) {
  ASSERT_EQ(kCollection.size(), std::size_t{431});

  // The one deliberate repeat must stay exact, character for character.
  EXPECT_EQ(Entry(kRepeatCopy), Entry(kRepeatOriginal));

  std::map<std::string_view, std::size_t> first_seen;
  for (std::size_t n = 1; n <= kCollection.size(); ++n) {
    if (n == kRepeatCopy) continue;
    const auto [it, inserted] = first_seen.emplace(Entry(n), n);
    EXPECT_TRUE(inserted) << "entry " << n << " repeats entry " << it->second;
  }
  EXPECT_EQ(first_seen.size(), std::size_t{430});
}

TEST(CollectionTest, Lengths) {
  std::size_t shortest = Entry(1).size();
  std::size_t longest = 0;
  std::size_t total = 0;
  std::size_t up_to_50 = 0;
  std::size_t up_to_100 = 0;
  std::size_t up_to_150 = 0;
  std::size_t up_to_200 = 0;
  std::vector<std::size_t> over_record;
  for (std::size_t n = 1; n <= kCollection.size(); ++n) {
    const std::size_t length = Entry(n).size();
    shortest = std::min(shortest, length);
    longest = std::max(longest, length);
    total += length;
    EXPECT_NE(length, kRecordWidth) << "entry " << n << " sits exactly on the record width";
    if (length <= 50) {
      ++up_to_50;
    } else if (length <= 100) {
      ++up_to_100;
    } else if (length <= 150) {
      ++up_to_150;
    } else if (length <= kRecordWidth) {
      ++up_to_200;
    } else {
      over_record.push_back(n);
    }
  }
  EXPECT_EQ(shortest, std::size_t{39});
  EXPECT_EQ(longest, std::size_t{280});
  EXPECT_EQ(total, std::size_t{38214});
  EXPECT_EQ(up_to_50, std::size_t{6});
  EXPECT_EQ(up_to_100, std::size_t{353});
  EXPECT_EQ(up_to_150, std::size_t{56});
  EXPECT_EQ(up_to_200, std::size_t{14});
  EXPECT_EQ(over_record, (std::vector<std::size_t>{kLongA, kLongB}));
  EXPECT_EQ(Entry(kLongA).size(), std::size_t{280});
  EXPECT_EQ(Entry(kLongB).size(), std::size_t{207});

  // Both long sayings are cut when stored; the cut has to land inside a word,
  // so the last kept character and the first dropped one are both letters.
  for (std::size_t n : {kLongA, kLongB}) {
    const std::string_view text = Entry(n);
    ASSERT_GT(text.size(), kRecordWidth) << "entry " << n;
    EXPECT_TRUE(IsLetter(text[kRecordWidth - 1]) && IsLetter(text[kRecordWidth]))
        << "entry " << n << " is cut at '" << text[kRecordWidth - 1] << text[kRecordWidth]
        << "', not inside a word";
  }
}

TEST(CollectionTest, CharactersAndSpacing) {
  const std::string_view marks = ".,;:?!'-";
  for (std::size_t n = 1; n <= kCollection.size(); ++n) {
    const std::string_view text = Entry(n);
    ASSERT_FALSE(text.empty()) << "entry " << n;
    EXPECT_NE(text.front(), ' ') << "entry " << n << " begins with a space";
    EXPECT_NE(text.back(), ' ') << "entry " << n << " ends with a space";
    EXPECT_EQ(text.find("  "), std::string_view::npos) << "entry " << n << " has a double space";
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      EXPECT_TRUE(IsLetter(c) || c == ' ' || marks.find(c) != std::string_view::npos)
          << "entry " << n << " has character code " << static_cast<int>(c) << " at position "
          << i + 1;
    }
  }
}

TEST(CollectionTest, WordsSentencesAndOpenings) {
  std::size_t single_sentence = 0;
  std::vector<std::size_t> multi_sentence;
  std::map<std::string, std::size_t> openings;
  std::map<std::string, std::vector<std::size_t>> short_openings;
  for (std::size_t n = 1; n <= kCollection.size(); ++n) {
    const std::string_view text = Entry(n);
    ASSERT_FALSE(text.empty()) << "entry " << n;

    const std::size_t words = Words(text).size();
    EXPECT_GE(words, std::size_t{7}) << "entry " << n;
    EXPECT_LE(words, std::size_t{51}) << "entry " << n;

    EXPECT_TRUE(IsSentenceEnd(text.back())) << "entry " << n << " does not end a sentence";
    bool inner_end = false;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      if (!IsSentenceEnd(text[i])) continue;
      inner_end = true;
      // Anything else is a stray mark, such as an abbreviation.
      const bool next_sentence =
          i + 2 < text.size() && text[i + 1] == ' ' && text[i + 2] >= 'A' && text[i + 2] <= 'Z';
      EXPECT_TRUE(next_sentence) << "entry " << n << " has '" << text[i] << "' at position "
                                 << i + 1 << " that does not start a new sentence";
    }
    if (inner_end) {
      multi_sentence.push_back(n);
    } else {
      ++single_sentence;
    }

    if (n != kRepeatCopy) {
      const std::vector<std::string> plain = PlainWords(text);
      const auto [it, inserted] = openings.emplace(Join(plain, 0, 4), n);
      EXPECT_TRUE(inserted) << "entry " << n << " opens with the same four words as entry "
                            << it->second << ": \"" << it->first << "\"";
      short_openings[Join(plain, 0, 2)].push_back(n);
    }
  }
  // A reader who sees a saying every few seconds notices a stock opening long
  // before a repeated one: "On a ..." or "In the ..." starting a dozen sayings
  // makes them one saying. A few may share their first two words, not a crowd.
  for (const auto& [opening, numbers] : short_openings) {
    EXPECT_LE(numbers.size(), std::size_t{4}) << numbers.size() << " entries open with \""
                                              << opening << "\", first entry " << numbers.front();
  }
  EXPECT_EQ(single_sentence, std::size_t{416});
  EXPECT_EQ(multi_sentence.size(), std::size_t{15});
  for (std::size_t n : {kLongA, kLongB}) {
    EXPECT_NE(std::find(multi_sentence.begin(), multi_sentence.end(), n), multi_sentence.end())
        << "entry " << n << " should hold more than one sentence";
  }
}

// Six words in a row shared by two sayings mean one idea told twice or a
// stock phrase; only the deliberate repeat may share its wording.
TEST(CollectionTest, NoSharedRunOfWords) {
  constexpr std::size_t kRun = 6;
  std::map<std::string, std::size_t> first_holder;
  for (std::size_t n = 1; n <= kCollection.size(); ++n) {
    if (n == kRepeatCopy) continue;
    const std::vector<std::string> plain = PlainWords(Entry(n));
    std::set<std::string> own;
    for (std::size_t i = 0; i + kRun <= plain.size(); ++i) {
      const std::string run = Join(plain, i, kRun);
      if (!own.insert(run).second) continue;  // a saying may echo itself
      const auto [it, inserted] = first_holder.emplace(run, n);
      EXPECT_TRUE(inserted) << "entries " << it->second << " and " << n << " share \"" << run
                            << "\"";
    }
  }
}

}  // namespace
}  // namespace sagelight
