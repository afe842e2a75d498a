// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/flat_request.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <limits>
#include <system_error>

namespace ferrovolt {

namespace {

using Status = FlatRequest::Status;
using Kind = RequestValue::Kind;

// How a byte inside a string is taken.
enum StringByte : std::uint8_t { kPlain, kQuote, kBackslash, kControl, kHigh };

constexpr std::array<std::uint8_t, 256> kStringBytes = [] {
    std::array<std::uint8_t, 256> bytes{};
    for (std::size_t c = 0; c < bytes.size(); ++c)
        bytes[c] = c < 0x20    ? kControl
                   : c >= 0x80 ? kHigh
                   : c == '"'  ? kQuote
                   : c == '\\' ? kBackslash
                               : kPlain;
    return bytes;
}();

bool isSpace(char c) {
    return static_cast<unsigned char>(c) <= ' ' &&
           (c == ' ' || c == '\t' || c == '\n' || c == '\r');
}

// The top bit set in each of the eight bytes that ends a plain run of a string (a quote, a
// backslash, a control character or a byte of 0x80 or more) and maybe in bytes after the first
// such; 0 when all eight are plain.
std::uint64_t stringEnds(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kTops = 0x8080808080808080;
    const auto zeroByte = [](std::uint64_t v) { return (v - kOnes) & ~v; };
    const std::uint64_t below = (word - 0x20 * kOnes) & ~word;
    return (below | zeroByte(word ^ ('"' * kOnes)) | zeroByte(word ^ ('\\' * kOnes)) | word) &
           kTops;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The length of the well-formed UTF-8 sequence (RFC 3629) that starts with a byte of 0x80 or
// more at p; 0 when it is not one.
std::size_t utf8Length(const char* p, const char* end) {
    const auto byte = [&](std::size_t i) {
        return p + i < end ? static_cast<unsigned char>(p[i]) : 0U;
    };
    const auto in = [&](std::size_t i, unsigned low, unsigned high) {
        return byte(i) >= low && byte(i) <= high;
    };
    const unsigned lead = byte(0);
    if (lead >= 0xC2 && lead <= 0xDF) return in(1, 0x80, 0xBF) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = lead == 0xED ? 0x9F : 0xBF;
        return in(1, low, high) && in(2, 0x80, 0xBF) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
        return in(1, low, high) && in(2, 0x80, 0xBF) && in(3, 0x80, 0xBF) ? 4 : 0;
    }
    return 0;
}

char* writeUtf8(char* out, std::uint32_t code) {
    const auto put = [&out](std::uint32_t byte) { *out++ = static_cast<char>(byte); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | (code >> 6));
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | (code >> 12));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | (code >> 18));
        put(0x80 | ((code >> 12) & 0x3F));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    }
    return out;
}

// A number the double cannot hold is either too large or so small that it reads as 0 (as
// strtod takes it); the decimal exponent of its first significant digit tells which. `digits`
// follows the sign; the mantissa is not all zeros.
bool tooLarge(const char* digits, const char* end) {
    const char* p = digits;
    long long magnitude = 0;
    if (*p != '0') {
        while (p != end && isDigit(*p)) ++magnitude, ++p;
    } else if (++p != end && *p == '.') {
        for (++p; p != end && *p == '0'; ++p) --magnitude;
    }
    while (p != end && *p != 'e' && *p != 'E') ++p;
    long long exponent = 0;
    if (p != end) {
        const bool negative = *++p == '-';
        if (*p == '-' || *p == '+') ++p;
        constexpr long long kFar = 1'000'000'000'000;  // far beyond any double either way
        for (; p != end && exponent < kFar; ++p) exponent = exponent * 10 + (*p - '0');
        if (negative) exponent = -exponent;
    }
    return magnitude + exponent > 0;
}

}  // namespace

