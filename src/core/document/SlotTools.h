#pragma once
// What 粘贴到此武将 and 清空此武将 put into a slot.
#include "core/officers/OfficerRecord.h"

// A slot as the game leaves it before anyone registers there: every text
// and number zero, every relationship none (0xFFFF), no type (0xFF).
OfficerRecord EmptySlotRecord();

// The record copied from `sourceSlot` as it goes into `targetSlot`: a
// relationship naming the source's own roster number (the officer itself,
// as 相同武将 may) names the target's instead; every other value stays.
OfficerRecord PastedRecord(const OfficerRecord& copied, int sourceSlot, int targetSlot);
