#include "map/json_reader.h"

#include <charconv>
#include <cstdint>

#include "io/file_system.h"

namespace skyloom {

namespace {

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<JsonValue> document() {
        JsonValue value;
        if (!parseValue(value, 0)) {
            return std::nullopt;
        }
        skipBlanks();
        if (at_ != text_.size()) {
            return std::nullopt;
        }
        return value;
    }

  private:
    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
    }

    bool take(char wanted) {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == wanted) {
            ++at_;
            return true;
        }
        return false;
    }

    bool word(std::string_view expected) {
        if (text_.substr(at_, expected.size()) != expected) {
            return false;
        }
        at_ += expected.size();
        return true;
    }

    bool parseValue(JsonValue& value, int depth) {
        if (depth > kMaxJsonDepth) {
            return false;
        }
        skipBlanks();
        if (at_ >= text_.size()) {
            return false;
        }
        switch (text_[at_]) {
            case '{':
                value.kind = JsonValue::Kind::Object;
                return parseObject(value, depth);
            case '[':
                value.kind = JsonValue::Kind::Array;
                return parseArray(value, depth);
            case '"':
                value.kind = JsonValue::Kind::String;
                return parseString(value.text);
            case 't':
                value.kind = JsonValue::Kind::Boolean;
                value.boolean = true;
                return word("true");
            case 'f':
                value.kind = JsonValue::Kind::Boolean;
                return word("false");
            case 'n':
                return word("null");
            default:
                value.kind = JsonValue::Kind::Number;
                return parseNumber(value.number);
        }
    }

    bool parseArray(JsonValue& value, int depth) {
        ++at_;  // [
        if (take(']')) {
            return true;
        }
        do {
            value.items.emplace_back();
            if (!parseValue(value.items.back(), depth + 1)) {
                return false;
            }
        } while (take(','));
        return take(']');
    }

    bool parseObject(JsonValue& value, int depth) {
        ++at_;  // {
        if (take('}')) {
            return true;
        }
        do {
            std::string name;
            skipBlanks();
            if (at_ >= text_.size() || text_[at_] != '"' || !parseString(name) || !take(':')) {
                return false;
            }
            value.members.push_back(JsonMember{std::move(name), JsonValue{}});
            if (!parseValue(value.members.back().value, depth + 1)) {
                return false;
            }
        } while (take(','));
        return take('}');
    }

    bool parseNumber(double& number) {
        // A JSON number starts with a minus or a digit (no "+", "inf" or "nan");
        // from_chars reads it the same in every locale.
        const char* first = text_.data() + at_;
        const char* last = text_.data() + text_.size();
        if (first == last || !(*first == '-' || (*first >= '0' && *first <= '9'))) {
            return false;
        }
        const auto [end, error] = std::from_chars(first, last, number);
        if (error != std::errc() || end == first) {
            return false;
        }
        at_ += static_cast<std::size_t>(end - first);
        return true;
    }

    bool parseEscape(std::string& out) {
        if (at_ >= text_.size()) {
            return false;
        }
        const char escaped = text_[at_++];
        static constexpr std::string_view kFrom = "\"\\/bfnrt";
        static constexpr std::string_view kTo = "\"\\/\b\f\n\r\t";
        if (const std::size_t i = kFrom.find(escaped); i != std::string_view::npos) {
            out += kTo[i];
            return true;
        }
        std::uint32_t code = 0;
        if (escaped != 'u' || at_ + 4 > text_.size() ||
            std::from_chars(text_.data() + at_, text_.data() + at_ + 4, code, 16).ptr !=
                text_.data() + at_ + 4) {
            return false;
        }
        at_ += 4;
        appendUtf8(out, static_cast<char32_t>(
                            code));  // names in the land file are plain; halves of pairs stay apart
        return true;
    }

    bool parseString(std::string& out) {
        ++at_;  // "
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') {
                return true;
            }
            if (c == '\\') {
                if (!parseEscape(out)) {
                    return false;
                }
            } else {
                out += c;
            }
        }
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view name) const {
    for (const auto& [key, value] : members) {
        if (key == name) {
            return &value;
        }
    }
    return nullptr;
}

std::optional<JsonValue> ParseJson(std::string_view text) {
    return Parser(text).document();
}

}  // namespace skyloom