// Reads one line in a single pass. Every function returns Object to go on, or the first fault.
class LineReader {
public:
    LineReader(FlatRequest& request, std::string_view line)
        : m_request(request),
          m_p(line.data()),
          m_end(line.data() + line.size()),
          m_size(line.size()) {}

    Status read() {
        if (m_p != m_end && *m_p == '\xEF') {  // a UTF-8 byte order mark
            if (m_end - m_p < 3 || m_p[1] != '\xBB' || m_p[2] != '\xBF') return Status::NotJson;
            m_p += 3;
        }
        skipSpace();
        if (m_p == m_end) return Status::NotJson;
        const bool object = *m_p == '{';
        const Status status = object ? outerObject() : value(nullptr);
        if (status != Status::Object) return status;
        skipSpace();
        if (m_p != m_end) return Status::NotJson;
        return object ? Status::Object : Status::NotObject;
    }

private:
    static constexpr Status kOn = Status::Object;

    void skipSpace() {
        while (m_p != m_end && isSpace(*m_p)) ++m_p;
    }

    bool at(char c) const { return m_p != m_end && *m_p == c; }

    // After skipping blanks: the expected character, passed over.
    bool take(char c) {
        skipSpace();
        if (!at(c)) return false;
        ++m_p;
        skipSpace();
        return true;
    }

    Status outerObject() {
        ++m_p;
        skipSpace();
        if (at('}')) return ++m_p, kOn;
        for (;;) {
            if (!at('"')) return Status::NotJson;
            std::string_view name;
            if (const Status s = string(&name); s != kOn) return s;
            if (!take(':') || m_p == m_end) return Status::NotJson;
            RequestValue& member = m_request.addMember(name);
            if (const Status s = *m_p == '[' ? array(member) : value(&member); s != kOn) {
                m_request.m_outOfRangeNamed = s == Status::NumberOutOfRange;
                return s;
            }
            skipSpace();
            if (at('}')) return ++m_p, kOn;
            if (!take(',')) return Status::NotJson;
        }
    }

    // An array member at its bracket, each element kept as an item.
    Status array(RequestValue& kept) {
        kept.kind = Kind::Nested;
        kept.array = true;
        kept.firstItem = m_request.m_itemCount;
        kept.itemCount = 0;
        ++m_p;
        skipSpace();
        if (at(']')) return ++m_p, kOn;
        for (;;) {
            if (m_p == m_end) return Status::NotJson;
            // A number out of range stops the reading before its element is counted; a nested
            // element counts from its bracket, as nlohmann's reader takes them.
            const bool nestedItem = *m_p == '[' || *m_p == '{';
            RequestValue& item = m_request.addItem();
            if (nestedItem) ++kept.itemCount;
            if (const Status s = value(&item); s != kOn) return s;
            if (!nestedItem) ++kept.itemCount;
            skipSpace();
            if (at(']')) return ++m_p, kOn;
            if (!take(',')) return Status::NotJson;
        }
    }

    // A value of any kind at m_p (not at the end); kept in `kept` unless that is null.
    Status value(RequestValue* kept) {
        if (*m_p == '{' || *m_p == '[') {
            if (kept != nullptr) kept->kind = Kind::Nested;
            return nested();
        }
        return scalar(kept);
    }

    Status scalar(RequestValue* kept) {
        RequestValue ignored;
        RequestValue& v = kept != nullptr ? *kept : ignored;
        switch (*m_p) {
            case '"':
                v.kind = Kind::Text;
                return string(kept != nullptr ? &v.text : nullptr);
            case 't':
                v.kind = Kind::Bool;
                v.flag = true;
                return word("true");
            case 'f':
                v.kind = Kind::Bool;
                v.flag = false;
                return word("false");
            case 'n':
                v.kind = Kind::Null;
                return word("null");
            default:
                return number(v);
        }
    }

    Status word(std::string_view word) {
        if (static_cast<std::size_t>(m_end - m_p) < word.size() ||
            std::string_view(m_p, word.size()) != word)
            return Status::NotJson;
        m_p += word.size();
        return kOn;
    }

