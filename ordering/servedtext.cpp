#include "ordering/servedtext.h"

#include "model/file/byteordermark.h"

namespace ordering {

namespace {

constexpr std::string_view kLineEnds = "\r\n";

}  // namespace

std::string servedText(std::string_view reply)
{
    reply = model::withoutByteOrderMark(reply);
    // Nothing but line ends: npos + 1 keeps none.
    return std::string(reply.substr(0, reply.find_last_not_of(kLineEnds) + 1));
}

}  // namespace ordering
