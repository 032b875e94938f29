#pragma once

class QAbstractButton;

namespace shell {

// Two check boxes that answer one question (Yes / No): ticking one clears
// the other, and both may stay clear while the question is unanswered.
void MakeYesNoPair(QAbstractButton* yes, QAbstractButton* no);

} // namespace shell
