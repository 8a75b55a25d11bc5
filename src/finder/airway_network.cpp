#include "finder/airway_network.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "geo/great_circle.h"
#include "io/text_util.h"

namespace skyloom {

namespace {

// Nautical miles per degree of arc, as the program's distance formula counts.
constexpr double kNmPerDegree = 60.0 * 1.1515 * 0.8684;

// Sequence numbers, coordinates: words that no identifier looks like.
bool numberLike(std::string_view word) {
    return !word.empty() && word.find_first_not_of("0123456789+-.,") == std::string_view::npos;
}

void fieldsOf(std::string_view text, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        std::size_t blank = text.find(' ', start);
        fields.push_back(
            text.substr(start, blank == std::string_view::npos ? blank : blank - start));
        if (blank == std::string_view::npos) {
            return;
        }
        start = blank + 1;
    }
}

long sequenceOf(std::string_view field) {
    long value = -1;
    std::from_chars(field.data(), field.data() + field.size(), value);
    return value;
}

int cellOf(double latitude, double longitude) {
    const int row = std::clamp(static_cast<int>(std::floor(latitude + 90.0)), 0, kGridRows - 1);
    int column = static_cast<int>(std::floor(longitude + 180.0)) % kGridColumns;
    if (column < 0) {
        column += kGridColumns;
    }
    return row * kGridColumns + column;
}

const std::vector<int> kNoLines;

// Groups the items 0 to count - 1 by their key (0 to keys - 1; a negative key
// leaves the item out), keeping their order: grouped[starts[key]] up to
// grouped[starts[key + 1]] are the items of one key.
template <class KeyOf>
void groupBy(std::size_t count, std::size_t keys, const KeyOf& keyOf, std::vector<int>& starts,
             std::vector<int>& grouped) {
    starts.assign(keys + 1, 0);
    for (std::size_t item = 0; item < count; ++item) {
        if (const int key = keyOf(item); key >= 0) {
            ++starts[static_cast<std::size_t>(key) + 1];
        }
    }
    for (std::size_t key = 0; key < keys; ++key) {
        starts[key + 1] += starts[key];
    }
    grouped.resize(static_cast<std::size_t>(starts.back()));
    std::vector<int> next(starts.begin(), starts.end() - 1);
    for (std::size_t item = 0; item < count; ++item) {
        if (const int key = keyOf(item); key >= 0) {
            grouped[static_cast<std::size_t>(next[static_cast<std::size_t>(key)]++)] =
                static_cast<int>(item);
        }
    }
}

}  // namespace

void SetUnitVector(NetworkPoint& point) {
    const double lat = DegreesToRadians(point.latitude);
    const double lon = DegreesToRadians(point.longitude);
    point.unit[0] = std::cos(lat) * std::cos(lon);
    point.unit[1] = std::cos(lat) * std::sin(lon);
    point.unit[2] = std::sin(lat);
}

double NetworkDistance(const NetworkPoint& a, const NetworkPoint& b) {
    return RadiansToDegrees(ArcCosine(Dot(a, b))) * 60.0 * 1.1515 * 0.8684;
}

double LeastDotWithin(double radiusNm) {
    const double angle = DegreesToRadians(radiusNm / kNmPerDegree) * 1.001 + 1e-9;
    return angle >= kPi ? -2.0 : std::cos(angle);
}

GridWindow gridWindow(double latitude, double longitude, double radiusNm) {
    const double span = radiusNm / (kNmPerDegree * 0.98) + 0.01;
    GridWindow window;
    window.firstRow =
        std::clamp(static_cast<int>(std::floor(latitude - span + 90.0)), 0, kGridRows - 1);
    window.lastRow =
        std::clamp(static_cast<int>(std::floor(latitude + span + 90.0)), 0, kGridRows - 1);
    const double farthest = std::abs(latitude) + span;
    const double across = farthest >= 89.0 ? 360.0 : span / std::cos(DegreesToRadians(farthest));
    if (across >= 179.0) {
        window.firstColumn = 0;
        window.columns = kGridColumns;
        return window;
    }
    const int first = static_cast<int>(std::floor(longitude - across + 180.0));
    const int last = static_cast<int>(std::floor(longitude + across + 180.0));
    window.firstColumn = ((first % kGridColumns) + kGridColumns) % kGridColumns;
    window.columns = std::min(kGridColumns, last - first + 1);
    return window;
}

