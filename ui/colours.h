#pragma once

#include <QColor>

// The colour scheme of the suite's windows.
namespace marunda::ui::colours {

inline const QColor commandNormal{26, 45, 85};  // commands, captions, headings, rules
inline const QColor pageNormal{115, 58, 34};    // page commands, switches, markers
inline const QColor highlight{128, 128, 255};   // the label under the mouse
inline const QColor markerHighlight{255, 0, 0}; // the marker of the command under the mouse
inline const QColor fieldText{128, 64, 64};     // displayed record fields
inline const QColor switchStart{128, 64, 0};    // section switches until first recoloured

} // namespace marunda::ui::colours
