#include "textcalc/windows/sheet_zoom.h"

#include <algorithm>
#include <array>

namespace textcalc {

namespace {

constexpr std::array<int, 13> levels{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

} // namespace

int zoomStep(int percent, int steps)
{
    for (; steps > 0; --steps) {
        const auto above = std::upper_bound(levels.begin(), levels.end(), percent);
        percent = above == levels.end() ? std::max(percent, levels.back()) : *above;
    }
    for (; steps < 0; ++steps) {
        const auto below = std::lower_bound(levels.begin(), levels.end(), percent);
        percent = below == levels.begin() ? std::min(percent, levels.front()) : *(below - 1);
    }
    return percent;
}

int ZoomedDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmDpiX: return m_screen.logicalDpiX() * m_percent / 100;
    case PdmDpiY: return m_screen.logicalDpiY() * m_percent / 100;
    case PdmPhysicalDpiX: return m_screen.physicalDpiX() * m_percent / 100;
    case PdmPhysicalDpiY: return m_screen.physicalDpiY() * m_percent / 100;
    case PdmWidth: return m_screen.width();
    case PdmHeight: return m_screen.height();
    case PdmWidthMM: return m_screen.widthMM();
    case PdmHeightMM: return m_screen.heightMM();
    case PdmNumColors: return m_screen.colorCount();
    case PdmDepth: return m_screen.depth();
    case PdmDevicePixelRatio: return m_screen.devicePixelRatio();
    case PdmDevicePixelRatioScaled: return int(m_screen.devicePixelRatioF() * devicePixelRatioFScale());
    }
    return 0;
}

} // namespace textcalc
