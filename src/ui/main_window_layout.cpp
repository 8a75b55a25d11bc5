#include "ui/main_window_layout.h"

namespace skyloom::ui {

const WindowLayout& mainWindowLayout() {
    using K = ControlKind;
    static const WindowLayout layout = {
        14325,
        10275,
        {
            {"WebBrowser1", K::Browser, "", 97, 0, 14130, 6540},
            {"Command7", K::Button, "->", 75, 6615, 345, 345},
            {"Text1", K::Field, "", 465, 6630, 13755, 345},
            {"Option1", K::Option, "PMDG737", 120, 7140, 1110, 240},
            {"Option2", K::Option, "PMDG747", 1245, 7170, 1185, 210},
            {"Option3", K::Option, "LevelD 767", 120, 7470, 1140, 240},
            {"Option4", K::Option, "PSS 777", 1245, 7500, 1080, 195},
            {"Check1", K::Check, "create FS-PLAN", 2385, 7095, 1635, 240},
            {"Check2", K::Check, "only FS-Plan", 2385, 7320, 1470, 210},
            {"Command13", K::Button, "", 2400, 7530, 210, 195},
            {"Label2", K::Label, "plan to kneeboard", 2670, 7515, 1290, 195},
            {"Label1(0)", K::Label, "CA:", 4245, 7095, 255, 195},
            {"Text3", K::CruiseCombo, "31000", 4590, 7020, 1050, 360},
            {"Picture1", K::Swatch, "", 5715, 7095, 195, 210},
            {"Label1(1)", K::Label, "Dist:", 4245, 7470, 315, 195},
            {"Text5", K::Field, "0", 4605, 7440, 1005, 285},
            {"Label1(2)", K::Label, "nm", 5655, 7485, 210, 195},
            {"Command6", K::Button, "refresh Website", 6060, 7005, 1635, 300},
            {"Command8", K::Button, "Airport-ICAO", 6060, 7290, 1635, 285},
            {"Command1", K::Button, "Calculate", 6060, 7590, 1635, 405},
            {"Command2", K::Button, "Save FMC-Data", 6060, 8010, 1635, 405},
            {"Command3", K::Button, "Print Plan", 6060, 8445, 1635, 405},
            {"Command4", K::Button, "IVAO FLight Data", 6060, 8865, 1635, 405},
            {"Command5", K::PictureButton, "Make IVAO-Plan", 6315, 9300, 1125, 900},
            {"Frame1", K::Frame, "", 195, 7710, 5640, 435},
            {"List3", K::List, "", 195, 8190, 5685, 1980},
            {"Text2", K::PlanText, "", 7875, 7035, 6330, 3150},
            // The fuel and time figures, placed within Frame1.
            {"Label3(0)", K::Label, "Liter:", 75, 165, 345, 195, "Frame1"},
            {"Text4(0)", K::Field, "0", 465, 120, 1035, 285, "Frame1"},
            {"Label3(1)", K::Label, "Tonnen:", 1560, 165, 600, 195, "Frame1"},
            {"Text4(1)", K::Field, "0", 2220, 120, 840, 285, "Frame1"},
            // The tank share and the duration are wider than designed so that
            // "139.3 %" and "10:05" fit; the share keeps its right edge.
            {"Label6", K::Label, "0%", 3075, 165, 735, 195, "Frame1"},
            {"Label5", K::Label, "Duration:", 3945, 165, 645, 195, "Frame1"},
            {"Label4", K::Label, "00:00", 4635, 165, 510, 195, "Frame1"},
            {"Command11", K::Button, "C", 5160, 135, 345, 255, "Frame1"},
        }};
    return layout;
}

void createMainWindowControls(QWidget* client) {
    buildWindow(client, mainWindowLayout());
}

}  // namespace skyloom::ui
