#pragma once
// The two simulator-plan check boxes: "create FS-PLAN" (Check1) and
// "only FS-Plan" (Check2).

#include "core/main_data.h"

namespace skyloom {

// "only FS-Plan" needs the simulator plan, so turning it on turns "create
// FS-PLAN" on as well (the window then locks that box). Turned off, "create
// FS-PLAN" is free again and keeps its value.
void SetOnlyFsPlan(MainWindowData& data, bool on);

}  // namespace skyloom
