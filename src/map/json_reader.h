#pragma once
// A small reader of JSON text (RFC 8259) for the map's land file: values,
// arrays, objects, numbers read with a point in every locale. Nesting deeper
// than kMaxJsonDepth, or anything that is not JSON, gives nothing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyloom {

inline constexpr int kMaxJsonDepth = 64;

struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;                 // a string's contents, escapes resolved
    std::vector<JsonValue> items;     // an array's values
    std::vector<JsonMember> members;  // an object's members, in order

    // The first member of that name, or nothing (also when this is no object).
    const JsonValue* member(std::string_view name) const;
};

// A struct rather than a std::pair: a pair needs JsonValue complete where the
// member list is declared, and clang with libstdc++ refuses to build that.
struct JsonMember {
    std::string name;
    JsonValue value;
};

std::optional<JsonValue> ParseJson(std::string_view text);

}  // namespace skyloom