AirwayNetwork::AirwayNetwork(NavDatabase& nav) {
    std::string bytes;
    nav.airways().forEachLine([&bytes](const std::string& text) {
        bytes += text;
        bytes += '\n';
        return true;
    });
    read(std::move(bytes));
}

AirwayNetwork::AirwayNetwork(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& text : lines) {
        bytes += text;
        bytes += '\n';
    }
    read(std::move(bytes));
}

std::string_view AirwayNetwork::line(std::size_t number) const {
    return std::string_view(bytes_).substr(lineStarts_[number],
                                           lineStarts_[number + 1] - lineStarts_[number] - 1);
}

const std::vector<int>& AirwayNetwork::linesOfAirway(std::string_view name) const {
    auto found = airwayLines_.find(name);
    return found == airwayLines_.end() ? kNoLines : found->second;
}

std::vector<int> AirwayNetwork::linesHolding(std::string_view word) const {
    if (!numberLike(word)) {
        std::vector<int> lines;
        const int first = nameIndex_.find(word, [this](int p) {
            return std::string_view(points_[static_cast<std::size_t>(p)].identifier);
        });
        if (first >= 0) {
            for (int point = first; point >= 0;
                 point = sameName_[static_cast<std::size_t>(point)]) {
                lines.insert(
                    lines.end(),
                    pointLines_.begin() + pointLineStart_[static_cast<std::size_t>(point)],
                    pointLines_.begin() + pointLineStart_[static_cast<std::size_t>(point) + 1]);
            }
        }
        if (auto other = otherWordLines_.find(word); other != otherWordLines_.end()) {
            lines.insert(lines.end(), other->second.begin(), other->second.end());
        }
        std::sort(lines.begin(), lines.end());
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
        return lines;
    }
    // Numbers are not indexed: they stand on nearly every line.
    std::vector<int> numbers;
    const std::string needle = " " + std::string(word) + " ";
    for (std::size_t k = 0; k < lineCount(); ++k) {
        if (line(k).find(needle) != std::string_view::npos) {
            numbers.push_back(static_cast<int>(k));
        }
    }
    return numbers;
}

void AirwayNetwork::read(std::string bytes) {
    bytes_ = std::move(bytes);
    for (std::size_t start = 0; start < bytes_.size();) {
        lineStarts_.push_back(static_cast<std::uint32_t>(start));
        start = bytes_.find('\n', start) + 1;
    }
    lineStarts_.push_back(static_cast<std::uint32_t>(bytes_.size()));
    linePoints_.assign(lineCount(), -1);
    for (std::size_t k = 0; k < lineCount(); ++k) {
        addLine(k, line(k));
    }
    finish();
}

void AirwayNetwork::addLine(std::size_t number, std::string_view text) {
    std::vector<std::string_view>& fields = fields_;
    fieldsOf(text, fields);
    const int lineNumber = static_cast<int>(number);
    // The lines of one airway stand together: look its name up once per block.
    if (lastLines_ == nullptr || fields[0] != lastAirway_) {
        lastLines_ = &airwayLines_[fields[0]];
    }
    lastLines_->push_back(lineNumber);
    const int point = fields.size() >= 5 ? addPoint(fields) : -1;
    linePoints_[number] = point;
    // Field 2 of a point's line is found through the point; every other word
    // between blanks that is not a number has an index of its own.
    for (std::size_t f = 1; f + 1 < fields.size(); ++f) {
        if (!(f == 2 && point >= 0) && !fields[f].empty() && !numberLike(fields[f])) {
            std::vector<int>& lines = otherWordLines_[fields[f]];
            if (lines.empty() || lines.back() != lineNumber) {
                lines.push_back(lineNumber);
            }
        }
    }
    if (point < 0) {
        currentChain_ = -1;  // a damaged line ends the block
        lastAirway_ = fields[0];
        return;
    }
    const long sequence = sequenceOf(fields[1]);
    if (currentChain_ < 0 || fields[0] != lastAirway_ ||
        (sequence >= 0 && lastSequence_ >= 0 && sequence <= lastSequence_)) {
        currentChain_ = static_cast<int>(chains_.size());
        chains_.push_back(AirwayChain{std::string(fields[0]), {}, {}});
    }
    lastAirway_ = fields[0];
    lastSequence_ = sequence;
    chains_[static_cast<std::size_t>(currentChain_)].points.push_back(point);
}