    // An array or object with all it holds, checked and passed over without recursion.
    Status nested() {
        std::string& open = m_request.m_nesting;
        open.clear();
        for (;;) {
            if (m_p == m_end) return Status::NotJson;
            const char c = *m_p;
            if (c == '{' || c == '[') {
                ++m_p;
                skipSpace();
                if (at(c == '{' ? '}' : ']')) {
                    ++m_p;
                } else {
                    open.push_back(c);
                    if (c == '{' && !innerKey()) return Status::NotJson;
                    continue;
                }
            } else if (const Status s = scalar(nullptr); s != kOn) {
                return s;
            }
            // After a value: close what ends here, then the next value, or the end.
            for (;;) {
                if (open.empty()) return kOn;
                skipSpace();
                const bool object = open.back() == '{';
                if (at(object ? '}' : ']')) {
                    ++m_p;
                    open.pop_back();
                    continue;
                }
                if (!take(',') || (object && !innerKey())) return Status::NotJson;
                break;
            }
        }
    }

    // A member name inside a nested object and its colon.
    bool innerKey() { return at('"') && string(nullptr) == kOn && take(':'); }

    // A string at its opening quote; its text (escapes undone) in `text` unless that is null.
    Status string(std::string_view* text) {
        const char* start = ++m_p;
        // Eight bytes at a time while eight are left (little-endian: the lowest set bit marks
        // the first byte that ends the run), then byte by byte.
        while (std::endian::native == std::endian::little && m_end - m_p >= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, m_p, sizeof word);
            if (const std::uint64_t ends = stringEnds(word); ends != 0) {
                m_p += std::countr_zero(ends) / 8;
                break;
            }
            m_p += 8;
        }
        while (m_p != m_end && kStringBytes[static_cast<unsigned char>(*m_p)] == kPlain) ++m_p;
        if (!at('"')) return escapedString(start, text);
        if (text != nullptr) *text = std::string_view(start, static_cast<std::size_t>(m_p - start));
        ++m_p;
        return kOn;
    }

    Status escapedString(const char* start, std::string_view* text) {
        char* out = nullptr;  // where the text is written once an escape is met
        char* outStart = nullptr;
        const char* copied = start;  // the text before this is in out
        const auto copyUpTo = [&](const char* p) {
            for (; copied != p; ++copied) *out++ = *copied;
        };
        while (m_p != m_end) {
            switch (kStringBytes[static_cast<unsigned char>(*m_p)]) {
                case kPlain:
                    ++m_p;
                    break;
                case kHigh: {
                    const std::size_t length = utf8Length(m_p, m_end);
                    if (length == 0) return Status::NotJson;
                    m_p += length;
                    break;
                }
                case kControl:
                    return Status::NotJson;
                case kQuote:
                    if (text != nullptr && out == nullptr) {
                        *text = std::string_view(start, static_cast<std::size_t>(m_p - start));
                    } else if (text != nullptr) {
                        copyUpTo(m_p);
                        *text =
                            std::string_view(outStart, static_cast<std::size_t>(out - outStart));
                        m_out = out;
                    }
                    ++m_p;
                    return kOn;
                case kBackslash: {
                    if (text != nullptr) {
                        if (out == nullptr) out = outStart = unescapedRoom();
                        copyUpTo(m_p);
                    }
                    ++m_p;
                    std::uint32_t code = 0;
                    if (!escape(code)) return Status::NotJson;
                    if (text != nullptr) out = writeUtf8(out, code);
                    copied = m_p;
                    break;
                }
            }
        }
        return Status::NotJson;
    }

    // The escape after a backslash, as one code point.
    bool escape(std::uint32_t& code) {
        if (m_p == m_end) return false;
        const char c = *m_p++;
        switch (c) {
            case '"':
            case '\\':
            case '/':
                code = static_cast<std::uint32_t>(c);
                return true;
            case 'b':
                code = '\b';
                return true;
            case 'f':
                code = '\f';
                return true;
            case 'n':
                code = '\n';
                return true;
            case 'r':
                code = '\r';
                return true;
            case 't':
                code = '\t';
                return true;
            case 'u':
                break;
            default:
                return false;
        }
        const int first = hex4();
        if (first < 0 || (first >= 0xDC00 && first <= 0xDFFF)) return false;
        if (first < 0xD800 || first > 0xDBFF) {
            code = static_cast<std::uint32_t>(first);
            return true;
        }
        // A high surrogate must be followed by an escaped low one.
        if (m_end - m_p < 2 || m_p[0] != '\\' || m_p[1] != 'u') return false;
        m_p += 2;
        const int second = hex4();
        if (second < 0xDC00 || second > 0xDFFF) return false;
        code = 0x10000 + ((static_cast<std::uint32_t>(first) - 0xD800) << 10) +
               (static_cast<std::uint32_t>(second) - 0xDC00);
        return true;
    }

    int hex4() {
        if (m_end - m_p < 4) return -1;
        int code = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = hexValue(*m_p++);
            if (digit < 0) return -1;
            code = code * 16 + digit;
        }
        return code;
    }

    char* unescapedRoom() {
        if (m_out == nullptr) m_out = m_request.unescapedRoom(m_size);
        return m_out;
    }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)? ; a whole number that fits 64 bits is an
    // Integer, any other a Fraction.
    Status number(RequestValue& v) {
        const char* start = m_p;
        const bool negative = at('-');
        if (negative) ++m_p;
        const char* digits = m_p;
        if (m_p == m_end || !isDigit(*m_p)) return Status::NotJson;
        if (*m_p == '0')
            ++m_p;
        else
            while (m_p != m_end && isDigit(*m_p)) ++m_p;
        const char* wholeEnd = m_p;
        if (at('.')) {
            ++m_p;
            if (!digitRun()) return Status::NotJson;
        }
        if (at('e') || at('E')) {
            ++m_p;
            if (at('+') || at('-')) ++m_p;
            if (!digitRun()) return Status::NotJson;
        }
        if (m_p == wholeEnd && whole(v, negative, digits)) return kOn;
        double number = 0;
        const auto [end, error] = std::from_chars(start, m_p, number);
        if (error == std::errc::result_out_of_range) {
            if (tooLarge(digits, m_p)) return Status::NumberOutOfRange;
            number = negative ? -0.0 : 0.0;
        }
        v.kind = Kind::Fraction;
        v.number = number;
        return kOn;
    }

    bool digitRun() {
        if (m_p == m_end || !isDigit(*m_p)) return false;
        while (m_p != m_end && isDigit(*m_p)) ++m_p;
        return true;
    }

    // The digits from `digits` to m_p as a 64-bit whole number; false when they do not fit.
    bool whole(RequestValue& v, bool negative, const char* digits) const {
        std::uint64_t n = 0;
        for (const char* p = digits; p != m_p; ++p)
            if (__builtin_mul_overflow(n, 10U, &n) ||
                __builtin_add_overflow(n, static_cast<unsigned>(*p - '0'), &n))
                return false;
        constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
        if (negative) {
            if (n > kMax + 1) return false;
            v.integer = n == kMax + 1 ? std::numeric_limits<std::int64_t>::min()
                                      : -static_cast<std::int64_t>(n);
            v.number = static_cast<double>(v.integer);
        } else {
            v.integer = n > kMax ? static_cast<std::int64_t>(kMax) : static_cast<std::int64_t>(n);
            v.number = static_cast<double>(n);
        }
        v.kind = Kind::Integer;
        return true;
    }

    FlatRequest& m_request;
    const char* m_p;
    const char* m_end;
    std::size_t m_size;
    char* m_out = nullptr;  // the next free byte for texts with escapes undone
};

