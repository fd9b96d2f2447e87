#pragma once
// Small derating tables made in the tests.
#include <filesystem>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "rating/derating_table.hpp"

namespace zun::test {

// Entry (r, j) = base + r × 10 + j × 0.001 unless changed afterwards; every
// entry is distinct so a wrong row or column shows in the result.
inline DeratingTable MakeTable(float base = 100.0f) {
    DeratingTable t;
    for (int r = 0; r < kDutyClassCount; ++r)
        for (int j = 0; j < kTimeSteps; ++j)
            t.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(j)] =
                base + static_cast<float>(r) * 10.0f + static_cast<float>(j) * 0.001f;
    return t;
}

inline float& Entry(DeratingTable& t, int dutyClass, int timeIndex) {
    return t.rows[static_cast<std::size_t>(dutyClass)][static_cast<std::size_t>(timeIndex - 1)];
}

inline std::string TableText(const DeratingTable& t, const char* separator = "\n") {
    std::string s;
    char buf[32];
    for (const auto& row : t.rows)
        for (float v : row) {
            std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
            s += buf;
            s += separator;
        }
    return s;
}

// A temporary folder, removed with its contents at the end of the test.
class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/zun-test-XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path Write(const std::string& name, const std::string& text) const {
        const auto p = path_ / name;
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }

private:
    std::filesystem::path path_;
};

}  // namespace zun::test
