#pragma once
// The sheet's zoom, a view setting: Qt lays the document out for a paint device whose
// resolution is the screen's times the zoom, so every line shows larger or smaller while the
// document's own formats (sizes in points: what is saved, printed and shown in the format bar)
// stay as they are.
#include <QPaintDevice>

namespace textcalc {

// The steps of Ctrl++, Ctrl+- and the wheel; settings.ini may hold any percent in the range.
constexpr int MinZoom = 25;
constexpr int MaxZoom = 400;
// The zoom `steps` levels above (steps > 0) or below `percent`, at most the first or last level.
int zoomStep(int percent, int steps);

class ZoomedDevice : public QPaintDevice {
public:
    explicit ZoomedDevice(const QPaintDevice& screen) : m_screen(screen) {}
    void setZoom(int percent) { m_percent = percent; }
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    const QPaintDevice& m_screen;
    int m_percent = 100;
};

} // namespace textcalc