FlatRequest::Status FlatRequest::read(std::string_view line) {
    m_count = 0;
    m_itemCount = 0;
    m_nameMarks = 0;
    m_namesDistinct = true;
    m_outOfRangeNamed = false;
    return LineReader(*this, line).read();
}

std::string FlatRequest::outOfRangeMessage() const {
    // A member without a name gets no name in the message either.
    if (!m_outOfRangeNamed || m_members[m_count - 1].name.empty())
        return "a number in the request is out of range";
    return "field \"" + std::string(m_members[m_count - 1].name) +
           "\" is out of range: the number is too large";
}

namespace {

// Names are a few bytes long: compared here as their first and last words (which overlap in
// a name shorter than two), rather than by a call of memcmp or a byte at a time.
template <typename Word>
bool sameEnds(const char* a, const char* b, std::size_t size) {
    Word first[2];
    Word last[2];
    std::memcpy(&first[0], a, sizeof(Word));
    std::memcpy(&first[1], b, sizeof(Word));
    std::memcpy(&last[0], a + size - sizeof(Word), sizeof(Word));
    std::memcpy(&last[1], b + size - sizeof(Word), sizeof(Word));
    return first[0] == first[1] && last[0] == last[1];
}

bool sameName(std::string_view a, std::string_view b) {
    const std::size_t size = a.size();
    if (size != b.size()) return false;
    if (size >= 16) return std::memcmp(a.data(), b.data(), size) == 0;
    if (size >= 8) return sameEnds<std::uint64_t>(a.data(), b.data(), size);
    if (size >= 4) return sameEnds<std::uint32_t>(a.data(), b.data(), size);
    for (std::size_t i = 0; i < size; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

std::uint64_t nameMark(std::string_view name) {
    if (name.empty()) return 1;
    const auto first = static_cast<unsigned char>(name.front());
    const auto last = static_cast<unsigned char>(name.back());
    return std::uint64_t{1} << ((name.size() + first * 3 + last * 5) & 63);
}

}  // namespace

const RequestValue* FlatRequest::find(std::string_view name) const {
    for (std::size_t i = m_count; i-- > 0;)
        if (sameName(m_members[i].name, name)) return &m_members[i].value;
    return nullptr;
}

const RequestValue* FlatRequest::find(std::string_view name, std::size_t& next) const {
    // A name that may repeat is looked for from the end, where the one that counts stands.
    if (!m_namesDistinct) return find(name);
    for (std::size_t i = next; i < m_count; ++i) {
        if (sameName(m_members[i].name, name)) {
            next = i + 1;
            return &m_members[i].value;
        }
    }
    for (std::size_t i = 0; i < next && i < m_count; ++i) {
        if (sameName(m_members[i].name, name)) {
            next = i + 1;
            return &m_members[i].value;
        }
    }
    return nullptr;
}

RequestValue& FlatRequest::addMember(std::string_view name) {
    if (m_count == m_members.size()) m_members.emplace_back();
    Member& member = m_members[m_count++];
    member.name = name;
    const std::uint64_t mark = nameMark(name);
    if ((m_nameMarks & mark) != 0) m_namesDistinct = false;
    m_nameMarks |= mark;
    member.value.kind = Kind::Null;  // each kind sets the fields it has
    member.value.array = false;
    return member.value;
}

RequestValue& FlatRequest::addItem() {
    if (m_itemCount == m_items.size()) m_items.emplace_back();
    RequestValue& item = m_items[m_itemCount++];
    item.kind = Kind::Null;
    item.array = false;
    return item;
}

char* FlatRequest::unescapedRoom(std::size_t size) {
    if (m_unescapedSize < size) {
        m_unescaped = std::make_unique_for_overwrite<char[]>(size);
        m_unescapedSize = size;
    }
    return m_unescaped.get();
}

}  // namespace ferrovolt
