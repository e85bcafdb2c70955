#pragma once
#include <string>
#include <vector>

#include "widgets/Control.h"

// A pure drop-down list: the user picks one of its items and cannot type. The input
// method stays off while it has the focus.
class TComboBox : public TControl {
 public:
  using TControl::TControl;

  // Shift-JIS item texts.
  void SetItems(const std::vector<std::string>& items);
  int Count() const;
  std::string Item(int index) const;
  int ItemIndex() const;
  void SetItemIndex(int index);

 protected:
  Params CreateParams() const override {
    return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
  }
  void Created() override;
  // The window's height includes its dropped-down list.
  int WindowHeight(int layoutHeight) const override { return layoutHeight + 8 * 12 + 4; }
};
