#pragma once

#include "control_win32.h"

#include <functional>

namespace forms {

// A horizontal scroll bar over 16-bit whole values from min to max; the
// arrows step by 1, the track by the large change. Change follows every
// change of the value, by the user or by code, and the end of a thumb drag
// that moved it; Scroll follows each step while the thumb is dragged.
class HScrollBar : public WindowedControl {
  public:
    HScrollBar(Container& container, const Placement& placement);

    int value() const { return value_; }
    // False, with nothing changed, for a value outside min..max.
    bool setValue(int value);
    // A value outside the new range moves to its nearer end.
    void setMin(int min);
    void setMax(int max);
    void setLargeChange(int change) { largeChange_ = change > 0 ? change : 1; }

    std::function<void()> onChange;
    std::function<void()> onScroll;

    bool onReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // Positions count from min: the thumb's fit the message's 16 bits.
    int span() const { return max_ - min_; }
    void updateBar() const;
    void changeValue(int value, bool raiseChange);
    void keepValueInRange();

    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int largeChange_ = 1;
    bool dragging_ = false;
    int valueBeforeDrag_ = 0;
};

} // namespace forms
