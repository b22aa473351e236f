#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "arrays/GenericArray.h"
#include "arrays/NumberArray.h"
#include "support/StopReport.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

struct Player {
  DynString name;
  double points = 0;
};

TEST(DimStatement, OneDimensionRoundsCapacityPerKind) {
  NumberArray numbers;
  DimNumberArray(numbers, 10, 0, 0, 0);
  EXPECT_EQ(numbers.dimCount, 1);
  EXPECT_EQ(numbers.size0, 10);
  EXPECT_EQ(numbers.capacity, 16);
  EXPECT_TRUE(numbers.UsesInlineStore());

  DimNumberArray(numbers, 16);
  EXPECT_EQ(numbers.capacity, 24);
  EXPECT_FALSE(numbers.UsesInlineStore());

  GenericArray<DynString> texts;
  DimTextArray(texts, 10);
  EXPECT_EQ(texts.capacity, 64);
  DimTextArray(texts, 64);
  EXPECT_EQ(texts.capacity, 128);

  GenericArray<uint8_t> bytes;
  DimByteArray(bytes, 3, 2);
  EXPECT_EQ(bytes.capacity, 64);
  EXPECT_EQ(bytes.dimCount, 2);
}

TEST(DimStatement, ElementsLiveAtTheStridedAddress) {
  NumberArray a;
  DimNumberArray(a, 4, 3);
  ElementAt(a, 1, 2) = 5;
  EXPECT_EQ(a.data[1 + 2 * 4], 5);
  EXPECT_EQ(a.stride1, 4);
  EXPECT_EQ(a.stride2, 12);

  NumberArray cube;
  DimNumberArray(cube, 2, 3, 4, 5);
  EXPECT_EQ(cube.dimCount, 4);
  ElementAt(cube, 1, 2, 3, 4) = 9;
  EXPECT_EQ(cube.data[1 + 2 * 2 + 3 * 6 + 4 * 24], 9);
  EXPECT_EQ(ArrayBound(cube, 3), 5);
  EXPECT_EQ(ArrayBound(cube, 4), 0);
  EXPECT_EQ(ArrayBound(cube, -1), 0);
}

TEST(DimStatement, SmallerSizesKeepStorageAndClearEverything) {
  NumberArray a;
  DimNumberArray(a, 100);
  double* storage = a.data;
  ElementAt(a, 99) = 1;
  ElementAt(a, 0) = 2;
  DimNumberArray(a, 5);
  EXPECT_EQ(a.data, storage);
  EXPECT_EQ(a.capacity, 104);
  for (int i = 0; i < a.capacity; ++i)
    ASSERT_EQ(a.data[i], 0) << i;

  GenericArray<Player> players;
  DimRecordArray(players, 3);
  ElementAt(players, 2).name = "Anna";
  ElementAt(players, 2).points = 12;
  DimRecordArray(players, 2);
  EXPECT_EQ(ElementAt(players, 1).name.length, 0u);
  EXPECT_EQ(players.data[2].points, 0);  // beyond the new size, still reset
}

TEST(DimStatement, FirstSizeBelowOneGivesAFreshMinimumBlock) {
  NumberArray a;
  DimNumberArray(a, 100);
  DimNumberArray(a, 0);
  EXPECT_EQ(a.dimCount, 0);
  EXPECT_EQ(a.capacity, 8);
  EXPECT_TRUE(a.UsesInlineStore());

  GenericArray<DynString> t;
  DimTextArray(t, 500);
  DimTextArray(t, 0.5);
  EXPECT_EQ(t.capacity, 64);
  EXPECT_EQ(t.size0, 0);
}

TEST(Redim, KeepsElementsPresentInBothShapes) {
  NumberArray a;
  DimNumberArray(a, 3, 3);
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i)
      ElementAt(a, i, j) = 10 * i + j + 1;
  RedimNumberArray(a, 5, 2);
  EXPECT_EQ(a.size0, 5);
  EXPECT_EQ(a.size1, 2);
  for (int j = 0; j < 2; ++j) {
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(ElementAt(a, i, j), i < 3 ? 10 * i + j + 1 : 0) << i << "," << j;
    }
  }
}

