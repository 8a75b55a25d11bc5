#pragma once
// The airway network of wpNavRTE.txt, held in memory for the route finder:
// every airway as a chain of its points in file order, the points joined where
// an identifier stands at the same position on several airways, and the
// file's lines themselves, so that the finder can tell how a route text it
// writes will be read back.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "finder/text_index.h"
#include "navdata/nav_database.h"

namespace skyloom {

// One airway point: an identifier at one position. The texts are those of the
// file, so two lines name the same point when all three texts are equal.
struct NetworkPoint {
    std::string identifier;
    std::string latitudeText;
    std::string longitudeText;
    double latitude = 0.0;
    double longitude = 0.0;
    double unit[3] = {0.0, 0.0, 0.0};  // position on the unit sphere
};

// One airway block: the points of consecutive lines of one name whose
// sequence numbers rise. An airway name may hold several blocks.
struct AirwayChain {
    std::string airway;
    std::vector<int> points;  // indexes into points(), in file order
    std::vector<int> stops;   // the stop index of each point on this chain
};

// A point's place on a chain.
struct ChainStop {
    int chain = 0;
    int index = 0;  // position in the chain
};

// Sets the point's position on the unit sphere from its latitude and longitude.
void SetUnitVector(NetworkPoint& point);
inline double Dot(const NetworkPoint& a, const NetworkPoint& b) {
    return a.unit[0] * b.unit[0] + a.unit[1] * b.unit[1] + a.unit[2] * b.unit[2];
}
// Great-circle distance in nautical miles between two points, by the
// program's own distance formula (as the route distance measures legs).
double NetworkDistance(const NetworkPoint& a, const NetworkPoint& b);
// The smallest dot product of two unit vectors that may lie within the
// distance (with a margin, so that the exact test decides).
double LeastDotWithin(double radiusNm);

inline constexpr int kGridRows = 180;
inline constexpr int kGridColumns = 360;

// The grid cells a circle may touch: rows first to last, `columns` columns
// from the first, wrapping round the date line.
struct GridWindow {
    int firstRow = 0;
    int lastRow = 0;
    int firstColumn = 0;
    int columns = 0;
};
GridWindow gridWindow(double latitude, double longitude, double radiusNm);

class AirwayNetwork {
  public:
    // Reads wpNavRTE.txt through the database; an unreadable file gives an
    // empty network.
    explicit AirwayNetwork(NavDatabase& nav);
    // The same from the file's lines (for tests and tools).
    explicit AirwayNetwork(const std::vector<std::string>& lines);
    // The lookups point into the text it holds.
    AirwayNetwork(const AirwayNetwork&) = delete;
    AirwayNetwork& operator=(const AirwayNetwork&) = delete;

    const std::vector<NetworkPoint>& points() const { return points_; }
    const std::vector<AirwayChain>& chains() const { return chains_; }
    const std::vector<ChainStop>& stops() const { return stops_; }
    // The stops of one point: stops()[first] up to, not including, stops()[last].
    std::pair<int, int> stopsOf(int point) const {
        return {stopStart_[static_cast<std::size_t>(point)],
                stopStart_[static_cast<std::size_t>(point) + 1]};
    }

    // Every point within `radiusNm` of the position, with its distance.
    template <class Visit>
    void forEachPointWithin(double latitude, double longitude, double radiusNm,
                            Visit&& visit) const {
        forEachPointWithin(
            latitude, longitude, radiusNm, [](int, double) { return true; }, visit);
    }
    // The same for the points `wanted(point, dot)` lets through before the
    // distance is worked out (`dot`: of the two positions' unit vectors).
    template <class Wanted, class Visit>
    void forEachPointWithin(double latitude, double longitude, double radiusNm, Wanted&& wanted,
                            Visit&& visit) const;

