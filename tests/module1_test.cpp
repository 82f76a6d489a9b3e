#include <gtest/gtest.h>

#include "analysis/module1.hpp"

namespace {

TEST(Module1, StartsWithTheArraysAtTheirStartSizesAndEmptyState) {
  Module1::gArray(5, 2) = 3.0;
  Module1::dirtyc = "raw";
  Module1::gNoCases = 12;
  Module1::Initialize();
  EXPECT_EQ(Module1::gArray.UBound(1), 9999);
  EXPECT_EQ(Module1::gArray.UBound(2), 3);
  EXPECT_EQ(Module1::gArray(5, 2), 0.0);
  EXPECT_EQ(Module1::gScores.UBound(1), 9999);
  EXPECT_EQ(Module1::gScores.UBound(2), 3);
  for (const auto* array : {&Module1::gBeta, &Module1::gConstant}) {
    EXPECT_EQ(array->UBound(), 9);
    for (int64_t i = 0; i <= 9; ++i) EXPECT_EQ((*array)(i), 0.0);
  }
  EXPECT_EQ(Module1::gN.UBound(), 9);
  EXPECT_EQ(Module1::gNoCases, 0);
  EXPECT_EQ(Module1::gNoCategories, 0);
  for (const std::string* s : {&Module1::kEOL, &Module1::dirtyData, &Module1::dirtyc,
                               &Module1::dirtyg}) {
    EXPECT_EQ(*s, "");
  }
}

}  // namespace
