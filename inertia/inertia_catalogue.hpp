#pragma once
// Rotor inertias of standard motors by supply voltage, power and speed.
#include <optional>
#include <span>
#include <string>

namespace zun {

struct InertiaEntry {
    const char* item220;  // item text of the 220 V list
    const char* item380;  // item text of the 380 V list
    float inertia;        // kg·m², the same for both lists at one index
};

inline constexpr int kInertiaEntries = 69;

std::span<const InertiaEntry> InertiaCatalogue();

// The inertia for the voltage choice (0: 220 V, 1: 380 V) and the selection
// of that voltage's list; nothing when no voltage or no item of its list is
// chosen.
std::optional<float> LookUpInertia(std::optional<int> voltage, std::optional<int> index220,
                                   std::optional<int> index380);

// The inertia as "OK" shows it: rounded to three decimals, general format.
std::string InertiaText(float inertia);

// The index of an item text in a voltage's list, or nothing.
std::optional<int> FindInertiaItem(int voltage, const std::string& itemText);

}  // namespace zun
