// Writes the derating table "bked.txt" from the unit's performance curves:
//
//   bked_gen data/bked.txt
//
// Rows 10, 25, 40, 60 and 80 %ED follow their curves and 100 %ED is the
// continuous 80 % line, for working times 0.1 s to 400.0 s.
#include <cstdio>
#include <iostream>

#include "help/performance_curves.hpp"
#include "rating/derating_table.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: bked_gen OUTPUT.txt\n";
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    for (int duty : zun::kDutyClasses) {
        const zun::PerformanceCurve* curve = nullptr;
        for (const auto& c : zun::PerformanceCurves()) {
            if (c.duty == (duty == 100 ? 0 : duty)) curve = &c;
        }
        for (int j = 0; j < zun::kTimeSteps; ++j) {
            std::fprintf(out, "%.2f%c", curve->ValueAt((j + 1) * 0.1), (j % 10 == 9) ? '\n' : '\t');
        }
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
