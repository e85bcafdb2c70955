#pragma once
#include <string>
#include <vector>

#include "widgets/Control.h"

// A list box of strings in the ANSI code page (file paths, result lines), item height 12.
// Sorted mode can be switched at any time: while it is on, an added entry goes to its
// place in the list's order (whole text, letter case ignored, the user's locale); while
// it is off, to the end. Additions between BeginUpdate and EndUpdate are not drawn one
// by one, and sorted ones are merged in a single pass, with the same result as adding
// them one at a time.
class TListBox : public TControl {
 public:
  TListBox(TForm* owner, bool multiSelect) : TControl(owner), multiSelect_(multiSelect) {}

  int Count() const;
  std::string Strings(int index) const;
  void Add(const std::string& text);
  void Insert(int index, const std::string& text);
  void Delete(int index);
  void Clear();
  // Swaps the texts of two entries; both end up unselected.
  void Exchange(int a, int b);

  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  // Deletes every selected entry, keeping the others in their order.
  void DeleteSelected();

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);

  void BeginUpdate();
  void EndUpdate();

  // The list's own order: < 0, 0 or > 0.
  static int CompareItems(const std::wstring& a, const std::wstring& b);

 protected:
  Params CreateParams() const override;
  void Created() override;

 private:
  std::wstring WideString(int index) const;
  void Rebuild(const std::vector<std::wstring>& items, const std::vector<bool>& selected);
  void InsertSorted(const std::wstring& text);
  // Puts the sorted additions held back by an update into the list.
  void Flush() const;

  bool multiSelect_;
  bool sorted_ = false;
  int updates_ = 0;
  mutable std::vector<std::wstring> pending_;
};