TEST(Redim, GrowsOntoTheHeapAndShrinksIntoTheInlineStore) {
  NumberArray a;
  FillArray(a, 4, {1, 2, 3, 4});
  RedimNumberArray(a, 40);
  EXPECT_FALSE(a.UsesInlineStore());
  EXPECT_EQ(ElementAt(a, 3), 4);
  EXPECT_EQ(ElementAt(a, 39), 0);
  ElementAt(a, 1) = 20;
  RedimNumberArray(a, 2);
  EXPECT_EQ(a.size0, 2);
  EXPECT_EQ(ElementAt(a, 1), 20);

  NumberArray never;
  RedimNumberArray(never, 3);  // no old elements to keep
  EXPECT_EQ(ElementAt(never, 2), 0);
}

TEST(CopyAndFill, CopiesShapeAndElements) {
  NumberArray source;
  DimNumberArray(source, 20, 2);
  ElementAt(source, 19, 1) = 7;
  NumberArray target;
  CopyArray(target, source);
  EXPECT_EQ(target.size1, 2);
  EXPECT_EQ(ElementAt(target, 19, 1), 7);
  NumberArray assigned = source;  // copies stay independent
  ElementAt(assigned, 0, 0) = 1;
  EXPECT_EQ(ElementAt(source, 0, 0), 0);

  NumberArray small;
  FillArray(small, 3, {4, 5, 6});
  NumberArray smallCopy(small);
  EXPECT_TRUE(smallCopy.UsesInlineStore());
  EXPECT_NE(smallCopy.data, small.data);
  EXPECT_EQ(ElementAt(smallCopy, 2), 6);

  GenericArray<DynString> names;
  FillArray<DynString>(names, 2, {"a", "b"});
  GenericArray<DynString> namesCopy;
  CopyArray(namesCopy, names);
  EXPECT_EQ(std::string(ElementAt(namesCopy, 1).View()), "b");

  FillArray(small, 0, {1});
  EXPECT_EQ(small.size0, 0);
  FillArray(small, 5, {1, 2});  // fewer values than elements
  EXPECT_EQ(ElementAt(small, 1), 2);
  EXPECT_EQ(ElementAt(small, 4), 0);
}

TEST(ArrayDeathTest, BadIndexesStopWithError9) {
  testing::ScopedTempDir tmp;
  EXPECT_STOPS_WITH_ERROR(9, {
    NumberArray a;
    DimNumberArray(a, 4, 3);
    ElementAt(a, -1, 0);
  });
  EXPECT_STOPS_WITH_ERROR(9, {
    NumberArray a;
    DimNumberArray(a, 4, 3);
    ElementAt(a, 4, 0);
  });
  EXPECT_STOPS_WITH_ERROR(9, {
    NumberArray a;
    DimNumberArray(a, 4, 3);
    ElementAt(a, 0, 3);
  });
  EXPECT_STOPS_WITH_ERROR(9, {
    NumberArray a;
    ElementAt(a, 0);  // never dimensioned
  });
  EXPECT_STOPS_WITH_ERROR(9, {
    NumberArray a;
    DimNumberArray(a, 0);
    ElementAt(a, 0);
  });
  EXPECT_STOPS_WITH_ERROR(9, {
    GenericArray<DynString> t;
    DimTextArray(t, 3);
    ElementAt(t, 0, 5);  // an unused dimension takes only index 0
  });
}

TEST(ArrayDeathTest, ImpossibleSizesStopWithError7) {
  testing::ScopedTempDir tmp;
  EXPECT_STOPS_WITH_ERROR(7, {
    NumberArray a;
    DimNumberArray(a, 1e6, 1e6);
  });
  EXPECT_STOPS_WITH_ERROR(7, {
    GenericArray<uint8_t> b;
    DimByteArray(b, std::nan(""));
  });
}

}  // namespace
}  // namespace zentoir
