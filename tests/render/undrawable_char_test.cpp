#include <gtest/gtest.h>

#include <string>

#include "render/undrawable_char.h"

namespace {

std::size_t undrawableAt(const std::string& text)
{
    return static_cast<std::size_t>(findUndrawableChar(text.data(), text.data() + text.size()) - text.data());
}

}  // namespace

TEST(LabelCharacters, OnlyUpperCaseDigitsBlankDashAndDotAreDrawable)
{
    EXPECT_EQ(undrawableAt("MILL 2-A.B 09"), 13u);
    EXPECT_EQ(undrawableAt(""), 0u);
    EXPECT_EQ(undrawableAt("AB/C"), 2u);
    EXPECT_EQ(undrawableAt("ABc"), 2u);
    EXPECT_EQ(undrawableAt("A_B"), 1u);
    EXPECT_EQ(undrawableAt("A\"B"), 1u);
    EXPECT_EQ(undrawableAt("X\xC3\x84"), 1u);
    EXPECT_EQ(undrawableAt("Z\tZ"), 1u);
}
