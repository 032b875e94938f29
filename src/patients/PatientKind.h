#pragma once

#include <QString>

namespace patients {

// The three kinds of patient a station list shows. The list procedures take
// a letter for the kind; the rest of the program knows only in-patients ("I")
// and out-patients ("O"), and an emergency patient counts as an out-patient.
enum class PatientKind { InPatient, OutPatient, Emergency };

inline QString TypeLetter(PatientKind kind)
{
    switch (kind) {
    case PatientKind::InPatient:
        return QStringLiteral("A");
    case PatientKind::OutPatient:
        return QStringLiteral("O");
    case PatientKind::Emergency:
        return QStringLiteral("E");
    }
    return QStringLiteral("A");
}

inline QString PatientTypeOf(PatientKind kind)
{
    return kind == PatientKind::InPatient ? QStringLiteral("I") : QStringLiteral("O");
}

} // namespace patients
