#pragma once

// The station's charge-slip counter: one row of running numbers that every
// station draws from. Kept in one place so the badge of the main window and
// the number draw read the same row.
namespace charging::counter {

inline constexpr const char* Table = "STATION..tbORChargeSlip";
// The running number of the short formats.
inline constexpr const char* Chargeslip = "Chargeslip";
// The running numbers of the fifteen-character format, in-patient and out-patient.
inline constexpr const char* InPatient = "IChargeSlip";
inline constexpr const char* OutPatient = "OChargeSlip";

} // namespace charging::counter
