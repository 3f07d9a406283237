#include "model/filedialogs.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

constexpr const char* kFilter = "QLK Files (*.QLK)|*.QLK|All Files (*.*)|*.*";

TEST(FileDialogHelpers, TrimAtNullKeepsTheTextBeforeTheFirstNul)
{
    EXPECT_EQ(model::TrimAtNull("C:\\boats\\kayak.QLK\0\0\0\0"s), "C:\\boats\\kayak.QLK");
    EXPECT_EQ(model::TrimAtNull("no nul"), "no nul");
    EXPECT_EQ(model::TrimAtNull("\0after"s), "");
}

TEST(FileDialogHelpers, TheFilterBecomesNulSeparatedPairsEndingInTwoNuls)
{
    EXPECT_EQ(model::nulSeparatedFilter(kFilter), "QLK Files (*.QLK)\0*.QLK\0All Files (*.*)\0*.*\0\0"s);
}

TEST(FileDialogHelpers, FilterFieldFindsTheNthPair)
{
    const std::string list = model::nulSeparatedFilter(kFilter);
    EXPECT_EQ(model::FilterField(list, 1), "QLK Files (*.QLK)\0*.QLK"s);
    EXPECT_EQ(model::FilterField(list, 2), "All Files (*.*)\0*.*"s);
    EXPECT_EQ(model::TrimAtNull(model::FilterField(list, 3)), "");
    EXPECT_EQ(model::FilterField("", 1), "");
    EXPECT_EQ(model::FilterField("no nul at all", 1), "");
    EXPECT_EQ(model::FilterField(list, 0), "");
    // A last pair without its closing NUL runs to the end of the list.
    EXPECT_EQ(model::FilterField("A\0a\0B\0b"s, 2), "B\0b"s);
}

TEST(FileDialogHelpers, FilterPairsSplitsDescriptionsFromPatterns)
{
    const auto pairs = model::filterPairs(kFilter);
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].description, "QLK Files (*.QLK)");
    EXPECT_EQ(pairs[0].pattern, "*.QLK");
    EXPECT_EQ(pairs[1].description, "All Files (*.*)");
    EXPECT_EQ(pairs[1].pattern, "*.*");
    EXPECT_TRUE(model::filterPairs("").empty());
    // A description with a colon stays whole.
    EXPECT_EQ(model::filterPairs("Drive C: files|*.c").at(0).description, "Drive C: files");
}