    // The lines of the file, as the route calculation reads them.
    std::size_t lineCount() const { return lineStarts_.empty() ? 0 : lineStarts_.size() - 1; }
    std::string_view line(std::size_t number) const;
    // The point a line names, or -1 when the line cannot be read as one.
    int pointOfLine(std::size_t number) const { return linePoints_[number]; }
    // Numbers of the lines that begin with the name and a blank, in file order.
    const std::vector<int>& linesOfAirway(std::string_view name) const;
    // Numbers of the lines holding " " + word + " ", in file order.
    std::vector<int> linesHolding(std::string_view word) const;
    bool isAirway(std::string_view name) const { return airwayLines_.count(name) > 0; }

  private:
    void read(std::string bytes);
    void addLine(std::size_t number, std::string_view text);
    // The point of a line's fields 2 to 4, added when new; -1 when its
    // position is not a number.
    int addPoint(const std::vector<std::string_view>& fields);
    void finish();

    std::string bytes_;
    std::vector<std::uint32_t> lineStarts_;
    std::vector<int> linePoints_;
    std::vector<NetworkPoint> points_;
    std::vector<AirwayChain> chains_;
    std::vector<ChainStop> stops_;
    std::vector<int> stopStart_;
    std::vector<std::string_view> pointKeys_;  // "ID LAT LON" of each point, in the line
    TextIndex pointIndex_;
    std::unordered_map<std::string_view, std::vector<int>> airwayLines_;
    TextIndex nameIndex_;              // the first point of each identifier
    std::vector<int> sameName_;        // the next point of the same identifier, or -1
    std::vector<int> pointLineStart_;  // the lines of each point, in file order
    std::vector<int> pointLines_;
    // Words between blanks other than the identifier of a point's line.
    std::unordered_map<std::string_view, std::vector<int>> otherWordLines_;
    // Building state: the block being read.
    std::vector<std::string_view> fields_;
    std::vector<int>* lastLines_ = nullptr;
    std::string_view lastAirway_;
    long lastSequence_ = 0;
    int currentChain_ = -1;
    // A grid of one-degree cells over the points.
    std::vector<int> cellStart_;
    std::vector<int> cellPoints_;
    struct Unit {
        double x, y, z;
    };
    std::vector<Unit> cellUnits_;  // the points' unit vectors in the grid's order
};

template <class Wanted, class Visit>
void AirwayNetwork::forEachPointWithin(double latitude, double longitude, double radiusNm,
                                       Wanted&& wanted, Visit&& visit) const {
    const GridWindow window = gridWindow(latitude, longitude, radiusNm);
    NetworkPoint centre;
    centre.latitude = latitude;
    centre.longitude = longitude;
    SetUnitVector(centre);
    const double leastDot = LeastDotWithin(radiusNm);
    // The cells of a row stand one after the other: one run of points per
    // row, two where the window wraps round the date line.
    const int wrapped = std::max(0, window.firstColumn + window.columns - kGridColumns);
    const int runs[2][2] = {{window.firstColumn, window.firstColumn + window.columns - wrapped},
                            {0, wrapped}};
    for (int row = window.firstRow; row <= window.lastRow; ++row) {
        for (const auto& run : runs) {
            const auto first = static_cast<std::size_t>(row * kGridColumns + run[0]);
            const auto last = static_cast<std::size_t>(row * kGridColumns + run[1]);
            for (int k = cellStart_[first]; k < cellStart_[last]; ++k) {
                const Unit& unit = cellUnits_[static_cast<std::size_t>(k)];
                const double dot =
                    centre.unit[0] * unit.x + centre.unit[1] * unit.y + centre.unit[2] * unit.z;
                const int point = cellPoints_[static_cast<std::size_t>(k)];
                if (dot < leastDot || !wanted(point, dot)) {
                    continue;
                }
                const double distance =
                    NetworkDistance(centre, points_[static_cast<std::size_t>(point)]);
                if (distance <= radiusNm) {
                    visit(point, distance);
                }
            }
        }
    }
}

}  // namespace skyloom
