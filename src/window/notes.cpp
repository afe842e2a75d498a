// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/notes.h"

#include <initializer_list>

namespace ferrovolt {

namespace {

constexpr char kCr[] = "\r";
constexpr char kCrLf[] = "\r\n";

// A note is its pieces joined with nothing between them.
QString joined(std::initializer_list<const char*> pieces) {
    QString text;
    for (const char* piece : pieces) text += QString::fromLatin1(piece);
    return text;
}

}  // namespace

QString disclaimerNote() {
    return joined({
        "All information and formulae contained in this program is presented ",
        "in good faith.",
        kCr,
        "'Quorel' will not be held responsible for damage occurring through ",
        "the use of this program.",
        kCr,
        "Any critical calculations should be checked against relevant local standards.",
    });
}

QString sizingNote() {
    return joined({
        "This Calculator will help you to determine the minimum size of a cable or ",
        "conductor needed based on a",
        kCrLf,
        "Design Current and a maximum 4% Voltage Drop.",
        kCrLf,
        "This tool is designed as a guide for quick checking purposes only and does not ",
        "substitute basic design.",
        kCrLf,
        "This calculator assumes a cable of the following defaults, Multicore, P.V.C. ",
        "Insulated and Non Armoured.",
        kCrLf,
        "It does not take into consideration other derating factors such as minimum ",
        "ampacity, temperature,",
        kCrLf,
        "mounting methods and permissible future upgrading based ",
        "on any applicable Regulations.",
        kCrLf,
        "It assumes certain material properties such as Resistivity and Temperature (20c).",
        kCrLf,
        kCrLf,
        "For further details on allowable ampacities of conductors, temperature and ",
        "mounting methods, consult the",
        kCrLf,
        "NEC (National Electric Code), I.E.E (Institution ",
        "Of Electrical Engineers) or your local Standards Body.",
        kCrLf,
        "    ",
        kNecAddress,
        kCrLf,
        "    ",
        kIetAddress,
        kCrLf,
        "for further details.",
    });
}

std::optional<QString> noteForSign(int index) {
    switch (index) {
        case 0:
        case 3:
        case 4:
            return disclaimerNote();
        case 1:
        case 2:
            return sizingNote();
        default:
            return std::nullopt;
    }
}

}  // namespace ferrovolt
