// Writes the four starting designs into a folder: maketemplates <folder>

#include "tools/hullbuilder.h"
#include "tools/templatelist.h"

#include "model/file/designwriter.h"
#include "model/file/textfile.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: maketemplates <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    for (const hulls::TemplateEntry& t : hulls::templateList()) {
        const model::Design design = hulls::buildDesign(t.shape());
        const std::filesystem::path file = folder / t.fileName;
        if (!model::writeFileAtomically(file, model::writeTemplateText(design, t.paddlerRows))) {
            std::cerr << "could not write " << file << "\n";
            return 1;
        }
        std::cout << file.string() << "\n";
    }
    return 0;
}
