// Writes the derating table "bked.txt" from the performance-curve table.
//
//   bked_gen data/curves.csv data/bked.txt
//
// Rows 10, 25, 40, 60 and 80 %ED follow their curves; 100 %ED is the
// continuous 80 % line. Between tabulated points the values run along a
// monotone cubic (Fritsch-Carlson) in log10 of the working time, so they fall
// smoothly and never overshoot; before 1 s a curve holds its 1 s value, and
// after its end it stays at 80 %.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kFloor = 80.0;
constexpr int kTimeSteps = 4000;

struct Curve {
    std::vector<double> x;  // log10 of the working time
    std::vector<double> y;  // per cent
    std::vector<double> m;  // slopes at the knots
};

void Prepare(Curve& c) {
    const std::size_t n = c.x.size();
    std::vector<double> delta(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) delta[k] = (c.y[k + 1] - c.y[k]) / (c.x[k + 1] - c.x[k]);
    c.m.assign(n, 0.0);
    c.m[0] = delta[0];
    c.m[n - 1] = delta[n - 2];
    for (std::size_t k = 1; k + 1 < n; ++k) {
        c.m[k] = (delta[k - 1] * delta[k] <= 0) ? 0.0 : (delta[k - 1] + delta[k]) / 2;
    }
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (delta[k] == 0) {
            c.m[k] = c.m[k + 1] = 0;
            continue;
        }
        const double a = c.m[k] / delta[k];
        const double b = c.m[k + 1] / delta[k];
        const double s = a * a + b * b;
        if (s > 9) {
            const double tau = 3 / std::sqrt(s);
            c.m[k] = tau * a * delta[k];
            c.m[k + 1] = tau * b * delta[k];
        }
    }
}

double Evaluate(const Curve& c, double seconds) {
    const double lx = std::log10(seconds);
    if (lx <= c.x.front()) return c.y.front();
    if (lx >= c.x.back()) return kFloor;
    std::size_t k = 0;
    while (lx > c.x[k + 1]) ++k;
    const double h = c.x[k + 1] - c.x[k];
    const double t = (lx - c.x[k]) / h;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * c.y[k] + (t3 - 2 * t2 + t) * h * c.m[k] + (-2 * t3 + 3 * t2) * c.y[k + 1] +
           (t3 - t2) * h * c.m[k + 1];
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream ss(line);
    std::string cell;
    while (std::getline(ss, cell, ',')) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.emplace_back();
    return cells;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: bked_gen CURVES.csv OUTPUT.txt\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    std::vector<std::string> header;
    std::map<std::string, Curve> curves;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto cells = Split(line);
        if (header.empty()) {
            header = cells;
            continue;
        }
        for (std::size_t col = 1; col < cells.size() && col < header.size(); ++col) {
            if (cells[col].empty()) continue;
            Curve& c = curves[header[col]];
            if (cells[0] == "end") {
                c.x.push_back(std::log10(std::stod(cells[col])));
                c.y.push_back(kFloor);
            } else {
                c.x.push_back(std::log10(std::stod(cells[0])));
                c.y.push_back(std::stod(cells[col]));
            }
        }
    }
    const std::vector<std::string> rows{"10", "25", "40", "60", "80", "continuous"};
    for (const auto& name : rows) {
        if (curves[name].x.size() < 2) {
            std::cerr << "curve " << name << " has too few points\n";
            return 1;
        }
        Prepare(curves[name]);
    }
    std::FILE* out = std::fopen(argv[2], "w");
    if (!out) {
        std::cerr << "cannot write " << argv[2] << "\n";
        return 1;
    }
    for (const auto& name : rows) {
        for (int j = 0; j < kTimeSteps; ++j) {
            const double seconds = (j + 1) * 0.1;
            std::fprintf(out, "%.2f%c", Evaluate(curves[name], seconds), (j % 10 == 9) ? '\n' : '\t');
        }
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
