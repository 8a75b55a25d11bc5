#include "navdata/nav_file.h"

#include <system_error>

#include "io/file_system.h"
#include "io/text_file.h"

namespace skyloom {

namespace {

// Larger files are streamed on every lookup instead of indexed.
constexpr long long kIndexLimit = 256LL * 1024 * 1024;

// Sequence numbers and coordinates fill most inner fields; they are left out
// of the word index (a numeric word is looked up by a plain scan instead).
bool isNumericWord(std::string_view word) {
    return !word.empty() && word.find_first_not_of("0123456789.-+") == std::string_view::npos;
}

bool hasDigit(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos;
}

// Calls `onWord` with the first word of the line (up to its first blank) and
// then with every word that has a blank on both sides, as `inner`.
template <class OnWord>
void forEachWord(std::string_view line, OnWord onWord) {
    const std::size_t first = line.find(' ');
    if (first == std::string_view::npos) {
        return;
    }
    onWord(line.substr(0, first), false);
    std::size_t start = first + 1;
    std::size_t next;
    while ((next = line.find(' ', start)) != std::string_view::npos) {
        const std::string_view word = line.substr(start, next - start);
        if (!word.empty() && !isNumericWord(word)) {
            onWord(word, true);
        }
        start = next + 1;
    }
}

// The characters from `start`, at most `width` of them; empty for a shorter line.
std::string_view columnsOf(std::string_view line, std::size_t start, std::size_t width) {
    return line.size() > start ? line.substr(start, width) : line.substr(line.size());
}

// Calls `onLine(start, text)` for every line of `all` until it returns false.
// Lines end at LF, a CR before it is dropped, and a last line without LF
// counts when it holds anything, as a line reader sees them.
template <class OnLine>
void forEachLineIn(std::string_view all, OnLine onLine) {
    for (std::size_t start = 0; start < all.size();) {
        std::size_t end = all.find('\n', start);
        end = end == std::string_view::npos ? all.size() : end;
        std::string_view text = all.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        if (!onLine(static_cast<std::uint32_t>(start), text)) {
            return;
        }
        start = end + 1;
    }
}

// Closes the file when a lookup is done with it.
struct ClosesText {
    NavText& text;
    ~ClosesText() { text.close(); }
};

}  // namespace

bool NavFile::exists() const {
    return fileExists(path_);
}

void NavFile::forget() {
    text_.reset({}, 0);
    indexed_ = false;
    firstWords_ = innerWords_ = columns_ = textAfter_ = LineIndex();
    textAfterKept_ = false;
}

void NavFile::checkForChange() {
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(toNativePath(path_), ec);
    const long long size = fileSize(path_);
    if (ec || size < 0) {
        forget();
        state_ = State::Unreadable;
        return;
    }
    if ((state_ == State::Loaded || state_ == State::Streamed) && size == size_ && time == time_) {
        return;
    }
    forget();
    size_ = size;
    time_ = time;
    state_ = size > kIndexLimit ? State::Streamed : State::Changed;
}

// True when the lookups can go on: the file is loaded (its indexes from the
// cache when it has one that fits), or streamed.
bool NavFile::ready() {
    if (state_ == State::Unknown) {
        checkForChange();
    }
    if (state_ == State::Changed) {
        if (text_.reset(path_, static_cast<std::size_t>(size_))) {
            indexed_ = loadCache();
            state_ = State::Loaded;
        } else {
            state_ = State::Unreadable;
        }
    }
    return state_ == State::Loaded || state_ == State::Streamed;
}

// True when the lookups can use the indexes; builds them if the cache had none.
bool NavFile::indexes() {
    if (state_ != State::Loaded) {
        return false;
    }
    if (!indexed_) {
        buildIndexes();
        saveCache();
        indexed_ = true;
    }
    return true;
}

bool NavFile::readable() {
    const ClosesText closes{text_};
    return ready();
}

void NavFile::prepare() {
    const ClosesText closes{text_};
    if (ready()) {
        indexes();
    }
}

std::string_view NavFile::lineAt(std::uint32_t start) {
    std::string_view text = text_.lineAt(start);
    if (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    return text;
}

void NavFile::buildIndexes() {
    const std::string_view all = text_.all();
    LineIndexBuilder first(all), inner(all), columns(all), after(all);
    // The pieces after the columns, of the columns' width, that hold no digit:
    // with them, a text of that width is looked up in the columns and after
    // them without a scan. Where they grow beyond a few per line, the file is
    // not laid out in columns and such lookups scan it.
    const std::size_t start = plan_.columnStart;
    const std::size_t width = plan_.columnWidth;
    std::size_t afterLimit = 4096;
    textAfterKept_ = plan_.textAfterColumns && width > 0;
    forEachLineIn(all, [&](std::uint32_t line, std::string_view text) {
        if (plan_.firstWords || plan_.innerWords) {
            forEachWord(text, [&](std::string_view word, bool isInner) {
                if (isInner ? plan_.innerWords : plan_.firstWords) {
                    (isInner ? inner : first).add(word, line);
                }
            });
        }
        if (width > 0) {
            columns.add(columnsOf(text, start, width), line);
        }
        for (std::size_t at = start + 1; textAfterKept_ && at + width <= text.size(); ++at) {
            const std::string_view piece = text.substr(at, width);
            if (!hasDigit(piece)) {
                after.add(piece, line);
            }
        }
        afterLimit += 2;
        textAfterKept_ = textAfterKept_ && after.entries() <= afterLimit;
        return true;
    });
    firstWords_ = first.finish();
    innerWords_ = inner.finish();
    columns_ = columns.finish();
    textAfter_ = textAfterKept_ ? after.finish() : LineIndex();
}

std::span<const std::uint32_t> NavFile::linesOf(const LineIndex& index, std::string_view key) {
    return index.linesOf(key, [this](std::uint32_t offset, std::uint32_t length) {
        return text_.view(offset, length);
    });
}

bool NavFile::visit(std::span<const std::uint32_t> lines, const OnNavLine& onLine) {
    std::string text;  // one per call: a callback may look up this file again
    for (const std::uint32_t start : lines) {
        text.assign(lineAt(start));
        if (!onLine(text)) {
            break;
        }
    }
    return true;
}

template <class Matches>
bool NavFile::scan(Matches matches, const OnNavLine& onLine) {
    if (state_ == State::Streamed) {
        return forEachTextLine(path_, [&](const std::string& text) {
            return matches(std::string_view(text)) ? onLine(text) : true;
        });
    }
    std::string text;  // one per call: a callback may look up this file again
    forEachLineIn(text_.all(), [&](std::uint32_t, std::string_view view) {
        if (!matches(view)) {
            return true;
        }
        text.assign(view);
        return onLine(text);
    });
    return true;
}

bool NavFile::forEachLine(const OnNavLine& onLine) {
    const ClosesText closes{text_};
    return ready() && scan([](std::string_view) { return true; }, onLine);
}

bool NavFile::forEachLineStartingWith(const std::string& word, const OnNavLine& onLine) {
    const ClosesText closes{text_};
    if (!ready()) {
        return false;
    }
    if (plan_.firstWords && !word.empty() && word.find(' ') == std::string::npos && indexes()) {
        return visit(linesOf(firstWords_, word), onLine);
    }
    const std::string prefix = word + " ";
    return scan([&](std::string_view text) { return text.substr(0, prefix.size()) == prefix; },
                onLine);
}

bool NavFile::forEachLineHolding(const std::string& word, const OnNavLine& onLine) {
    const ClosesText closes{text_};
    if (!ready()) {
        return false;
    }
    if (plan_.innerWords && !word.empty() && word.find(' ') == std::string::npos &&
        !isNumericWord(word) && indexes()) {
        return visit(linesOf(innerWords_, word), onLine);
    }
    const std::string needle = " " + word + " ";
    return scan([&](std::string_view text) { return text.find(needle) != std::string_view::npos; },
                onLine);
}

bool NavFile::forEachLineWithColumns(std::size_t start, std::size_t width, const std::string& key,
                                     const OnNavLine& onLine) {
    const ClosesText closes{text_};
    if (!ready()) {
        return false;
    }
    if (width > 0 && start == plan_.columnStart && width == plan_.columnWidth && indexes()) {
        return visit(linesOf(columns_, key), onLine);
    }
    return scan([&](std::string_view text) { return columnsOf(text, start, width) == key; },
                onLine);
}

bool NavFile::forEachLineHoldingFrom(std::size_t start, const std::string& text,
                                     const OnNavLine& onLine) {
    const ClosesText closes{text_};
    if (!ready()) {
        return false;
    }
    if (plan_.textAfterColumns && start == plan_.columnStart && text.size() == plan_.columnWidth &&
        !text.empty() && !hasDigit(text) && indexes() && textAfterKept_) {
        // The lines holding it in the columns and those holding it after
        // them, merged in line order.
        const auto atColumns = linesOf(columns_, text);
        const auto after = linesOf(textAfter_, text);
        std::vector<std::uint32_t> lines;
        lines.reserve(atColumns.size() + after.size());
        std::size_t a = 0, b = 0;
        while (a < atColumns.size() || b < after.size()) {
            const bool takeA =
                b == after.size() || (a < atColumns.size() && atColumns[a] <= after[b]);
            const std::uint32_t number = takeA ? atColumns[a++] : after[b++];
            if (lines.empty() || lines.back() != number) {
                lines.push_back(number);
            }
        }
        return visit(lines, onLine);
    }
    return scan(
        [&](std::string_view line) {
            return line.size() > start && line.find(text, start) != std::string_view::npos;
        },
        onLine);
}

}  // namespace skyloom
