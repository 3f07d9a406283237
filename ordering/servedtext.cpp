#include "ordering/servedtext.h"

namespace ordering {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnds = "\r\n";

}  // namespace

std::string servedText(std::string_view reply)
{
    if (reply.starts_with(kByteOrderMark)) reply.remove_prefix(kByteOrderMark.size());
    // Nothing but line ends: npos + 1 keeps none.
    return std::string(reply.substr(0, reply.find_last_not_of(kLineEnds) + 1));
}

}  // namespace ordering
