#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace sagelight {

// The sayings that seed an empty quote file, in seeding order: entry k
// (counting from 1) becomes record k.
inline constexpr std::size_t kCollectionSize = 431;

extern const std::array<std::string_view, kCollectionSize> kCollection;

}  // namespace sagelight
