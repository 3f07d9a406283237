#include "model/edits/wizardchecks.h"

#include "model/file/textreading.h"
#include "model/hull/floaterror.h"

#include <utility>

namespace model {

namespace {

constexpr const char* kEnterKayakLength = "Please enter a kayak length from 96 to 276 inches";
constexpr const char* kEnterWidth = "Please enter width in inches";
constexpr const char* kEnterWeight = "Please enter paddler weight in lbs";
constexpr const char* kEnterLength = "Please enter cockpit length in inches";
constexpr const char* kEnterCockpitWidth = "Please enter cockpit width in inches";
constexpr const char* kTooNarrow = "Cockpit width cannot be greater than kayak width";
constexpr const char* kEnterAftToCG = "Please enter cockpit aft to paddlers center of gravity in inches";
constexpr const char* kEnterAftToCG1 = "Please enter cockpit 1 aft to paddlers center of gravity in inches";
constexpr const char* kEnterAftToCG2 = "Please enter cockpit 2 aft to paddlers center of gravity in inches";

// Checks one after another; the first that fails gives the message.
class Checks {
public:
    Checks& filled(const std::string& box, const char* message)
    {
        if (!failed_ && box.empty()) failed_ = message;
        return *this;
    }
    // A number too large to read fails as its own box.
    Checks& wider(const std::string& beam, const std::string& cockpitWidth)
    {
        if (failed_) return *this;
        const auto b = readable(beam, kEnterWidth), w = readable(cockpitWidth, kEnterCockpitWidth);
        if (b && w && !(*b > *w)) failed_ = kTooNarrow;
        return *this;
    }
    std::optional<std::string> result() const
    {
        return failed_ ? std::optional<std::string>(failed_) : std::nullopt;
    }

private:
    std::optional<double> readable(const std::string& box, const char* message)
    {
        try {
            return leadingNumber(box);
        } catch (const FloatError&) {
            if (!failed_) failed_ = message;
            return std::nullopt;
        }
    }

    const char* failed_ = nullptr;
};

constexpr const char* kEnterDistance = "Please enter the distance between cockpits in inches";

// Each box and what its user is asked to enter.
constexpr std::pair<std::string_view, const char*> kRequests[] = {
    {"txtLength", kEnterKayakLength},
    {"txtBeam", kEnterWidth},
    {"txtPaddlerWeight", kEnterWeight},
    {"txtPaddler1Weight", kEnterWeight},
    {"txtPaddler2Weight", kEnterWeight},
    {"txtCockpitLength", kEnterLength},
    {"txtCockpit1Length", kEnterLength},
    {"txtCockpit2Length", kEnterLength},
    {"txtCockpitWidth", kEnterCockpitWidth},
    {"txtCockpit1Width", kEnterCockpitWidth},
    {"txtCockpit2Width", kEnterCockpitWidth},
    {"txtCockpitAftToCG", kEnterAftToCG},
    {"txtCockpit1AftTocenterofgravity", kEnterAftToCG1},
    {"txtCockpit2Afttocenterofgravity", kEnterAftToCG2},
    {"txtDistanceBetweenCockpits", kEnterDistance},
};

}  // namespace

std::string requestFor(std::string_view box)
{
    for (const auto& [name, request] : kRequests)
        if (name == box) return request;
    return {};
}

std::optional<std::string> checkSingleCockpit(const SingleCockpitBoxes& b)
{
    return Checks()
        .filled(b.beam, kEnterWidth)
        .filled(b.paddlerWeight, kEnterWeight)
        .filled(b.cockpitLength, kEnterLength)
        .filled(b.cockpitWidth, kEnterCockpitWidth)
        .wider(b.beam, b.cockpitWidth)
        .filled(b.cockpitAftToCG, kEnterAftToCG)
        .result();
}

std::optional<std::string> checkDoubleCockpit(const DoubleCockpitBoxes& b)
{
    return Checks()
        .filled(b.beam, kEnterWidth)
        .filled(b.paddler1Weight, kEnterWeight)
        .filled(b.cockpit1Length, kEnterLength)
        .filled(b.cockpit1Width, kEnterCockpitWidth)
        .wider(b.beam, b.cockpit1Width)
        .filled(b.cockpit1AftToCG, kEnterAftToCG1)
        .filled(b.paddler2Weight, kEnterWeight)
        .filled(b.cockpit2Length, kEnterLength)
        .filled(b.cockpit2Width, kEnterCockpitWidth)
        .wider(b.beam, b.cockpit2Width)
        .filled(b.cockpit2AftToCG, kEnterAftToCG2)
        .result();
}

}  // namespace model
