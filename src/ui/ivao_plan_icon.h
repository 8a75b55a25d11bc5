#pragma once

#include <QIcon>

namespace skyloom::ui {

// The picture on "Make IVAO-Plan": a sheet of a flight plan with an
// aircraft over it, drawn in code so it scales with the screen.
QIcon ivaoPlanIcon();

}  // namespace skyloom::ui
