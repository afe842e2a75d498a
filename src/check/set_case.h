// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How every front end sets a case: one walk over the fields, whatever gives their texts (the
// command line's options, a batch object, a schedule row, a window's panel). What differs
// between them is only where a field's text is found, and that is the source's.

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/check.h"
#include "check/field_applies.h"
#include "numtext/words.h"

namespace ferrovolt {

// The fields of a check, or a list of some (a schedule's columns, a window's inputs).
inline const CheckField* fieldPointer(const CheckField& field) {
    return &field;
}
inline const CheckField* fieldPointer(const CheckField* field) {
    return field;
}

// A source is called as `source.given(field, position, put)` for each field of `fields`, in
// order (`position` is its index there; a null entry is passed over). It calls `put(text)`
// for each text it gives, none when the field is not given, one per row for an input of rows,
// and returns what `put` refuses; or its own refusal of the way the field was given. `field`
// is the check's own declaration where the check takes the key. A field the check does not
// take is refused, when given, as `source.notTaken(field)` says.
//
// The key each of a case's fields was given by, so that a refusal names the input as it was
// given: a script that gives NEC 2023's rating by its older key "device" is refused about
// "device", not "device_rating". A field is given by one key: given by its own and by its
// older one too, it is refused rather than set twice, the last text silently winning.
class GivenKeys {
public:
    // Learns the key the field is given by; the other key it was given by before, if any.
    std::optional<std::string_view> add(std::size_t field, std::string_view key) {
        for (const auto& [index, earlier] : m_keys)
            if (index == field)
                return earlier == key ? std::nullopt : std::optional<std::string_view>(earlier);
        m_keys.emplace_back(field, key);
        return std::nullopt;
    }
    CheckRefusal named(const Check& check, CheckRefusal refusal) const {
        const std::optional<std::size_t> field = check.fieldIndex(refusal.field);
        if (!field) return refusal;
        for (const auto& [index, key] : m_keys)
            if (index == *field) refusal.field = key;
        return refusal;
    }

private:
    std::vector<std::pair<std::size_t, std::string_view>> m_keys;
};

// What a source says of a field required where it applies that it did not give: its own
// `missing(field)` where it has one, else that the input is empty.
template <class Source>
CheckRefusal missingFrom(Source& source, const CheckField& field) {
    if constexpr (requires { source.missing(field); })
        return source.missing(field);
    else
        return CheckRefusal{field.key, "is empty"};
}

// Sets the case's fields from the source's texts: the refusal of the first text refused, with
// its row for an input of rows, or nothing. The case is not reset and not checked. A field
// given by its older key (`alias`) is handed to the source as the check's own declaration
// under that key, and `keys`, where given, learns the key each field was given by. A field
// given by both its keys is refused at the second, naming the first. Once every text is set,
// a field given where it does not apply (`when`) is refused, naming what it applies to, and
// one required where it applies is asked for (`missingFrom`).
template <class Fields, class Source>
std::optional<CheckRefusal> setCase(CheckCase& target, const Fields& fields, Source& source,
                                    GivenKeys* keys = nullptr) {
    const Check& check = target.of();
    const std::span<const CheckField> all = check.fields();
    GivenKeys ownKeys;
    if (keys == nullptr) keys = &ownKeys;
    // The texts of the fields that apply under a condition and of those they follow, with the
    // key each was given by; kept only for a check that has such fields.
    struct Given {
        std::size_t field;
        std::string_view key;
        std::string text;
    };
    const bool conditional = anyConditional(all);
    std::vector<Given> given;
    int rows = 0;  // the rows given so far, among every input of rows
    std::size_t position = 0;
    for (const auto& entry : fields) {
        const std::size_t at = position++;
        const CheckField* any = fieldPointer(entry);
        if (any == nullptr) continue;
        // A list of the check's own declarations is read without looking its keys up.
        std::optional<std::size_t> index = check.indexOf(*any);
        const bool declared = index.has_value();
        if (!declared) index = check.fieldOfKey(any->key);
        std::optional<CheckField> asGiven;
        const CheckField* own = index ? &all[*index] : any;
        if (!declared && own->key != any->key) {
            asGiven = *own;
            asGiven->key = any->key;
            asGiven->required = false;  // missing only under its own key
            own = &*asGiven;
        }
        const CheckField& field = *own;
        const auto put = [&](std::string_view text) -> std::optional<CheckRefusal> {
            if (!index) return source.notTaken(field);
            // Only a field with an older key can be given by two keys, or by one not its own:
            // the others need no record (and a schedule's rows no list built per row).
            if (!all[*index].alias.empty())
                if (const std::optional<std::string_view> earlier = keys->add(*index, field.key))
                    return CheckRefusal{
                        field.key,
                        "is the same input as \"" + std::string(*earlier) + "\": give one of them"};
            const int row = field.rows ? rows++ : -1;
            if (conditional && !field.rows && !trimmed(text).empty() &&
                (!all[*index].when.empty() || followed(all, all[*index])))
                given.push_back({*index, field.key, std::string(text)});
            if (std::optional<std::string> reason = target.set(*index, text))
                return CheckRefusal{field.key, std::move(*reason), row};
            return std::nullopt;
        };
        if (std::optional<CheckRefusal> refusal = source.given(field, at, put)) return refusal;
    }
    if (!conditional) return std::nullopt;
    const auto textOf = [&](std::string_view key) -> std::optional<std::string_view> {
        for (const Given& one : given)
            if (all[one.field].key == key) return one.text;
        return std::nullopt;
    };
    for (const Given& one : given)
        if (!fieldApplies(all, all[one.field], textOf))
            return CheckRefusal{one.key, notApplying(all[one.field])};
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!all[i].required || all[i].when.empty() || !fieldApplies(all, all[i], textOf)) continue;
        if (std::none_of(given.begin(), given.end(), [i](const Given& g) { return g.field == i; }))
            return missingFrom(source, all[i]);
    }
    return std::nullopt;
}

// A source made of two functions, where a front end finds its texts in a function's locals:
// `given` a generic lambda taking (field, position, put).
template <class Given, class NotTaken>
struct SourceOf {
    Given givenBy;
    NotTaken notTakenBy;

    template <class Put>
    std::optional<CheckRefusal> given(const CheckField& field, std::size_t position,
                                      const Put& put) {
        return givenBy(field, position, put);
    }
    CheckRefusal notTaken(const CheckField& field) const { return notTakenBy(field); }
};

template <class Given, class NotTaken>
SourceOf<Given, NotTaken> sourceOf(Given given, NotTaken notTaken) {
    return {std::move(given), std::move(notTaken)};
}

// The input of rows, and the text as the source gave it, of the row a refusal names; nothing
// when it names none.
struct RefusedEntry {
    const CheckField* field = nullptr;
    std::string_view text;
};

// (The source is asked again for the check's own inputs of rows, `position` their index
// among the check's fields.)
template <class Source>
std::optional<RefusedEntry> refusedEntry(const Check& check, const CheckRefusal& refusal,
                                         Source& source) {
    if (refusal.row < 0) return std::nullopt;
    int rows = 0;
    std::optional<RefusedEntry> found;
    std::size_t position = 0;
    for (const CheckField& field : check.fields()) {
        const std::size_t at = position++;
        if (!field.rows) continue;
        source.given(field, at, [&](std::string_view text) -> std::optional<CheckRefusal> {
            if (rows++ == refusal.row) found = RefusedEntry{&field, text};
            return std::nullopt;
        });
        if (found) return found;
    }
    return std::nullopt;
}

}  // namespace ferrovolt
