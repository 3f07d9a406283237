// Writes the fuzzer's seed corpus: sound design files of every version and
// templates of both paddler layouts, made from the test designs.

#include "model/file/designwriter.h"
#include "tests/model/document/minidesign.h"
#include "tests/support/designbuilder.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: makeseeds <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    auto put = [&](const char* name, const std::string& text) { std::ofstream(folder / name, std::ios::binary) << text; };

    const model::Design mini = testdesigns::miniDesign();
    const model::Design furnished = testsupport::furnishedKayak();
    put("mini.QLK", model::writeDesignText(mini));
    put("furnished.QLK", model::writeDesignText(furnished));
    put("sevenline.QLK", model::writeDesignText(testsupport::sevenLineKayak()));
    put("old100.QLK", model::writeDesignRows(furnished, model::kOldLayout, "1.0.0"));
    put("old101.QLK", model::writeDesignRows(furnished, model::kOldLayout, "1.0.1"));
    put("template2", model::writeTemplateText(furnished, model::PaddlerRows::Two));
    put("template1", model::writeTemplateText(furnished, model::PaddlerRows::One));
    put("minitemplate", model::writeTemplateText(mini, model::PaddlerRows::Two));
    return 0;
}
