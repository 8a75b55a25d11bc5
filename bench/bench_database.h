#pragma once
// The database the benchmarks run on: the generated full-size database of
// seed 1, written once per run into a temporary folder.

#include <string>

#include "nav_generator.h"

namespace skyloom::bench {

struct BenchDatabase {
    std::string folder;  // PathNavData: ends with a separator
    navgen::GeneratedNavDatabase generated;
};

const BenchDatabase& FullDatabase();

}  // namespace skyloom::bench
