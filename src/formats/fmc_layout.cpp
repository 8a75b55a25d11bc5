#include "formats/fmc_layout.h"

namespace skyloom {

FmcLayout layoutFor(Aircraft aircraft) {
    switch (aircraft) {
        case Aircraft::LevelD767:
            return FmcLayout::LevelD;
        case Aircraft::Pss777:
            return FmcLayout::Pss;
        case Aircraft::Pmdg747:
            return FmcLayout::Pmdg747;
        case Aircraft::Pmdg737:
            break;
    }
    return FmcLayout::Pmdg737;
}

}  // namespace skyloom
