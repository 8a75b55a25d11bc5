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

}  // namespace skyloom
