// The list's slots and order without any window.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <algorithm>

#include "core/document/OfficerListModel.h"
#include "core/officers/IntegerText.h"
#include "support/DocumentFixture.h"

namespace {

class OfficerListModelTest : public DocumentFixture {
 protected:
  OfficerListModel list{doc};
};

TEST_F(OfficerListModelTest, SearchAndSortUseTheTablesValues) {
  doc.Open(Q(file));
  QSignalSpy searched(&list, &OfficerListModel::visibleSlotsChanged);
  list.Search({"", "77", "", "", ""});
  EXPECT_EQ(searched.count(), 1);
  EXPECT_TRUE(list.SlotVisible()[0]);
  EXPECT_TRUE(list.SlotVisible()[13]);  // 13 * 37 % 101 == 77
  EXPECT_EQ(std::count(list.SlotVisible().begin(), list.SlotVisible().end(), true), 2);
  EXPECT_THROW(list.Search({"", "abc", "", "", ""}), ConvertError);
  EXPECT_EQ(searched.count(), 1);

  EXPECT_EQ(list.SortBy(3).column, 3);  // 武力: highest first
  const std::vector<int> sorted = list.SortedSlots({0, 1, 2, 3});
  EXPECT_EQ(sorted, (std::vector<int>{0, 2, 1, 3}));  // 77, 37, 74, 10 -> 77, 74, 37, 10
}

TEST_F(OfficerListModelTest, ASearchKeepsTheSortAndEqualRowsKeepTheirOrder) {
  doc.Open(Q(file));
  list.SortBy(1);  // 姓名: every officer is Z
  list.Search({"", "37", "", "", ""});
  EXPECT_EQ(list.Sort().column, 1);
  EXPECT_TRUE(list.Sort().ascending);
  EXPECT_TRUE(list.SlotVisible()[1]);
  EXPECT_TRUE(list.SlotVisible()[102]);  // 102 * 37 % 101 == 37
  std::vector<int> everyone;
  for (int slot = 109; slot >= 0; --slot) everyone.push_back(slot);
  EXPECT_EQ(list.SortedSlots(everyone), everyone);

  doc.Reload();  // every slot is listed again, the sort stays
  EXPECT_EQ(std::count(list.SlotVisible().begin(), list.SlotVisible().end(), true), 110);
  EXPECT_EQ(list.Sort().column, 1);
}

}  // namespace
