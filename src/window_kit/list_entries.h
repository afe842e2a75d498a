// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A drop-down list narrower than its longest entry (a small or scaled screen): the entry shown
// is cut with an ellipsis where it does not fit its box, and said whole in the list's tip
// while it is cut; the list's own tip comes back when the entry fits. A screen reader hears
// the whole entry in any case (kit_accessibility.h).

class QComboBox;

namespace ferrovolt {

// For a list that is not editable; keeps at least `letters` letters of the entry in view.
void cutLongEntries(QComboBox& list, int letters);

// Whether the list's current entry shows whole in its box.
bool entryFits(const QComboBox& list);

}  // namespace ferrovolt
