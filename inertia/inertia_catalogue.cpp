#include "inertia/inertia_catalogue.hpp"

#include <array>

#include "common/numerics.hpp"

namespace zun {
namespace {

constexpr std::array<InertiaEntry, kInertiaEntries> kCatalogue{{
    {"0.25HP 3335RPM", "0.25HP 2725RPM", 0.002f},
    {"0.25HP 1640RPM", "0.25HP 1345RPM", 0.002f},
    {"0.25HP 1120RPM", "0.25HP 910RPM", 0.007f},
    {"0.5HP 3400RPM", "0.5HP 2815RPM", 0.002f},
    {"0.5HP 1680RPM", "0.5HP 1370RPM", 0.005f},
    {"0.5HP 1135RPM", "0.5HP 930RPM", 0.009f},
    {"1HP 3395RPM", "1HP 2800RPM", 0.005f},
    {"1HP 1710RPM", "1HP 1390RPM", 0.009f},
    {"1HP 1140RPM", "1HP 950RPM", 0.017f},
    {"2HP 3425RPM", "2HP 2840RPM", 0.01f},
    {"2HP 1715RPM", "2HP 1400RPM", 0.017f},
    {"2HP 1140RPM", "2HP 930RPM", 0.033f},
    {"3HP 3450RPM", "3HP 2840RPM", 0.015f},
    {"3HP 1735RPM", "3HP 1435RPM", 0.033f},
    {"3HP 1160RPM", "3HP 955RPM", 0.059f},
    {"5HP 3485RPM", "5HP 2880RPM", 0.038f},
    {"5HP 1745RPM", "5HP 1445RPM", 0.059f},
    {"5HP 1160RPM", "5HP 960RPM", 0.151f},
    {"7.5HP 3505RPM", "7.5HP 2905RPM", 0.063f},
    {"7.5HP 1750RPM", "7.5HP 1445RPM", 0.104f},
    {"7.5HP 1160RPM", "7.5HP 960RPM", 0.217f},
    {"10HP 3510RPM", "10HP 2950RPM", 0.076f},
    {"10HP 1750RPM", "10HP 1450RPM", 0.143f},
    {"10HP 1175RPM", "10HP 975RPM", 0.4f},
    {"15HP 3540RPM", "15HP 2940RPM", 0.147f},
    {"15HP 1760RPM", "15HP 1460RPM", 0.297f},
    {"15HP 1170RPM", "15HP 970RPM", 0.588f},
    {"20HP 3520RPM", "20HP 2920RPM", 0.183f},
    {"20HP 1760RPM", "20HP 1465RPM", 0.381f},
    {"20HP 1170RPM", "20HP 975RPM", 1.054f},
    {"25HP 3530RPM", "25HP 2930RPM", 0.237f},
    {"25HP 1760RPM", "25HP 1455RPM", 0.571f},
    {"25HP 1170RPM", "25HP 975RPM", 1.233f},
    {"30HP 3540RPM", "30HP 2940RPM", 0.302f},
    {"30HP 1765RPM", "30HP 1465RPM", 0.706f},
    {"30HP 1175RPM", "30HP 975RPM", 1.438f},
    {"40HP 3520RPM", "40HP 2920RPM", 0.358f},
    {"40HP 1760RPM", "40HP 1455RPM", 0.81f},
    {"40HP 1170RPM", "40HP 970RPM", 1.919f},
    {"50HP 3545RPM", "50HP 29405RPM", 0.602f},
    {"50HP 1770RPM", "50HP 1470RPM", 1.422f},
    {"50HP 1175RPM", "50HP 975RPM", 2.419f},
    {"60HP 3545RPM", "60HP 2955RPM", 0.633f},
    {"60HP 1765RPM", "60HP 1465RPM", 1.643f},
    {"60HP 1180RPM", "60HP 980RPM", 3.023f},
    {"75HP 3550RPM", "75HP 2945RPM", 1.187f},
    {"75HP 1775RPM", "75HP 1470RPM", 1.979f},
    {"75HP 1175RPM", "75HP 980RPM", 4.923f},
    {"75HP 885RPM", "75HP 735RPM", 16.0f},
    {"100HP 3550RPM", "100HP 2960RPM", 1.678f},
    {"100HP 1775RPM", "100HP 1475RPM", 4.226f},
    {"100HP 1175RPM", "100HP 975RPM", 6.382f},
    {"100HP 885RPM", "100HP 735RPM", 19.6f},
    {"125HP 3550RPM", "125HP 2950RPM", 2.014f},
    {"125HP 1770RPM", "125HP 1475RPM", 5.101f},
    {"125HP 1180RPM", "125HP 975RPM", 13.8f},
    {"125HP 885RPM", "125HP 735RPM", 21.5f},
    {"150HP 3565RPM", "150HP 2950RPM", 4.0f},
    {"150HP 1770RPM", "150HP 1475RPM", 7.6f},
    {"150HP 1180RPM", "150HP 975RPM", 15.2f},
    {"150HP 885RPM", "150HP 735RPM", 25.5f},
    {"175HP 3565RPM", "175HP 2950RPM", 4.5f},
    {"175HP 1770RPM", "175HP 1475RPM", 8.6f},
    {"175HP 1185RPM", "175HP 980RPM", 18.5f},
    {"200/215HP 3570RPM", "200/215HP 2950RPM", 5.7f},
    {"200/215HP 1775RPM", "200/215HP 1480RPM", 11.2f},
    {"200/215HP 1185RPM", "200/215HP 980RPM", 21.4f},
    {"250HP/270HP 3570RPM", "250HP/270HP 2960RPM", 7.2f},
    {"250HP/270HP 1775RPM", "250HP/270HP 1480RPM", 14.2f},
}};

bool InRange(std::optional<int> index) { return index && *index >= 0 && *index < kInertiaEntries; }

}  // namespace

std::span<const InertiaEntry> InertiaCatalogue() { return kCatalogue; }

std::optional<float> LookUpInertia(std::optional<int> voltage, std::optional<int> index220,
                                   std::optional<int> index380) {
    if (voltage == 0 && InRange(index220)) return kCatalogue[static_cast<std::size_t>(*index220)].inertia;
    if (voltage == 1 && InRange(index380)) return kCatalogue[static_cast<std::size_t>(*index380)].inertia;
    return std::nullopt;
}

std::string InertiaText(float inertia) { return FormatNumber(RoundTo(inertia, 3)); }

std::optional<int> FindInertiaItem(int voltage, const std::string& itemText) {
    for (int k = 0; k < kInertiaEntries; ++k) {
        const InertiaEntry& e = kCatalogue[static_cast<std::size_t>(k)];
        if (itemText == (voltage == 0 ? e.item220 : e.item380)) return k;
    }
    return std::nullopt;
}

}  // namespace zun
