// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/tables.h"

#include <cstddef>

#include "numtext/number_text.h"

namespace ferrovolt {
namespace {

// Wire diameters in inches as published for each gauge standard; "0" where a standard has
// no such gauge. Columns: AWG (B&S), BWG (Stubs Iron Wire), SWG, US Standard (old),
// US Steel Wire.
struct GaugeSource {
    const char* label;
    std::array<const char*, kStandardCount> diameters;
};

// The rows stand as published, one per line.
// clang-format off
constexpr std::array<GaugeSource, 46> kGauges{{
    {"6/0", {"0.58", "0", "0.464", "0.4687", "0.4615"}},
    {"5/0", {"0.5165", "0", "0.432", "0.4375", "0.4305"}},
    {"4/0", {"0.46", "0.454", "0.4", "0.4062", "0.3938"}},
    {"3/0", {"0.409642", "0.425", "0.372", "0.375", "0.3625"}},
    {"2/0", {"0.364796", "0.38", "0.348", "0.3437", "0.331"}},
    {"1/0", {"0.324861", "0.34", "0.324", "0.3125", "0.3065"}},
    {"1", {"0.289297", "0.3", "0.3", "0.2812", "0.283"}},
    {"2", {"0.257627", "0.284", "0.276", "0.2656", "0.2625"}},
    {"3", {"0.229423", "0.259", "0.252", "0.25", "0.2437"}},
    {"4", {"0.204307", "0.238", "0.232", "0.2344", "0.2253"}},
    {"5", {"0.18194", "0.22", "0.212", "0.2187", "0.207"}},
    {"6", {"0.16202", "0.203", "0.192", "0.2031", "0.192"}},
    {"7", {"0.144285", "0.18", "0.176", "0.1875", "0.177"}},
    {"8", {"0.12849", "0.165", "0.16", "0.1719", "0.162"}},
    {"9", {"0.114423", "0.148", "0.144", "0.1562", "0.1483"}},
    {"10", {"0.101897", "0.134", "0.128", "0.1406", "0.135"}},
    {"11", {"0.090742", "0.12", "0.116", "0.125", "0.1205"}},
    {"12", {"0.080808", "0.109", "0.104", "0.1094", "0.1055"}},
    {"13", {"0.071962", "0.095", "0.092", "0.0937", "0.0915"}},
    {"14", {"0.064084", "0.083", "0.08", "0.0781", "0.08"}},
    {"15", {"0.057068", "0.072", "0.072", "0.0703", "0.072"}},
    {"16", {"0.050821", "0.065", "0.064", "0.0625", "0.0625"}},
    {"17", {"0.045257", "0.058", "0.056", "0.0562", "0.054"}},
    {"18", {"0.040303", "0.049", "0.048", "0.05", "0.0475"}},
    {"19", {"0.03589", "0.042", "0.04", "0.0437", "0.041"}},
    {"20", {"0.031961", "0.035", "0.036", "0.0375", "0.0348"}},
    {"21", {"0.028462", "0.032", "0.032", "0.0344", "0.03175"}},
    {"22", {"0.025346", "0.028", "0.028", "0.0312", "0.0286"}},
    {"23", {"0.022572", "0.025", "0.024", "0.0281", "0.0258"}},
    {"24", {"0.020101", "0.022", "0.022", "0.025", "0.023"}},
    {"25", {"0.0179", "0.02", "0.02", "0.0219", "0.0204"}},
    {"26", {"0.015941", "0.018", "0.018", "0.0187", "0.0181"}},
    {"27", {"0.01419", "0.016", "0.0164", "0.0172", "0.0173"}},
    {"28", {"0.012641", "0.014", "0.0148", "0.0156", "0.0162"}},
    {"29", {"0.011257", "0.013", "0.0136", "0.0141", "0.015"}},
    {"30", {"0.010025", "0.012", "0.0124", "0.0125", "0.014"}},
    {"31", {"0.008928", "0.01", "0.0116", "0.0109", "0.0132"}},
    {"32", {"0.00795", "0.009", "0.0108", "0.0102", "0.0128"}},
    {"33", {"0.00708", "0.008", "0.01", "0.0094", "0.0118"}},
    {"34", {"0.006305", "0.007", "0.0092", "0.0086", "0.0104"}},
    {"35", {"0.005615", "0.005", "0.0084", "0.0078", "0.0095"}},
    {"36", {"0.005", "0.004", "0.0076", "0.007", "0.009"}},
    {"37", {"0.004453", "0", "0.0068", "0.0066", "0.0085"}},
    {"38", {"0.003965", "0", "0.006", "0.0062", "0.008"}},
    {"39", {"0.003531", "0", "0.0052", "0", "0.0075"}},
    {"40", {"0.003144", "0", "0.0048", "0", "0.007"}},
}};

// Metric conduit size in millimetres and the inch trade size of the same row.
constexpr std::array<std::array<const char*, 2>, 11> kConduitSizes{{
    {"16", "1/2"}, {"20", "3/4"}, {"25", "1"}, {"32", "1 1/4"}, {"40", "1 1/2"}, {"50", "2"},
    {"63", "2 1/2"}, {"80", "3"}, {"100", "4"}, {"125", "5"}, {"150", "6"},
}};

// Name, resistivity at 20 C in microhm-centimetres, temperature coefficient per degree C.
constexpr std::array<std::array<const char*, 3>, kMaterialCount> kMaterials{{
    {kFirstMaterial.data(), "2.824", "0.0039"},
    {"Constantan 55/45", "48.98", "0.00001"},
    {"Copper (Annealed)", "1.7241", "0.00393"},
    {"Copper (Hard Drawn)", "1.771", "0.00382"},
    {"Gold", "2.463", "0.0034"},
    {"Iron", "9.71", "0.00651"},
    {"Manganin", "48.2", "0.000002"},
    {"Mercury", "98", "0.0009"},
    {"Monel", "47.89", "0.002"},
    {"Ni-Chrome", "100", "0.0004"},
    {"Platinum", "10.6", "0.003927"},
    {"Silver", "1.642", "0.0061"},
    {"Tin", "11.49", "0.0042"},
    {"Tungsten", "5.491", "0.0045"},
}};

// Section compared (sq mm) and size shown. There is no 35 sq mm row; row 8 holds 0.0, and the
// rows from 300 up name sets of parallel conductors.
constexpr std::array<std::array<const char*, 2>, 22> kMetricSizes{{
    {"1.0", "1.0"}, {"2.5", "2.5"}, {"4.0", "4.0"}, {"6.0", "6.0"}, {"10.0", "10.0"},
    {"16.0", "16.0"}, {"25.0", "25.0"}, {"50.0", "50.0"}, {"0.0", "0.0"}, {"70.0", "70.0"},
    {"95.0", "95.0"}, {"120.0", "120.0"}, {"150.0", "150.0"}, {"185.0", "185.0"},
    {"240.0", "240.0"}, {"300.0", "2*150.0"}, {"370.0", "2*185.0"}, {"480.0", "2*240.0"},
    {"600.0", "2*300.0"}, {"720.0", "3*240.0"}, {"960.0", "4*240.0"}, {"1200", "8*150"},
}};

constexpr std::array<float, 15> kKcmilSizes{
    250000.0F, 300000.0F, 350000.0F, 400000.0F,  500000.0F,  600000.0F,  700000.0F, 750000.0F,
    800000.0F, 900000.0F, 1000000.0F, 1250000.0F, 1500000.0F, 1750000.0F, 2000000.0F,
};

// clang-format on

}  // namespace

void InitTables(Tables& tables) {
    for (std::size_t position = 1; position <= kGauges.size(); ++position) {
        const GaugeSource& source = kGauges[position - 1];
        for (std::size_t row = 0; row < kStandardCount; ++row)
            tables.GaugeTable[position][row] = source.diameters[row];
        tables.GaugeTable[position][kLabelRow] = source.label;
    }
    for (std::size_t row = 0; row < kConduitSizes.size(); ++row)
        for (std::size_t column = 0; column < 2; ++column)
            tables.ConduitSizeTable[row][column] = kConduitSizes[row][column];
    for (std::size_t row = 0; row < kMaterials.size(); ++row)
        for (std::size_t column = 0; column < 3; ++column)
            tables.MaterialTable[row][column] = kMaterials[row][column];
    for (std::size_t row = 0; row < kMetricSizes.size(); ++row)
        for (std::size_t column = 0; column < 2; ++column)
            tables.MetricSizeTable[row][column] = kMetricSizes[row][column];
    tables.KcmilSizeTable = kKcmilSizes;
    deriveTables(tables);
}

float gaugeDiameter(const Tables& tables, int position, int standard) {
    const auto p = static_cast<std::size_t>(position);
    const auto s = static_cast<std::size_t>(standard);
    return tables.Derived ? tables.GaugeDiameters[p][s] : readBackSingle(tables.GaugeTable[p][s]);
}

float materialValue(const Tables& tables, int row, int column) {
    const auto r = static_cast<std::size_t>(row);
    if (tables.Derived) return tables.MaterialValues[r][static_cast<std::size_t>(column - 1)];
    return readBackSingle(tables.MaterialTable[r][static_cast<std::size_t>(column)]);
}

float metricSizeValue(const Tables& tables, int row) {
    const auto r = static_cast<std::size_t>(row);
    return tables.Derived ? tables.MetricSizeValues[r]
                          : readBackSingle(tables.MetricSizeTable[r][0]);
}

std::optional<int> gaugeLabelKey(std::string_view label) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (label.size() == 1 && digit(label[0])) return label[0] - '0';
    if (label.size() == 2 && digit(label[0]) && digit(label[1]))
        return (label[0] - '0') * 10 + (label[1] - '0');
    if (label.size() == 3 && digit(label[0]) && label[1] == '/' && label[2] == '0')
        return 100 + (label[0] - '0');
    return std::nullopt;
}

std::optional<int> gaugePositionOfLabel(const Tables& tables, std::string_view label) {
    // Derived tables know the first position of each key: where that position's label is the
    // text asked for, it is the first with it; a key without one has no label at all.
    if (const std::optional<int> key = tables.Derived ? gaugeLabelKey(label) : std::nullopt) {
        const int position = tables.GaugePositionsByKey[static_cast<std::size_t>(*key)];
        if (position < 0) return std::nullopt;
        if (tables.GaugeTable[static_cast<std::size_t>(position)][kLabelRow] == label)
            return position;
    }
    for (int position = kFirstGaugePosition; position <= kLastGaugePosition; ++position) {
        if (tables.GaugeTable[static_cast<std::size_t>(position)][kLabelRow] == label)
            return position;
    }
    return std::nullopt;
}

std::optional<int> materialRowOfName(const Tables& tables, std::string_view name) {
    for (int row = 0; row < kMaterialCount; ++row) {
        if (tables.MaterialTable[static_cast<std::size_t>(row)][0] == name) return row;
    }
    return std::nullopt;
}

}  // namespace ferrovolt
