// The build clients' progress bar: it takes over a placeholder control and
// paints itself, green for the share done (or, during a download, still to
// come) and blue for the rest, framed in blue. The worker thread sets the
// values; the bar repaints on its own thread.
#pragma once

#include <atomic>
#include <cstdint>

#include "Control.h"

class CProgressBar : public brivel::winui::Control {
public:
    // Amount done, or during a download the amount still to come, of the range.
    void SetPosition(uint32_t position, uint32_t range);
    uint32_t Position() const { return m_position; }
    uint32_t Range() const { return m_range; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    std::atomic<uint32_t> m_position{0};
    std::atomic<uint32_t> m_range{1000};
};
