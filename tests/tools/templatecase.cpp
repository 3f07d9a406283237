#include "tests/tools/templatecase.h"

#include "tools/hullbuilder.h"
#include "tools/templatelist.h"

#include "model/edits/cockpitedits.h"
#include "model/edits/hullresize.h"
#include "model/edits/newdesign.h"
#include "model/file/designreader.h"
#include "model/file/textfile.h"
#include "model/hull/maxbeam.h"
#include "model/hull/sections.h"

#include <stdexcept>

namespace templatecase {

namespace {

const hulls::TemplateEntry& entry(const std::string& name)
{
    for (const hulls::TemplateEntry& t : hulls::templateList())
        if (name == t.fileName) return t;
    throw std::invalid_argument("no template " + name);
}

model::Design readFrom(const std::filesystem::path& folder, const std::string& name)
{
    const auto text = model::readTextFile(folder / name, 1 << 20);
    if (!text) throw std::runtime_error("cannot read template " + (folder / name).string());
    model::DesignRead read = model::readTemplateText(*text, entry(name).paddlerRows);
    if (!read.design) throw std::runtime_error("template " + name + ": " + read.fault);
    model::Design d = *read.design;
    d.DesignLoaded = true;
    d.CurveStep = model::kDefaultCurveStep;
    return d;
}

model::Hydrostatics rebuild(model::Design& d)
{
    const model::HydroInputs inputs{true};
    model::Hydrostatics results;
    model::runHydrostatics(d, inputs, results);
    model::makesections(d);
    return results;
}

}  // namespace

const std::vector<Expected>& allTemplates()
{
    static const std::vector<Expected> list{{"kqlk22", 4, 1}, {"kqlk32", 5, 1}, {"kqlk42", 6, 1}, {"tqlk", 5, 2}};
    return list;
}

// The build copies the templates beside every program that opens them.
model::Design load(const std::string& name)
{
    return readFrom(std::filesystem::read_symlink("/proc/self/exe").parent_path(), name);
}

model::Design loadFromSources(const std::string& name) { return readFrom(QUILLOCK_TEMPLATES, name); }

model::Design described(const std::string& name) { return hulls::buildDesign(entry(name).shape()); }

model::Hydrostatics makeNewDesign(model::Design& d, double length, double beam)
{
    d.PaddlerWeights = {0, 190, 190};
    for (int k = 1; k <= d.cockpitCount(); ++k) {
        d.Cockpits[k].Length = 32;
        d.Cockpits[k].Width = 18;
        d.Cockpits[k].AftToCG = 11;
    }
    if (d.cockpitCount() == 2) d.Cockpits[1].DistanceBetweenCockpits = 60;
    rebuild(d);
    model::stretchToLength(d, length);
    rebuild(d);
    // Every panel still counts as a deck panel, so the beam covers every line.
    model::scaleAllToBeam(d, beam, model::MaxBeam(d));
    model::setRimHalfWidth(d, 1);
    rebuild(d);
    if (d.cockpitCount() == 2) {
        model::setRimHalfWidth(d, 2);
        model::placeTandemFixedPoints(d);
    }
    for (int k = 1; k <= d.cockpitCount(); ++k) model::respaceAndLevelRim(d, k);
    model::flagDeckAndHullPanels(d);
    return rebuild(d);
}

}  // namespace templatecase
