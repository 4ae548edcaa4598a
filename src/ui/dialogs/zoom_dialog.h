#pragma once
// The zoom factor typed in: clamped to 0.01 .. 50.
#include "ui/dialogs/dialog_support.h"

namespace zelvo {

// Text that is not a number reads as 0 and so becomes the smallest factor.
float clampZoom(double typed);

class ZoomDialog : public ZelvoDialog {
  public:
    ZoomDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);

  private:
    void onOk();

    QLineEdit* factor_;
    ShownValue shown_;
};

} // namespace zelvo
