#include "window/notes.h"

namespace ferrovolt {

namespace {
const QString kCr = QStringLiteral("\r");
const QString kCrLf = QStringLiteral("\r\n");
}  // namespace

QString disclaimerNote() {
    return QStringLiteral("All information and formulae contained in this program is presented ") +
           QStringLiteral("in good faith.") + kCr +
           QStringLiteral("'Quorel' will not be held responsible for damage occurring through ") +
           QStringLiteral("the use of this program.") + kCr +
           QStringLiteral("Any critical calculations should be checked against relevant local standards.");
}

QString sizingNote() {
    return QStringLiteral("This Calculator will help you to determine the minimum size of a cable or ") +
           QStringLiteral("conductor needed based on a") + kCrLf +
           QStringLiteral("Design Current and a maximum 4% Voltage Drop.") + kCrLf +
           QStringLiteral("This tool is designed as a guide for quick checking purposes only and does not ") +
           QStringLiteral("substitute basic design.") + kCrLf +
           QStringLiteral("This calculator assumes a cable of the following defaults, Multicore, P.V.C. ") +
           QStringLiteral("Insulated and Non Armoured.") + kCrLf +
           QStringLiteral("It does not take into consideration other derating factors such as minimum ") +
           QStringLiteral("ampacity, temperature,") + kCrLf +
           QStringLiteral("mounting methods and permissible future upgrading based ") +
           QStringLiteral("on any applicable Regulations.") + kCrLf +
           QStringLiteral("It assumes certain material properties such as Resistivity and Temperature (20c).") +
           kCrLf + kCrLf +
           QStringLiteral("For further details on allowable ampacities of conductors, temperature and ") +
           QStringLiteral("mounting methods, consult the") + kCrLf +
           QStringLiteral("NEC (National Electric Code), I.E.E (Institution ") +
           QStringLiteral("Of Electrical Engineers) or your local Standards Body.") + kCrLf +
           QStringLiteral("    ") + QString::fromLatin1(kNecAddress) + kCrLf +
           QStringLiteral("    ") + QString::fromLatin1(kIetAddress) + kCrLf +
           QStringLiteral("for further details.");
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
