#include "fuel/fuel_time.h"

#include <cmath>

#include "io/number_format.h"
#include "io/text_util.h"

namespace skyloom {

namespace {

// The fixed flight profile: climb and descent along a straight path at
// constant speed and rate, the cruise in between at constant speed.
constexpr double kFeetPerNauticalMile = 6076.11549;
constexpr double kClimbSpeed = 260.0 / 60.0;    // nautical miles per minute
constexpr double kDescentSpeed = 260.0 / 60.0;  // nautical miles per minute
constexpr double kClimbRate = 2000.0;           // feet per minute
constexpr double kDescentRate = 2000.0;         // feet per minute
constexpr double kCruiseSpeed = 450.0 / 60.0;   // nautical miles per minute
constexpr double kFuelDensity = 0.8;            // kilograms per litre
constexpr double kTonnesSurcharge = 5.0;        // stands in for the reserve in tonnes

constexpr const char* kAltitudeUnreachable =
    "Die Flugh\xF6"
    "he kann bei der eingegebenen Entfernung nicht erreicht werden!";
constexpr const char* kAltitudeTitle = "Hinweis";
constexpr const char* kCapacityTooLow = "Attention! Fuel-Capacity too low for this flight!";

struct SlopedPhase {
    double minutes = 0;
    double groundDistance = 0;  // nautical miles
};

// The path is the hypotenuse, the altitude the vertical side.
SlopedPhase slopedPhase(double altitude, double speed, double rate) {
    SlopedPhase phase;
    phase.minutes = altitude / rate;
    double path = kFeetPerNauticalMile * speed * phase.minutes;
    phase.groundDistance = std::sqrt(path * path - altitude * altitude) / kFeetPerNauticalMile;
    return phase;
}

// Whole minutes as hours ":" two-digit minutes: 146 -> "2:26", 35 -> "0:35".
std::string hoursAndMinutes(double minutes) {
    double hours = std::floor(minutes / 60.0);
    double rest = minutes - 60.0 * hours;
    return formatFixed(hours, 0, false) + ":" + (rest < 10 ? "0" : "") +
           formatFixed(rest, 0, false);
}

}  // namespace

void CalculateFuelAndTime(CommandContext& context) {
    MainWindowData& data = context.data;
    const AircraftPerformance& performance = context.settings.performance;
    data.tankShareColour = kBlue;

    // An altitude below the ground is no altitude: fly the whole way at cruise.
    const double altitude = std::fmax(0.0, leadingNumber(data.cruiseAltitude));
    const SlopedPhase climb = slopedPhase(altitude, kClimbSpeed, kClimbRate);
    const SlopedPhase descent = slopedPhase(altitude, kDescentSpeed, kDescentRate);

    // No distance (empty text, letters) or one too short to climb and descend again.
    const double distance = leadingNumber(data.distance);
    if (!hasLeadingNumber(data.distance) || distance < 0 ||
        distance < climb.groundDistance + descent.groundDistance) {
        context.prompts.message(
            {kAltitudeUnreachable, MessageButtons::Ok, MessageIcon::Critical, kAltitudeTitle});
        return;
    }

    const double cruiseDistance = distance - climb.groundDistance - descent.groundDistance;
    const double cruiseMinutes = cruiseDistance / kCruiseSpeed;

    // Each figure is written only when it could be computed; an absurd distance
    // leaves the previous text in place instead of printing "inf".
    const double totalMinutes = std::floor(climb.minutes + descent.minutes + cruiseMinutes);
    if (std::isfinite(totalMinutes)) {
        data.duration = hoursAndMinutes(totalMinutes);
    }

    const double tripFuel = performance.taxi + performance.climb * climb.minutes +
                            performance.cruise * cruiseMinutes +
                            performance.descend * descent.minutes;
    const double fuelWithReserve = tripFuel + performance.reserve;
    if (std::isfinite(fuelWithReserve)) {
        data.fuel[0] = formatFixed(std::floor(fuelWithReserve), 0, false);
    }
    const double tonnes = kFuelDensity * tripFuel / 1000.0 + kTonnesSurcharge;
    if (std::isfinite(tonnes)) {
        data.fuel[1] = formatFixed(tonnes, 2, true);
    }

    // Without a capacity there is no share; Label6 keeps its text and the
    // tank counts as too small.
    bool tankTooSmall = true;
    if (performance.capacity != 0) {
        const double share = fuelWithReserve / (performance.capacity / 100.0);
        if (std::isfinite(share)) {
            data.tankShare = formatFixed(share, 1, false) + " %";
            tankTooSmall = share > 100.0;
        }
    }
    if (tankTooSmall) {
        data.tankShareColour = kRed;
        context.prompts.message(
            {kCapacityTooLow, MessageButtons::Ok, MessageIcon::Information, std::string()});
    }
}

}  // namespace skyloom
