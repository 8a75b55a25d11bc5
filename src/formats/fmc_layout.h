#pragma once

#include "core/main_data.h"

namespace skyloom {

// The FMC route file layout follows the aircraft option: LevelD 767, PSS 777,
// or the PMDG layout in its 737NG or 747 form.
enum class FmcLayout { Pmdg737, Pmdg747, LevelD, Pss };

FmcLayout layoutFor(Aircraft aircraft);
inline bool isPmdg(FmcLayout layout) {
    return layout == FmcLayout::Pmdg737 || layout == FmcLayout::Pmdg747;
}

}  // namespace skyloom