int AirwayNetwork::addPoint(const std::vector<std::string_view>& fields) {
    const char* keyStart = fields[2].data();
    const std::string_view key(
        keyStart, static_cast<std::size_t>(fields[4].data() + fields[4].size() - keyStart));
    const int fresh = static_cast<int>(points_.size());
    pointKeys_.push_back(key);
    const int found = pointIndex_.findOrAdd(
        key, fresh, [this](int p) { return pointKeys_[static_cast<std::size_t>(p)]; });
    if (found != fresh) {
        pointKeys_.pop_back();
        return found;  // the same texts: read before
    }
    const std::optional<double> lat = parseNumber(fields[3]);
    const std::optional<double> lon = parseNumber(fields[4]);
    // A position off the globe is as unreadable as no number: its grid cell
    // would lie beyond any whole number.
    if (!lat || !lon || std::abs(*lat) > 90.0 || std::abs(*lon) > 180.0) {
        pointIndex_.removeLast(key);
        pointKeys_.pop_back();
        return -1;
    }
    NetworkPoint point;
    point.identifier = fields[2];
    point.latitudeText = fields[3];
    point.longitudeText = fields[4];
    point.latitude = *lat;
    point.longitude = *lon;
    SetUnitVector(point);
    points_.push_back(std::move(point));
    // Points of one identifier are chained from the first.
    sameName_.push_back(-1);
    const int first = nameIndex_.findOrAdd(fields[2], fresh, [this](int p) {
        return std::string_view(points_[static_cast<std::size_t>(p)].identifier);
    });
    if (first != fresh) {
        sameName_.back() = sameName_[static_cast<std::size_t>(first)];
        sameName_[static_cast<std::size_t>(first)] = fresh;
    }
    return fresh;
}

void AirwayNetwork::finish() {
    groupBy(
        linePoints_.size(), points_.size(), [this](std::size_t k) { return linePoints_[k]; },
        pointLineStart_, pointLines_);

    std::vector<ChainStop> all;
    for (std::size_t c = 0; c < chains_.size(); ++c) {
        chains_[c].stops.resize(chains_[c].points.size());
        for (std::size_t i = 0; i < chains_[c].points.size(); ++i) {
            all.push_back(ChainStop{static_cast<int>(c), static_cast<int>(i)});
        }
    }
    std::vector<int> order;
    groupBy(
        all.size(), points_.size(),
        [&](std::size_t k) {
            return chains_[static_cast<std::size_t>(all[k].chain)]
                .points[static_cast<std::size_t>(all[k].index)];
        },
        stopStart_, order);
    for (std::size_t slot = 0; slot < order.size(); ++slot) {
        const ChainStop& stop = all[static_cast<std::size_t>(order[slot])];
        stops_.push_back(stop);
        chains_[static_cast<std::size_t>(stop.chain)].stops[static_cast<std::size_t>(stop.index)] =
            static_cast<int>(slot);
    }

    groupBy(
        points_.size(), static_cast<std::size_t>(kGridRows * kGridColumns),
        [this](std::size_t p) { return cellOf(points_[p].latitude, points_[p].longitude); },
        cellStart_, cellPoints_);
    for (int point : cellPoints_) {
        const double* unit = points_[static_cast<std::size_t>(point)].unit;
        cellUnits_.push_back(Unit{unit[0], unit[1], unit[2]});
    }
}

}  // namespace skyloom
