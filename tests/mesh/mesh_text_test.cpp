// Text functions of the readers: tokens, splitting, OBJ list indices, numbers.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mesh/mesh_text.h"

namespace {

using Pieces = std::vector<std::string>;

struct TokenCase {
  std::string text;
  std::string leading;
  std::string tail;
};

TEST(MeshText, LeadingTokenAndTail) {
  const TokenCase cases[] = {
      {"", "", ""},
      {" \t ", "", ""},
      {"v", "v", ""},
      {"v 1 2 3", "v", "1 2 3"},
      {"  \tvt\t 0.5 1  ", "vt", "0.5 1"},
      {"usemtl wire_1\r", "usemtl", "wire_1\r"},   // carriage returns are not blanks
      {"newmtl\r", "newmtl\r", ""},
      {"f 1/1/1 2/2/1 3/3/1 ", "f", "1/1/1 2/2/1 3/3/1"},
      {"o  two  words ", "o", "two  words"},
      {"gear 5", "gear", "5"},
      {"# comment", "#", "comment"},
  };
  for (const TokenCase& c : cases) {
    EXPECT_EQ(wavefront::leadingToken(c.text), c.leading) << '"' << c.text << '"';
    EXPECT_EQ(wavefront::afterLeadingToken(c.text), c.tail) << '"' << c.text << '"';
  }
}

struct SplitCase {
  std::string text;
  std::string delimiter;
  Pieces pieces;
};

TEST(MeshText, SplitOn) {
  const SplitCase cases[] = {
      {"1//3", "/", {"1", "", "3"}},
      {"7", "/", {"7"}},
      {"1/2/", "/", {"1", "2"}},
      {"/2", "/", {"", "2"}},
      {"", "/", {}},
      {"/", "/", {""}},
      {"1/2/3/4", "/", {"1", "2", "3", "4"}},
      {"1  2", " ", {"1", "", "2"}},
      {"0.1 0.2 0.3\r", " ", {"0.1", "0.2", "0.3\r"}},
      {"a--b--c", "--", {"a", "b", "c"}},
      {"ab-", "--", {"ab-"}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(wavefront::splitOn(c.text, c.delimiter), c.pieces)
        << '"' << c.text << "\" at \"" << c.delimiter << '"';
  }
}

TEST(MeshText, TrimLineBreaks) {
  const std::pair<std::string, std::string> cases[] = {
      {"name\r", "name"},   {"name\r\n\r", "name"}, {"na\rme", "na\rme"},
      {"name", "name"},     {"\r\n", "\r\n"},       {"", ""},
      {"name \r", "name "},
  };
  for (const auto& c : cases) EXPECT_EQ(wavefront::trimLineBreaks(c.first), c.second);
}

struct ElementCase {
  std::string index;
  bool found;
  int element;
};

TEST(MeshText, ObjListElement) {
  const std::vector<int> list = {10, 20, 30};
  const ElementCase cases[] = {
      {"1", true, 10},       {"3", true, 30},         {"-1", true, 30},
      {"-3", true, 10},      {" 2", true, 20},        {"2abc", true, 20},
      {"+2", true, 20},      {"0", false, 0},         {"4", false, 0},
      {"-4", false, 0},      {"", false, 0},          {"x1", false, 0},
      {"99999999999", false, 0}, {"-2147483648", false, 0}, {"2147483647", false, 0},
  };
  for (const ElementCase& c : cases) {
    int element = -1;
    EXPECT_EQ(wavefront::objListElement(list, c.index, element), c.found) << c.index;
    if (c.found) EXPECT_EQ(element, c.element) << c.index;
    if (!c.found) EXPECT_EQ(element, -1) << c.index << " must leave the element alone";
  }
  int element = -1;
  EXPECT_FALSE(wavefront::objListElement(std::vector<int>(), "1", element));
  EXPECT_FALSE(wavefront::objListElement(std::vector<int>(), "-1", element));
}

TEST(MeshText, ReadFloat) {
  const std::pair<std::string, float> good[] = {
      {"1", 1.0f},          {"-0.5", -0.5f},   {"  2.25", 2.25f}, {"0.3412\r", 0.3412f},
      {"3abc", 3.0f},       {"1e3", 1000.0f},  {"1e-60", 0.0f},   {"-0.0000", -0.0f},
  };
  for (const auto& c : good) {
    float value = 99.0f;
    ASSERT_TRUE(wavefront::readFloat(c.first, value)) << c.first;
    EXPECT_EQ(value, c.second) << c.first;
  }
  float negativeZero = 1.0f;
  ASSERT_TRUE(wavefront::readFloat("-0.0000", negativeZero));
  EXPECT_TRUE(std::signbit(negativeZero));

  for (const std::string bad : {"", " ", "abc", "\r", ".", "-", "1e99", "-1e39"}) {
    float value = 99.0f;
    EXPECT_FALSE(wavefront::readFloat(bad, value)) << '"' << bad << '"';
    EXPECT_EQ(value, 99.0f);
  }
}

TEST(MeshText, ReadInteger) {
  std::int32_t value = 0;
  ASSERT_TRUE(wavefront::readInteger("2\r", value));
  EXPECT_EQ(value, 2);
  ASSERT_TRUE(wavefront::readInteger(" -7x", value));
  EXPECT_EQ(value, -7);
  ASSERT_TRUE(wavefront::readInteger("2.9", value));
  EXPECT_EQ(value, 2);
  for (const std::string bad : {"", "x2", "2147483648", "-2147483649", "99999999999999999999"}) {
    value = 5;
    EXPECT_FALSE(wavefront::readInteger(bad, value)) << bad;
    EXPECT_EQ(value, 5);
  }
}

}  // namespace
