// The character table reaches the windows' program too: it is linked in
// with the core library's resources.
#include <gtest/gtest.h>

#include "core/convert/CharacterTable.h"
#include "core/convert/Jislib.h"

TEST(ConvertResourceInGui, TheTableIsLoaded) {
  LoadConversionTable();
  // Without the asset every entry would stay 0.
  EXPECT_NE(LoadedCharacterTable().Entry(CharacterTable::kGbk, 0), 0);
  EXPECT_EQ(Big5ToGbk(std::string("\xBC\x42\xB3\xC6")), "\xC1\xF5\xB1\xB8");
}
