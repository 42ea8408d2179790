#pragma once
// Which slots the officer list holds and in which order: the search boxes,
// 查找武将 and the sort of the list's columns, over the document's table.
#include <QObject>
#include <array>
#include <string>
#include <vector>

#include "core/list/OfficerFinder.h"
#include "core/list/OfficerList.h"
#include "core/officers/OfficerRecord.h"

class OfficerDocument;

class OfficerListModel : public QObject {
  Q_OBJECT

 public:
  explicit OfficerListModel(const OfficerDocument& document, QObject* parent = nullptr);

  const OfficerDocument& Document() const { return document_; }
  const std::array<bool, kSlotCount>& SlotVisible() const { return slotVisible_; }
  SortState Sort() const { return sort_; }

  // Reads the five search boxes (UTF-8); a box that holds no integer throws
  // ConvertError and nothing changes. The list holds the matching slots.
  void Search(const std::array<std::string, 5>& texts);
  // 查找武将: the list holds the slots matching every criterion; the number
  // of them.
  int Find(const FindCriteria& criteria);
  // A click on a column header: the next sort state.
  SortState SortBy(int column);
  // The listed slots in the order of the sort state (the table's values
  // decide, names by their bytes in the document's script: GBK or Big5
  // order; equal rows keep the given order).
  std::vector<int> SortedSlots(const std::vector<int>& listed) const;

 signals:
  // Open or reload: every slot is listed again, the searches are gone.
  void listReset();
  // A search chose other slots for the list.
  void visibleSlotsChanged();

 private:
  const OfficerDocument& document_;
  std::array<bool, kSlotCount> slotVisible_{};
  SortState sort_{};
};
