#include "bench_database.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "io/file_system.h"

namespace skyloom::bench {

namespace {

BenchDatabase Make() {
    BenchDatabase database;
    database.generated = navgen::GenerateNavDatabase(1, navgen::NavScale::Full, 1);
    auto folder = std::filesystem::temp_directory_path() / "skyloom-bench-full-nav";
    if (!navgen::WriteNavDatabase(database.generated, folder.string())) {
        std::cerr << "cannot write the database into " << folder.string() << "\n";
        std::exit(1);
    }
    database.folder = fromNativePath(folder) + kPathSeparator;
    return database;
}

}  // namespace

const BenchDatabase& FullDatabase() {
    static const BenchDatabase database = Make();
    return database;
}

}  // namespace skyloom::bench
