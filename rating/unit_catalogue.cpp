#include "rating/unit_catalogue.hpp"

#include <array>

namespace zun {
namespace {

constexpr std::array<UnitModel, 7> kModels220{{
    {"ZUN-L01", 30}, {"ZUN-L02", 48}, {"ZUN-L03", 57}, {"ZUN-L04", 73.5},
    {"ZUN-L05", 90}, {"ZUN-L06", 120}, {"ZUN-L07", 150},
}};

constexpr std::array<UnitModel, 9> kModels380{{
    {"ZUN-H01", 15.8}, {"ZUN-H02", 25.5}, {"ZUN-H03", 30}, {"ZUN-H04", 37.5}, {"ZUN-H05", 48},
    {"ZUN-H06", 64.5}, {"ZUN-H07", 73.5}, {"ZUN-H08", 90}, {"ZUN-H09", 112.5},
}};

}  // namespace

std::span<const UnitModel> UnitCatalogue(VoltageClass voltage) {
    if (voltage == VoltageClass::V220) return kModels220;
    return kModels380;
}

std::optional<UnitModel> SelectUnit(VoltageClass voltage, float x) {
    for (const UnitModel& model : UnitCatalogue(voltage)) {
        // The current is widened to double: 15.8f is 15.800000190734863 and
        // therefore lies above the 15.8 limit.
        if (static_cast<double>(x) <= model.limit) return model;
    }
    return std::nullopt;
}

const char* VoltageText(VoltageClass voltage) {
    switch (voltage) {
        case VoltageClass::V220: return "220V";
        case VoltageClass::V380: return "380V";
        case VoltageClass::V440: return "440V";
    }
    return "";
}

int VoltageNumber(VoltageClass voltage) {
    switch (voltage) {
        case VoltageClass::V220: return 220;
        case VoltageClass::V380: return 380;
        case VoltageClass::V440: return 440;
    }
    return 0;
}

}  // namespace zun
