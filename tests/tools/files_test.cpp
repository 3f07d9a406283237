// The committed template files: what the hull descriptions build, written
// in the template layout, and read back whole.

#include "tests/tools/templatecase.h"

#include "tools/templatelist.h"

#include "model/designcheck.h"
#include "model/designwriter.h"

#include <gtest/gtest.h>

using namespace model;

namespace {

TEST(TemplateFiles, AreWhatTheDescriptionsBuild)
{
    for (const hulls::TemplateEntry& t : hulls::templateList()) {
        const Design committed = templatecase::loadFromSources(t.fileName);
        const Design built = templatecase::described(t.fileName);
        // Regenerate with tools/maketemplates when a description changes.
        EXPECT_EQ(writeTemplateText(committed, t.paddlerRows), writeTemplateText(built, t.paddlerRows))
            << t.fileName;
    }
}

TEST(TemplateFiles, BesideTheProgramAreTheCommittedOnes)
{
    for (const hulls::TemplateEntry& t : hulls::templateList())
        EXPECT_EQ(writeTemplateText(templatecase::load(t.fileName), t.paddlerRows),
                  writeTemplateText(templatecase::loadFromSources(t.fileName), t.paddlerRows))
            << t.fileName;
}

TEST(TemplateFiles, PassTheChecksAnOpenedDesignMust)
{
    for (const hulls::TemplateEntry& t : hulls::templateList()) {
        const auto fault = designFault(templatecase::load(t.fileName));
        EXPECT_FALSE(fault) << t.fileName << ": " << fault.value_or("");
    }
}

}  // namespace
