#include "quotes/collection.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string_view>
#include <vector>

namespace sagelight {
namespace {

// What a seeded file shows rests on the collection's shape: the one
// deliberate repeat, the two sayings cut at the record's width inside a word,
// no saying that the store's trimming would change, and only characters that
// every code page and font shows alike.
TEST(CollectionTest, Shape) {
  ASSERT_EQ(kCollection.size(), std::size_t{431});
  EXPECT_EQ(kCollection[250], kCollection[170]);
  EXPECT_EQ(std::set<std::string_view>(kCollection.begin(), kCollection.end()).size(), 430U);
  std::vector<std::size_t> long_ones;
  for (std::size_t n = 0; n < kCollection.size(); ++n) {
    const std::string_view text = kCollection[n];
    ASSERT_GE(text.size(), 39U) << "entry " << n + 1;
    if (text.size() >= 200) long_ones.push_back(n + 1);
    EXPECT_TRUE(text.front() != ' ' && text.back() != ' ' && text.find("  ") == text.npos)
        << "entry " << n + 1;
    for (char c : text) {
      EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                  std::string_view(" .,;:?!'-").find(c) != std::string_view::npos)
          << "entry " << n + 1 << " holds code " << static_cast<int>(c);
    }
  }
  ASSERT_EQ(long_ones, (std::vector<std::size_t>{39, 41}));
  for (std::size_t n : long_ones) {
    const char last = kCollection[n - 1][199], next = kCollection[n - 1][200];
    EXPECT_TRUE(last != ' ' && next != ' ') << "entry " << n << " is not cut inside a word";
  }
}

}  // namespace
}  // namespace sagelight
