#pragma once
// The line selection of "Import one-port data...": the file's points as
// tab-separated lines, several chosen with Shift or Ctrl.
#include "ui/dialogs/dialog_support.h"

#include <optional>
#include <vector>

class QListWidget;

namespace zelvo {

struct OnePortData;

class OnePortDialog : public ZelvoDialog {
  public:
    OnePortDialog(AppState& state, const Platform& platform, const OnePortData& data,
                  QWidget* parent = nullptr);

    // The selected lines in list order (not click order).
    std::vector<int> selected() const;
    QListWidget* list() const { return list_; }

  private:
    QListWidget* list_ = nullptr;
};

// nullopt after Cancel, else the chosen lines (possibly none).
std::optional<std::vector<int>> selectOnePortPoints(AppState& state, const Platform& platform,
                                                    const OnePortData& data,
                                                    QWidget* parent = nullptr);

} // namespace zelvo
