#include "commands/fs_plan_choice.h"

namespace skyloom {

void SetOnlyFsPlan(MainWindowData& data, bool on) {
    data.onlyFsPlan = on;
    if (on) {
        data.createFsPlan = true;
    }
}

}  // namespace skyloom
