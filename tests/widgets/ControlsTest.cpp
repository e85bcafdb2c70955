#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/ModalAnswerer.h"
#include "widgets/Application.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/ComboBox.h"
#include "widgets/Edit.h"
#include "widgets/Form.h"
#include "widgets/Label.h"
#include "widgets/ListBox.h"
#include "widgets/Wide.h"

namespace {

const FormStyle kStyle = {"Test", 10, 10, 300, 200, true, false, 0};

// A small form with one control of each kind, in a tab order that differs from the
// order of the table.
class TestForm : public TForm {
 public:
  TestForm() : TForm(nullptr, kStyle) {
    BuildLayout({
        {&frame, nullptr, 0, 0, 300, 200, kNoTab, true},
        {&ok, "OK", 10, 150, 80, 25, 2, true},
        {&box, "Check", 10, 10, 100, 17, 0, true},
        {&label, "ラベル", 120, 10, 60, 12, kNoTab, true},
        {&edit, nullptr, 10, 40, 100, 20, 1, true},
        {&mask, nullptr, 10, 70, 100, 20, 3, true},
        {&combo, nullptr, 120, 40, 60, 20, 4, true},
        {&list, nullptr, 190, 10, 100, 130, 5, true},
    });
  }
  TBevel frame{this};
  TButton ok{this};
  TCheckBox box{this};
  TLabel label{this};
  TEdit edit{this};
  TMaskEdit mask{this};
  TComboBox combo{this};
  TListBox list{this, true};
};

void Pump() { Application().ProcessMessages(); }

void Type(HWND window, const std::wstring& keys) {
  for (wchar_t c : keys) SendMessageW(window, WM_CHAR, c, 0);
}

std::vector<std::string> Entries(const TListBox& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Strings(i));
  return out;
}

}  // namespace

TEST(Focus, TabKeyFollowsTheTabOrderAndSkipsDisabledControls) {
  TestForm form;
  form.Show();
  form.box.SetFocus();
  const std::vector<TControl*> expected = {&form.edit, &form.ok, &form.mask, &form.combo, &form.list, &form.box};
  for (TControl* next : expected) {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_EQ(form.ActiveControl(), next);
  }
  form.ok.SetEnabled(false);
  form.edit.SetFocus();
  PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
  Pump();
  EXPECT_EQ(form.ActiveControl(), &form.mask);
}

TEST(Focus, DisablingTheFocusedControlHandsTheFocusOn) {
  TestForm form;
  form.Show();
  form.edit.SetFocus();
  form.edit.SetEnabled(false);
  EXPECT_EQ(form.ActiveControl(), &form.ok);
}

TEST(Form, KeyPreviewSeesCharactersBeforeTheControl) {
  TestForm form;
  form.Show();
  std::string seen;
  form.SetKeyPreview(true);
  form.OnKeyPress = [&](char& key) {
    seen += key;
    if (key == 'x') key = 0;  // swallowed
  };
  form.edit.SetFocus();
  for (char c : std::string("axb")) PostMessageW(form.edit.Handle(), WM_CHAR, c, 0);
  Pump();
  EXPECT_EQ(seen, "axb");
  EXPECT_EQ(form.edit.Text(), "ab");
}

TEST(Form, ShowModalEndsWithTheButtonsResultAfterItsClick) {
  TestForm form;
  form.ok.ModalResult = mrOk;
  std::vector<std::string> events;
  form.ok.OnClick = [&] { events.push_back("click " + std::to_string(form.ModalResult())); };
  form.OnClose = [&](TCloseAction&) { events.push_back("close"); };
  form.OnShow = [&] { events.push_back("show"); };
  PostMessageW(form.ok.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(events, (std::vector<std::string>{"show", "click 1", "close"}));
  EXPECT_FALSE(form.Visible());

  // The close box gives Cancel without any click handler.
  events.clear();
  PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(events, (std::vector<std::string>{"show", "close"}));
}

TEST(Form, ExceptionFromAHandlerReachesTheErrorBoxAndTheModalLoopGoesOn) {
  Application().SetTitle("Ribeto");
  TestForm form;
  form.ok.ModalResult = mrOk;
  form.ok.OnClick = [] { throw std::runtime_error("boom"); };
  ModalAnswerer answerer({IDOK});
  PostMessageW(form.ok.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.ShowModal(), mrOk);
  const auto boxes = answerer.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"boom.");
}

TEST(Controls, CaptionsAreShiftJisWhateverTheCodePage) {
  TestForm form;
  wchar_t text[16];
  GetWindowTextW(form.label.Handle(), text, 16);
  EXPECT_EQ(std::wstring(text), L"\x30E9\x30D9\x30EB");  // ラベル
  EXPECT_EQ(form.label.Caption(), "ラベル");
  form.ok.SetCaption("追加");
  EXPECT_EQ(form.ok.Caption(), "追加");
}

