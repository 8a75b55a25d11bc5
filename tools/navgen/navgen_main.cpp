// skyloom-navgen: writes a generated navigation database into a folder and
// prints its routes, one per line, the 40-element route first.
// Usage: skyloom-navgen [--seed N] [--scale full|small] [--routes N] OUT_DIR

#include <cstdio>
#include <iostream>
#include <string>

#include "nav_generator.h"

int main(int argc, char** argv) {
    using namespace skyloom::navgen;
    std::uint64_t seed = 1;
    NavScale scale = NavScale::Full;
    std::size_t routes = 1;
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue) {
            seed = std::stoull(argv[++i]);
        } else if (arg == "--scale" && hasValue) {
            std::string value = argv[++i];
            scale = value == "small" ? NavScale::Small : NavScale::Full;
        } else if (arg == "--routes" && hasValue) {
            routes = std::stoul(argv[++i]);
        } else if (folder.empty() && !arg.starts_with("--")) {
            folder = arg;
        } else {
            folder.clear();
            break;
        }
    }
    if (folder.empty()) {
        std::cerr << "usage: skyloom-navgen [--seed N] [--scale full|small] [--routes N] OUT_DIR\n";
        return 2;
    }
    GeneratedNavDatabase database = GenerateNavDatabase(seed, scale, routes);
    if (!WriteNavDatabase(database, folder)) {
        std::cerr << "skyloom-navgen: cannot write into " << folder << "\n";
        return 1;
    }
    for (const std::string& route : database.routes) {
        std::cout << route << "\n";
    }
    return 0;
}
