#pragma once
#include "widgets/ListBox.h"

// A list box whose horizontal scroll range follows its widest entry. The list does not
// measure itself: its owner calls DispHorzScrollBar after changing the entries.
class TScrollListBox : public TListBox {
 public:
  using TListBox::TListBox;

  // Measures every entry (in the window's default device-context font) and sets the
  // horizontal extent to the widest.
  void DispHorzScrollBar();

 protected:
  Params CreateParams() const override;
};