TEST(Controls, CheckBoxClickTogglesAndNotifies) {
  TestForm form;
  int clicks = 0;
  form.box.OnClick = [&] { ++clicks; };
  SendMessageW(form.box.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.box.Checked());
  SendMessageW(form.box.Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(form.box.Checked());
  EXPECT_EQ(clicks, 2);
}

TEST(Controls, MaskEditKeepsTenPositions) {
  TestForm form;
  HWND m = form.mask.Handle();
  EXPECT_EQ(form.mask.Text(), "          ");
  form.mask.SetText("0");
  EXPECT_EQ(form.mask.Text(), "0         ");
  struct Case {
    const char* what;
    int caret;
    std::wstring keys;
    const char* text;
  } cases[] = {
      {"digits overwrite", 0, L"12", "12        "},
      {"letters refused", 0, L"a1b2", "12        "},
      {"typing further on", 3, L"7", "0  7      "},
      {"backspace blanks", 2, L"\b", "0         "},
      {"nothing past the end", 10, L"5", "0         "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form.mask.SetText("0");
    SendMessageW(m, EM_SETSEL, c.caret, c.caret);
    Type(m, c.keys);
    EXPECT_EQ(form.mask.Text(), c.text);
  }
  form.mask.SetText("12x4567890123");
  EXPECT_EQ(form.mask.Text(), "12 4567890");
  SendMessageW(m, EM_SETSEL, 1, 4);
  SendMessageW(m, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(form.mask.Text(), "1   567890");
}

TEST(Controls, ComboBoxItemsAndIndex) {
  TestForm form;
  form.combo.SetItems({"後", "前"});
  EXPECT_EQ(form.combo.Count(), 2);
  EXPECT_EQ(form.combo.ItemIndex(), -1);
  form.combo.SetItemIndex(1);
  EXPECT_EQ(form.combo.ItemIndex(), 1);
  EXPECT_EQ(form.combo.Item(1), "前");
}

TEST(ListBox, SortedModeIgnoresCaseAndBatchesAgreeWithSingleAdditions) {
  const std::vector<std::string> input = {"c:\\b.txt", "C:\\A.txt", "c:\\a_b", "C:\\AZ", "c:\\file10",
                                          "c:\\file9", "C:\\B.TXT", "c:\\\x95\x5C.txt" /* 表 */, "c:\\z"};
  TestForm one, batch;
  one.list.SetSorted(true);
  for (const auto& s : input) one.list.Add(s);
  batch.list.SetSorted(true);
  batch.list.Add("c:\\m");  // already in the list when the batch starts
  one.list.Add("c:\\m");
  batch.list.BeginUpdate();
  for (const auto& s : input) batch.list.Add(s);
  batch.list.EndUpdate();
  const auto sorted = Entries(one.list);
  EXPECT_EQ(Entries(batch.list), sorted);
  for (std::size_t i = 1; i < sorted.size(); ++i) {
    EXPECT_LE(TListBox::CompareItems(FromAnsi(sorted[i - 1]), FromAnsi(sorted[i])), 0) << i;
  }
  // Letter case is ignored: both spellings of b.txt stand together.
  const auto b = std::find(sorted.begin(), sorted.end(), "c:\\b.txt") - sorted.begin();
  const auto B = std::find(sorted.begin(), sorted.end(), "C:\\B.TXT") - sorted.begin();
  EXPECT_EQ(std::abs(b - B), 1);

  // Switched off, entries go to the end and the present order stays.
  batch.list.SetSorted(false);
  batch.list.Add("a");
  EXPECT_EQ(batch.list.Strings(batch.list.Count() - 1), "a");
}

TEST(ListBox, BatchesOfEveryShapeAgreeWithSingleAdditions) {
  // A batch is sorted by merging the runs that arrive in order; whatever the runs, the
  // list must read as if the entries had been added one at a time. Entries that differ
  // in letter case only sort equal: the earlier stays first.
  struct Case {
    const char* name;
    std::vector<std::string> present;  // in the list before the batch
    std::vector<std::string> batch;
  } cases[] = {
      {"in order", {}, {"a1", "a2", "b", "c"}},
      {"reversed", {}, {"e", "d", "c", "b", "a"}},
      {"two runs", {}, {"b", "d", "f", "a", "c", "e"}},
      {"three runs", {}, {"d", "e", "b", "c", "a", "f"}},
      {"equal in different runs", {}, {"x", "B", "y", "b", "z", "A", "a"}},
      {"equal to present entries", {"B", "m"}, {"b", "n", "M", "a", "b"}},
      {"folder then subfolder", {}, {"C:\\d\\a.txt", "C:\\d\\z.txt", "C:\\d\\sub\\b.txt", "C:\\d\\sub\\c.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestForm one, batch;
    for (TestForm* form : {&one, &batch}) {
      form->list.SetSorted(true);
      for (const auto& s : c.present) form->list.Add(s);
    }
    for (const auto& s : c.batch) one.list.Add(s);
    batch.list.BeginUpdate();
    for (const auto& s : c.batch) batch.list.Add(s);
    batch.list.EndUpdate();
    EXPECT_EQ(Entries(batch.list), Entries(one.list));
    EXPECT_EQ(batch.list.Count(), static_cast<int>(c.present.size() + c.batch.size()));
  }
}

TEST(ListBox, DeleteSelectedKeepsTheRestInOrder) {
  for (int n : {10, 300}) {  // one by one, and in one pass
    SCOPED_TRACE(n);
    TestForm form;
    std::vector<std::string> kept;
    for (int i = 0; i < n; ++i) {
      form.list.Add("e" + std::to_string(i));
      if (i % 3 != 1) kept.push_back("e" + std::to_string(i));
    }
    for (int i = 0; i < n; ++i) form.list.SetSelected(i, i % 3 == 1);
    form.list.DeleteSelected();
    EXPECT_EQ(Entries(form.list), kept);
    for (int i = 0; i < form.list.Count(); ++i) EXPECT_FALSE(form.list.Selected(i));
  }
}

TEST(ListBox, ExchangeSwapsTexts) {
  TestForm form;
  for (const char* s : {"A", "B", "C"}) form.list.Add(s);
  form.list.Exchange(0, 2);
  EXPECT_EQ(Entries(form.list), (std::vector<std::string>{"C", "B", "A"}));
}
