#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/toolkit_printers.h"
#include "toolkit/platform/web/key_input.h"
#include "toolkit/platform/web/page_events.h"

namespace {

using toolkit::platform::Key;
using toolkit::platform::Modifiers;
using toolkit::platform::web::kAltBit;
using toolkit::platform::web::kControlBit;
using toolkit::platform::web::kShiftBit;
using toolkit::platform::web::TranslateKey;

struct KeyCase {
  const char* key;  // KeyboardEvent.key
  int modifierBits;
  Key expected;
  Modifiers modifiers;
  std::optional<char32_t> typed;
};
void PrintTo(const KeyCase& c, std::ostream* out) { *out << '"' << c.key << "\" " << c.modifierBits; }

class KeyNames : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyNames, BecomeTheToolkitsKeysAndTheCharactersTheyType) {
  const KeyCase& c = GetParam();
  const auto stroke = TranslateKey(c.key, c.modifierBits);
  ASSERT_TRUE(stroke);
  EXPECT_EQ(stroke->key, c.expected);
  EXPECT_EQ(stroke->modifiers, c.modifiers);
  EXPECT_EQ(stroke->typed, c.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Browsers, KeyNames,
    testing::Values(KeyCase{" ", 0, Key::Space, {}, U' '},
                    KeyCase{" ", kShiftBit, Key::Space, {.shift = true}, U' '},
                    KeyCase{"Spacebar", 0, Key::Space, {}, std::nullopt},
                    KeyCase{"Enter", 0, Key::Enter, {}, std::nullopt},
                    KeyCase{"ArrowLeft", 0, Key::Left, {}, std::nullopt},
                    KeyCase{"Right", 0, Key::Right, {}, std::nullopt},
                    KeyCase{"ArrowUp", 0, Key::Up, {}, std::nullopt},
                    KeyCase{"ArrowDown", 0, Key::Down, {}, std::nullopt},
                    KeyCase{"Tab", kControlBit, Key::Tab, {.control = true}, std::nullopt},
                    KeyCase{"Tab", kControlBit | kShiftBit, Key::Tab, {.shift = true, .control = true}, std::nullopt},
                    KeyCase{"Escape", 0, Key::Escape, {}, std::nullopt},
                    KeyCase{"a", kAltBit, Key::Other, {.alt = true}, U'a'},
                    KeyCase{"ж", 0, Key::Other, {}, U'ж'},
                    KeyCase{"€", 0, Key::Other, {}, U'€'},
                    KeyCase{"F5", 0, Key::Other, {}, std::nullopt},
                    KeyCase{"Unidentified", 0, Key::Other, {}, std::nullopt}));

TEST(KeyNames, AModifierOnItsOwnIsNoKeyStroke) {
  for (const char* key : {"Shift", "Control", "Alt", "AltGraph", "Meta"}) {
    EXPECT_FALSE(TranslateKey(key, kShiftBit | kControlBit | kAltBit)) << key;
  }
}

TEST(KeyNames, BrokenTextTypesNothing) {
  for (const char* key : {"\xD0", "\xFF", "\xD0\x41", ""}) {
    const auto stroke = TranslateKey(key, 0);
    ASSERT_TRUE(stroke);
    EXPECT_EQ(stroke->key, Key::Other);
    EXPECT_EQ(stroke->typed, std::nullopt);
  }
}

}  // namespace
