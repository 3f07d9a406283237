#include "tests/tools/templatecase.h"

#include "tools/hullbuilder.h"
#include "tools/templatelist.h"

#include "model/designreader.h"
#include "model/textfile.h"

#include <stdexcept>

namespace templatecase {

namespace {

constexpr std::uintmax_t kMostBytes = 1 << 20;

const hulls::TemplateEntry& entry(const std::string& name)
{
    for (const hulls::TemplateEntry& t : hulls::templateList())
        if (name == t.fileName) return t;
    throw std::invalid_argument("no template " + name);
}

// The build copies the templates beside every program that opens them.
std::filesystem::path besideThisProgram() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

model::Design readFrom(const std::filesystem::path& folder, const std::string& name)
{
    const auto text = model::readTextFile(folder / name, kMostBytes);
    if (!text) throw std::runtime_error("cannot read template " + (folder / name).string());
    model::DesignRead read = model::readTemplateText(*text, entry(name).paddlerRows);
    if (!read.design) throw std::runtime_error("template " + name + ": " + read.fault);
    // As the wizard holds it once the file is read.
    model::Design d = *read.design;
    d.DesignLoaded = true;
    d.CurveStep = model::kDefaultCurveStep;
    return d;
}

}  // namespace

const std::vector<Expected>& allTemplates()
{
    static const std::vector<Expected> list{
        {"kqlk22", 4, 1, 204}, {"kqlk32", 5, 1, 204}, {"kqlk42", 6, 1, 204}, {"tqlk", 5, 2, 204}};
    return list;
}

model::Design load(const std::string& name) { return readFrom(besideThisProgram(), name); }

model::Design loadFromSources(const std::string& name) { return readFrom(QUILLOCK_TEMPLATES, name); }

model::Design described(const std::string& name) { return hulls::buildDesign(entry(name).shape()); }

}  // namespace templatecase
