// The committed template files are what the hull descriptions build, written
// in the template layout; the build copies them beside the program, and they
// pass the checks an opened design must.

#include "tests/tools/templatecase.h"

#include "tools/templatelist.h"

#include "model/designcheck.h"
#include "model/designwriter.h"

#include <gtest/gtest.h>

namespace {

TEST(TemplateFiles, AreWhatTheDescriptionsBuild)
{
    for (const hulls::TemplateEntry& t : hulls::templateList()) {
        const std::string committed = model::writeTemplateText(templatecase::loadFromSources(t.fileName), t.paddlerRows);
        // Regenerate with tools/maketemplates when a description changes.
        EXPECT_EQ(committed, model::writeTemplateText(templatecase::described(t.fileName), t.paddlerRows))
            << t.fileName;
        EXPECT_EQ(committed, model::writeTemplateText(templatecase::load(t.fileName), t.paddlerRows)) << t.fileName;
        const auto fault = model::designFault(templatecase::load(t.fileName));
        EXPECT_FALSE(fault) << t.fileName << ": " << fault.value_or("");
    }
}

}  // namespace
