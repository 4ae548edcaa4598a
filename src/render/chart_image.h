#pragma once
// The chart as a picture for the clipboard.
#include "model/design.h"
#include "model/settings.h"

#include <QImage>

namespace zelvo {

inline constexpr int chartImageSize = 600;
inline constexpr int chartImageRadius = 270;
inline constexpr int chartImageFontHeight = 10;

// 600 x 600, white, the chart at radius 270 and zoom 1 whatever the window
// shows, in the settings' colours or in black (the start square stays red).
QImage copyChartToClipboard(const Design& design, const Settings& settings, bool useScreenColours);

} // namespace zelvo
