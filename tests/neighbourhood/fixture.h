// Shared set-up of the neighbourhood tests: a fresh fake platform per test.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "neighbourhood/neighbourhood.h"
#include "platform/fake/fake.h"

namespace nbtest {

const char kPassHint[] = "点击空白处刷新，右击更多功能。彩色的代表计算机能打开（单击我打开帮助）";
const char kStartHint[] = "快速获取请单击空白处。正在获取在线计算机，请稍后。。。";

inline std::string CachePath() { return fake::TempFolder() + "不通时.txt"; }

// The cache file's bytes, or nothing when it does not exist.
inline std::optional<std::string> CacheBytes() {
    std::ifstream in(CachePath(), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteCache(const std::string& bytes) {
    std::ofstream(CachePath(), std::ios::binary) << bytes;
}

inline std::vector<fake::Item> Named(const std::vector<Text>& names, int image = 1) {
    std::vector<fake::Item> items;
    for (const Text& n : names) items.push_back({n, image});
    return items;
}

class NeighbourhoodFixture : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    void TearDown() override { fake::WaitForThreads(); }
};

}  // namespace nbtest

namespace fake {
inline bool operator==(const Item& a, const Item& b) { return a.text == b.text && a.image == b.image; }
inline void PrintTo(const Item& item, std::ostream* os) { *os << '{' << item.text << ", " << item.image << '}'; }
}  // namespace fake
