#include "tests/tools/templatecase.h"

#include "tools/hullbuilder.h"
#include "tools/templatelist.h"

#include <stdexcept>

namespace templatecase {

const std::vector<Expected>& allTemplates()
{
    static const std::vector<Expected> list{
        {"kqlk22", 4, 1, 204}, {"kqlk32", 5, 1, 204}, {"kqlk42", 6, 1, 204}, {"tqlk", 5, 2, 240}};
    return list;
}

model::Design load(const std::string& name)
{
    for (const hulls::TemplateEntry& t : hulls::templateList())
        if (name == t.fileName) return hulls::buildDesign(t.shape());
    throw std::invalid_argument("no template " + name);
}

}  // namespace templatecase
