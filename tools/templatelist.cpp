#include "tools/templatelist.h"

namespace hulls {

const std::vector<TemplateEntry>& templateList()
{
    static const std::vector<TemplateEntry> list{
        {"kqlk22", kqlk22}, {"kqlk32", kqlk32}, {"kqlk42", kqlk42}, {"tqlk", tqlk}};
    return list;
}

}  // namespace hulls
