#pragma once

// The operative chart's note boxes and transfer choices, shared by the
// chart's layout and its reading and writing of the record.
namespace records {

// The note boxes and the record's texts they hold, with their tab captions.
struct NoteBox {
    int index;
    const char* column;
    const char* tab;
    const char* caption;
};
inline constexpr NoteBox kNotes[] = {
    {0, "prod", "Operative Diagnosis", "Pre-operative diagnosis:"},
    {1, "psod", "Operative Diagnosis", "Post-operative diagnosis:"},
    {8, "procnd", "Operation Performed", "Operation performed (details):"},
    {2, "ot", "Description of Technique", "Operative technique:"},
    {3, "Opfindings", "Findings", "Findings:"},
    {4, "psoc", "Immediate Post of Condition", "Condition immediately after the operation:"},
    {5, "meds", "Medications and Drains", "Medications:"},
    {6, "drains", "Medications and Drains", "Drains:"},
    {7, "PF", "Medications and Drains", "Packs and fluids:"},
};

// The post-operative transfer options, as the record stores them.
inline const char* const kTransfers[] = {"RECOVERY ROOM", "WARD", "ICU"};

} // namespace records
