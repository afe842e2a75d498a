#include "cli/batch.h"

#include <istream>
#include <limits>
#include <memory>
#include <ostream>

#include "calc/area_weight.h"
#include "calc/conductor_size.h"
#include "calc/conduit_capacity.h"
#include "calc/gauge_comparison.h"
#include "calc/resistance.h"
#include "calc/voltage_drop.h"
#include "cli/circuit_json.h"
#include "cli/json_answer.h"
#include "cli/outputs.h"
#include "cli/request_fields.h"
#include "tables/gauge_area.h"

namespace ferrovolt {

namespace {

// Each reader takes the fields in the order the contract lists them, so a request with
// several faults is answered with the first.
using Reader = std::optional<Outcome> (*)(const Tables&, RequestFields&);

std::optional<Outcome> areaWeight(const Tables& tables, RequestFields& f) {
    const std::string_view gauge = f.text("gauge");
    const std::string_view standard = f.text("standard");
    if (!f.ok()) return std::nullopt;
    return outcomeOf(CalcAreaWeight(tables, gauge, standard));
}

std::optional<Outcome> resistance(const Tables& tables, RequestFields& f) {
    const std::string_view gauge = f.text("gauge");
    const std::string_view material = f.text("material");
    const std::string_view temperature = f.text("temperature");
    const int unit = f.choice("unit", "C|F|K");
    if (!f.ok()) return std::nullopt;
    constexpr TempUnit kUnits[] = {TempUnit::Celsius, TempUnit::Fahrenheit, TempUnit::Kelvin};
    return outcomeOf(CalcResistance(tables, gauge, material, temperature, kUnits[unit]));
}

std::optional<Outcome> compare(const Tables& tables, RequestFields& f) {
    const auto position = f.number("position", kFirstGaugePosition, kLastGaugePosition);
    const auto unit = f.number("unit", 0, 2);
    if (!f.ok()) return std::nullopt;
    return outputsOf(CalcComparison(tables, static_cast<int>(position), static_cast<int>(unit)));
}

std::optional<Outcome> gaugeArea(const Tables& tables, RequestFields& f) {
    const std::string_view gauge = f.text("gauge");
    const auto standard = f.number("standard", 0, kStandardCount - 1);
    const auto unit = f.number("unit", 0, 3);
    const bool byPosition = f.flag("by_position");
    if (!f.ok()) return std::nullopt;
    std::optional<std::string> area =
        GaugeArea(tables, gauge, static_cast<int>(standard), static_cast<int>(unit), byPosition);
    return gaugeAreaOutputs(area ? std::move(*area) : std::string());
}

std::optional<Outcome> conduit(const Tables& tables, RequestFields& f) {
    const bool inches = f.flag("inches");
    const std::string_view size = f.text("size");
    const auto fill = f.numberOf("fill", 40, 60);
    const std::string_view cable = f.text("cable");
    if (!f.ok()) return std::nullopt;
    return outcomeOf(CalcConduitCapacity(tables, inches, size, fill == 40, cable), inches);
}

std::optional<Outcome> voltageDrop(const Tables& tables, RequestFields& f) {
    const std::string_view length = f.text("length");
    const bool feet = f.flag("feet");
    const std::string_view current = f.text("current");
    const std::string_view material = f.text("material");
    const std::string_view supply = f.text("supply");
    const std::string_view gauge = f.text("gauge");
    if (!f.ok()) return std::nullopt;
    return outcomeOf(CalcVoltageDrop(tables, length, !feet, current, material, supply, gauge));
}

std::optional<Outcome> conductorSize(const Tables& tables, RequestFields& f) {
    const std::string_view length = f.text("length");
    const bool feet = f.flag("feet");
    const std::string_view current = f.text("current");
    const std::string_view material = f.text("material");
    const bool threePhase = f.flag("three_phase");
    const std::string_view volts = f.text("volts");
    if (!f.ok()) return std::nullopt;
    return outcomeOf(
        CalcConductorSize(tables, length, !feet, current, material, !threePhase, volts));
}

struct Calc {
    std::string_view name;
    Reader reader;
};

constexpr Calc kCalcs[] = {
    {"area_weight", areaWeight},       {"resistance", resistance}, {"compare", compare},
    {"gauge_area", gaugeArea},         {"conduit", conduit},       {"voltage_drop", voltageDrop},
    {"conductor_size", conductorSize},
};

constexpr std::string_view kUnknownCalc =
    "field \"calc\" is out of range: it must be one of \"area_weight\", \"resistance\", "
    "\"compare\", \"gauge_area\", \"conduit\", \"voltage_drop\", \"conductor_size\", "
    "\"circuit\"";

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

void BatchAnswerer::answer(std::string_view line, std::string& out) {
    // The JSON reader would take a NUL byte for the end of the text and answer what stands
    // before it.
    if (line.find('\0') != std::string_view::npos) return appendError(out, "NUL byte in the line");
    if (isBlank(line)) return appendError(out, "empty line");
    switch (m_request.read(line)) {
        case FlatRequest::Status::NotJson:
            return appendError(out, "not valid JSON");
        case FlatRequest::Status::NumberOutOfRange:
            return appendError(out, m_request.outOfRangeMessage());
        case FlatRequest::Status::NotObject:
            return appendError(out, "the request must be a JSON object");
        case FlatRequest::Status::Object:
            break;
    }

    RequestFields fields(m_request);
    const std::string_view name = fields.text("calc");
    if (!fields.ok()) return appendError(out, fields.error());
    if (name == "circuit") return appendCircuitRequest(out, line);
    for (const Calc& calc : kCalcs) {
        if (calc.name != name) continue;
        const std::optional<Outcome> outcome = calc.reader(m_tables, fields);
        if (!outcome) return appendError(out, fields.error());
        return appendAnswer(out, *outcome);
    }
    appendError(out, kUnknownCalc);
}

void answerRequest(const Tables& tables, std::string_view line, std::string& out) {
    BatchAnswerer(tables).answer(line, out);
}

std::size_t runBatch(const Tables& tables, std::istream& in, std::ostream& out,
                     std::size_t maxLineBytes) {
    // Answers are gathered and written in large blocks; a flush per line would cost more
    // than the computation.
    constexpr std::size_t kBlock = 1 << 16;
    std::string answers;
    answers.reserve(kBlock + 4096);
    BatchAnswerer answerer(tables);
    // One byte more than a line may hold, to tell a full line from a longer one, and one for
    // the terminating NUL that getline writes.
    const std::size_t size = maxLineBytes + 2;
    const auto line = std::make_unique_for_overwrite<char[]>(size);
    const auto room = static_cast<std::streamsize>(size);
    std::size_t count = 0;
    for (;;) {
        in.getline(line.get(), room);
        const auto read = static_cast<std::size_t>(in.gcount());
        // Every line read counts its line break, so nothing read is the end (or a failure).
        if (read == 0 || in.bad()) break;
        // A full buffer without the line break sets failbit: the line goes on.
        const bool cutShort = in.fail() && !in.eof();
        const bool ended = !in.fail() && !in.eof();  // the line break was read and counted
        const std::size_t length = read - (ended ? 1 : 0);
        if (cutShort || length > maxLineBytes) {
            if (cutShort) {
                in.clear();
                in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
                if (in.bad()) break;
            }
            appendError(answers, "line too long");
        } else {
            answerer.answer(std::string_view(line.get(), length), answers);
        }
        answers += '\n';
        ++count;
        if (answers.size() >= kBlock) {
            out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
            answers.clear();
        }
        if (in.eof()) break;
    }
    out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
    out.flush();
    return count;
}

}  // namespace ferrovolt
