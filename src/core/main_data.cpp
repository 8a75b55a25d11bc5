#include "core/main_data.h"

namespace skyloom {

const char* aircraftCaption(Aircraft aircraft) {
    switch (aircraft) {
        case Aircraft::Pmdg737:
            return "PMDG737";
        case Aircraft::Pmdg747:
            return "PMDG747";
        case Aircraft::LevelD767:
            return "LevelD 767";
        case Aircraft::Pss777:
            return "PSS 777";
    }
    return "";
}

const char* aircraftTypeNumber(Aircraft aircraft) {
    switch (aircraft) {
        case Aircraft::Pmdg737:
            return "737";
        case Aircraft::Pmdg747:
            return "747";
        case Aircraft::LevelD767:
            return "767";
        case Aircraft::Pss777:
            return "777";
    }
    return "";
}

}  // namespace skyloom
