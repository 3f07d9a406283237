// libFuzzer target for the design-text reader. Whatever the bytes, reading
// must not crash, whatever it accepts must write out and read back to the
// very same text, and the check Open runs on it must stay quick and small.

#include "model/file/designreader.h"
#include "model/file/designwriter.h"
#include "model/hull/floaterror.h"
#include "model/hull/sections.h"
#include "model/hydrostatics/hydrostatics.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// What Open does with a design the reader accepted before it replaces the
// open one. The reader bounds its work; fuzz.sh's time and memory limits
// catch a file that slips past the bound.
void checkAsOpenDoes(model::Design d)
{
    d.DesignLoaded = true;
    try {
        model::makesections(d);
        model::Hydrostatics results;
        model::runHydrostatics(d, model::HydroInputs{}, results);
    } catch (const model::FloatError&) {
        // A design whose geometry overflows is refused, not a crash.
    }
}

template <class Read, class Write>
void fuzzLayout(std::string_view text, Read read, Write write, const char* layout)
{
    const model::DesignRead first = read(text);
    if (!first.design) return;
    const std::string written = write(*first.design);
    const model::DesignRead again = read(written);
    if (!again.design || write(*again.design) != written) {
        std::fprintf(stderr, "%s does not read back: %s\n", layout, again.fault.c_str());
        std::abort();
    }
    checkAsOpenDoes(*first.design);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using model::PaddlerRows;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzzLayout(text, model::readDesignText, model::writeDesignText, "design file");
    for (PaddlerRows paddlers : {PaddlerRows::Two, PaddlerRows::One})
        fuzzLayout(
            text, [paddlers](std::string_view t) { return model::readTemplateText(t, paddlers); },
            [paddlers](const model::Design& d) { return model::writeTemplateText(d, paddlers); }, "template");
    return 0;
}
