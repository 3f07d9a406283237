#include "tools/templatelist.h"

#include <iostream>

int main(int argc, char**)
{
    if (argc != 2) {
        std::cerr << "usage: maketemplates <folder>\n";
        return 2;
    }
    for (const hulls::TemplateEntry& t : hulls::templateList()) std::cout << t.fileName << "\n";
    return 0;
}
