#include "tools/templatelist.h"

namespace hulls {

const std::vector<TemplateEntry>& templateList()
{
    using model::PaddlerRows;
    static const std::vector<TemplateEntry> list{{"kqlk22", kqlk22, PaddlerRows::Two},
                                                 {"kqlk32", kqlk32, PaddlerRows::Two},
                                                 {"kqlk42", kqlk42, PaddlerRows::Two},
                                                 {"tqlk", tqlk, PaddlerRows::One}};
    return list;
}

}  // namespace hulls
