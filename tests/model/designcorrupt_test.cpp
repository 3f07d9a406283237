#include "model/designreader.h"
#include "tests/model/corruptdesigns.h"

#include <gtest/gtest.h>

TEST(DesignReader, ReadsTheUndamagedMiniDesign)
{
    // The damaged texts below differ from this one in one place only.
    EXPECT_TRUE(model::readDesignText(model::writeDesignText(testdesigns::miniDesign())).design);
}

TEST(DesignReader, RefusesEveryKindOfDamage)
{
    for (const auto& corrupt : testdesigns::corruptTexts()) {
        const model::DesignRead read = model::readDesignText(corrupt.text);
        EXPECT_FALSE(read.design) << corrupt.name;
        EXPECT_FALSE(read.fault.empty()) << corrupt.name;
    }
}

TEST(DesignReader, NamesTheRowOfARowFault)
{
    const model::DesignRead read = model::readDesignText(testdesigns::withRow(testdesigns::kRowCargo, " 25,5"));
    EXPECT_NE(read.fault.find("row 64"), std::string::npos) << read.fault;
}
