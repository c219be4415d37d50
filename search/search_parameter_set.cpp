// Field-by-field decoding and encoding of the search parameter set.
#include "search/search_parameter_set.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/short_string.h"

namespace kvx {

namespace {

constexpr std::size_t kTextOffset = 0;
constexpr std::size_t kNumericOffset = 72;

Real48Bytes readBytes6(const std::uint8_t* rec, std::size_t off) {
    Real48Bytes r{};
    std::copy_n(rec + off, r.size(), r.begin());
    return r;
}

NumericAlternative decodeAlternative(const std::uint8_t* rec, std::size_t off) {
    NumericAlternative a;
    a.inUse = rec[off] != 0;
    a.must = rec[off + 1] != 0;
    a.unit = readShortString(rec, off + 2, NumericAlternative::kUnitCapacity);
    a.lower = readBytes6(rec, off + 13);
    a.upper = readBytes6(rec, off + 19);
    return a;
}

void encodeAlternative(const NumericAlternative& a, std::uint8_t* rec, std::size_t off) {
    rec[off] = a.inUse ? 1 : 0;
    rec[off + 1] = a.must ? 1 : 0;
    writeShortString(rec, off + 2, NumericAlternative::kUnitCapacity, a.unit);
    std::copy(a.lower.begin(), a.lower.end(), rec + off + 13);
    std::copy(a.upper.begin(), a.upper.end(), rec + off + 19);
}

}  // namespace

std::string normaliseWord(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252)
        if (c != ' ') out.push_back(cp1252Upper(c));
    return out;
}

SearchParameterSet SearchParameterSet::decode(const std::uint8_t* rec) {
    SearchParameterSet s;
    for (std::size_t r = 0; r < s.text.size(); ++r) {
        const std::size_t off = kTextOffset + r * TextCriterion::kSize;
        TextCriterion& t = s.text[r];
        t.inUse = rec[off] != 0;
        t.word1 = readShortString(rec, off + 1, TextCriterion::kWordCapacity);
        t.inUseCopy = rec[off + 12] != 0;
        t.word2 = readShortString(rec, off + 13, TextCriterion::kWordCapacity);
    }
    for (std::size_t r = 0; r < s.numeric.size(); ++r) {
        const std::size_t off = kNumericOffset + r * NumericCriterion::kSize;
        s.numeric[r].alternatives[0] = decodeAlternative(rec, off);
        s.numeric[r].alternatives[1] = decodeAlternative(rec, off + NumericAlternative::kSize);
    }
    s.spare = readShortString(rec, kSpareOffset, kSpareCapacity);
    s.name = readShortString(rec, kNameOffset, kNameCapacity);
    s.dimensionSearch = rec[kDimensionFlagOffset] != 0;
    std::copy_n(rec + kReservedOffset, kReservedSize, s.reserved.begin());
    return s;
}

SearchParameterSet SearchParameterSet::decode(const Bytes& record) {
    Bytes padded(record);
    padded.resize(kSize, 0);
    return decode(padded.data());
}

void SearchParameterSet::encode(std::uint8_t* rec) const {
    std::fill_n(rec, kSize, 0);
    for (std::size_t r = 0; r < text.size(); ++r) {
        const std::size_t off = kTextOffset + r * TextCriterion::kSize;
        rec[off] = text[r].inUse ? 1 : 0;
        writeShortString(rec, off + 1, TextCriterion::kWordCapacity, text[r].word1);
        rec[off + 12] = text[r].inUseCopy ? 1 : 0;
        writeShortString(rec, off + 13, TextCriterion::kWordCapacity, text[r].word2);
    }
    for (std::size_t r = 0; r < numeric.size(); ++r) {
        const std::size_t off = kNumericOffset + r * NumericCriterion::kSize;
        encodeAlternative(numeric[r].alternatives[0], rec, off);
        encodeAlternative(numeric[r].alternatives[1], rec, off + NumericAlternative::kSize);
    }
    writeShortString(rec, kSpareOffset, kSpareCapacity, spare);
    writeShortString(rec, kNameOffset, kNameCapacity, name);
    rec[kDimensionFlagOffset] = dimensionSearch ? 1 : 0;
    std::copy(reserved.begin(), reserved.end(), rec + kReservedOffset);
}

Bytes SearchParameterSet::encode() const {
    Bytes out(kSize, 0);
    encode(out.data());
    return out;
}

bool SearchParameterSet::anyTextCriterion() const {
    return std::any_of(text.begin(), text.end(), [](const TextCriterion& t) { return t.anyPresent(); });
}

bool SearchParameterSet::anyNumericCriterion() const {
    return std::any_of(numeric.begin(), numeric.end(), [](const NumericCriterion& n) { return n.anyPresent(); });
}

void SearchParameterSet::normalise() {
    auto apply = [](std::string& s) {
        if (!s.empty()) s = normaliseWord(s);
    };
    apply(spare);
    for (TextCriterion& t : text) {
        apply(t.word1);
        apply(t.word2);
    }
}

}  // namespace kvx
