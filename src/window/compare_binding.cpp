// SPDX-License-Identifier: GPL-3.0-or-later
// The Compare Gauges tab: no button; the scroll bar and the unit buttons redraw at once.

#include <QLabel>
#include <QScrollBar>

#include "calc/gauge_comparison.h"
#include "window/frm_options.h"
#include "window/qt_text.h"

namespace ferrovolt {

void frmOptions::VScroll1_Change() {
    if (!m_gaugeUnit) m_gaugeUnit = 0;
    const ComparisonResult r = CalcComparison(m_tables, m_compare.VScroll1->value(), *m_gaugeUnit);
    m_compare.lblGauge->setText(toQt(r.lblGauge));
    for (std::size_t s = 0; s < r.lblGaugeArray.size(); ++s)
        m_compare.lblGaugeArray[s]->setText(toQt(r.lblGaugeArray[s]));
}

void frmOptions::optGauge_Click(int index) {
    m_gaugeUnit = index;
    VScroll1_Change();
}

}  // namespace ferrovolt
