// The in-memory backend: controls built from the template, user actions that deliver
// events, and program writes that deliver none.
#include "app/MemoryHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Framework.h"

namespace {

// A dialog that records what reaches it and can refuse Enter in one control.
class RecordingDialog : public CDialog {
 public:
  void OnControlEvent(int id, ControlEvent event) override { events.push_back({id, event}); }
  bool PreTranslateMessage(const KeyMessage& message) override {
    keys.push_back(message.nTargetId);
    if (message.nKeyCode == kKeyEnter) return message.nTargetId == swallowEnterIn;
    return CDialog::PreTranslateMessage(message);
  }
  void DoDataExchange(CDataExchange*) override {}

  struct Event {
    int id;
    ControlEvent event;
    bool operator==(const Event&) const = default;
  };
  std::vector<Event> events;
  std::vector<int> keys;
  int swallowEnterIn = 0;
};

class MemoryHostTest : public ::testing::Test {
 protected:
  void SetUp() override { m_host.Open(m_dialog); }
  CMemoryHost m_host;
  RecordingDialog m_dialog;
};

TEST_F(MemoryHostTest, ControlsStartAsTheTemplateSays) {
  EXPECT_FALSE(m_host.ButtonState(IDC_ADD_SENTENCE)->IsEnabled());
  EXPECT_TRUE(m_host.ButtonState(IDC_CONFIRM)->IsEnabled());
  EXPECT_EQ(m_host.ButtonState(IDC_DIR_ENGLISH)->GetCaption(), "Korea translation");
  EXPECT_EQ(m_host.CheckedRadio(IDC_DIR_KOREAN), -1);
  EXPECT_TRUE(m_host.EditState(IDC_COLLECTED)->IsMultiLine());
  EXPECT_FALSE(m_host.EditState(IDC_SEARCH)->IsMultiLine());
  EXPECT_EQ(m_host.Edit(IDC_CONFIRM), nullptr);
  EXPECT_EQ(m_host.Button(IDC_SEARCH), nullptr);
}

TEST_F(MemoryHostTest, ClicksCheckRadioButtonsWithinTheGroupAndSkipDisabledControls) {
  EXPECT_TRUE(m_host.Click(IDC_DIR_ENGLISH));
  EXPECT_EQ(m_host.CheckedRadio(IDC_DIR_KOREAN), 1);
  EXPECT_TRUE(m_host.Click(IDC_DIR_KOREAN));
  EXPECT_EQ(m_host.CheckedRadio(IDC_DIR_KOREAN), 0);
  EXPECT_FALSE(m_host.ButtonState(IDC_DIR_ENGLISH)->IsChecked());
  EXPECT_TRUE(m_host.Click(IDC_DIR_KOREAN));  // already checked: the handler still runs
  EXPECT_TRUE(m_host.Click(IDC_ADD_SENTENCE));  // disabled: nothing
  EXPECT_FALSE(m_host.Click(IDC_SEARCH));
  using E = RecordingDialog::Event;
  EXPECT_EQ(m_dialog.events, (std::vector<E>{{IDC_DIR_ENGLISH, ControlEvent::Clicked},
                                             {IDC_DIR_KOREAN, ControlEvent::Clicked},
                                             {IDC_DIR_KOREAN, ControlEvent::Clicked}}));
}

TEST_F(MemoryHostTest, ProgramWritesRunNoHandler) {
  m_host.Edit(IDC_COLLECTED)->SetText("x");
  m_host.Button(IDC_DIR_KOREAN)->SetChecked(true);
  m_host.List(IDC_CANDIDATES)->InsertString(0, "a");
  m_host.List(IDC_CANDIDATES)->SetCurSel(0);
  EXPECT_TRUE(m_dialog.events.empty());
}

TEST_F(MemoryHostTest, SelectAndTypeDeliverTheirEvents) {
  IListPeer* list = m_host.List(IDC_CANDIDATES);
  list->InsertString(0, "b");
  list->InsertString(0, "a");
  EXPECT_EQ(list->GetText(0), "a");
  EXPECT_FALSE(m_host.Select(2));
  EXPECT_FALSE(m_host.Select(-1));
  EXPECT_TRUE(m_host.Select(1));
  EXPECT_EQ(list->GetCurSel(), 1);
  EXPECT_TRUE(m_host.Type(IDC_SEARCH, "typed"));
  EXPECT_EQ(m_host.EditState(IDC_SEARCH)->GetText(), "typed");
  EXPECT_FALSE(m_host.Type(IDC_CANDIDATES, "no"));
  using E = RecordingDialog::Event;
  EXPECT_EQ(m_dialog.events, (std::vector<E>{{IDC_CANDIDATES, ControlEvent::SelChange},
                                             {IDC_SEARCH, ControlEvent::TextChanged}}));
}

TEST_F(MemoryHostTest, EnterGoesThroughTheFilterThenToTheControl) {
  m_dialog.swallowEnterIn = IDC_TRANSLATION;
  for (int id : {IDC_SENTENCE, IDC_TRANSLATION, IDC_SEARCH, IDC_CONFIRM, IDC_CANDIDATES}) m_host.KeyEnter(id);
  EXPECT_EQ(m_dialog.keys,
            (std::vector<int>{IDC_SENTENCE, IDC_TRANSLATION, IDC_SEARCH, IDC_CONFIRM, IDC_CANDIDATES}));
  EXPECT_EQ(m_host.EditState(IDC_SENTENCE)->GetText(), "\r\n");
  EXPECT_EQ(m_host.EditState(IDC_TRANSLATION)->GetText(), "");  // the filter kept the key
  EXPECT_EQ(m_host.EditState(IDC_SEARCH)->GetText(), "");       // single line: no break
  using E = RecordingDialog::Event;
  EXPECT_EQ(m_dialog.events, (std::vector<E>{{IDC_SENTENCE, ControlEvent::TextChanged}}));
  EXPECT_FALSE(m_host.IsClosed());
  m_host.KeyEscape();
  EXPECT_TRUE(m_host.IsClosed());
}

TEST_F(MemoryHostTest, MessagesAreRecordedAndDrained) {
  m_host.ShowMessage("one\n");
  m_host.ShowMessage("two\n");
  EXPECT_EQ(m_host.TakeMessages(), (std::vector<std::string>{"one\n", "two\n"}));
  EXPECT_TRUE(m_host.TakeMessages().empty());
}

TEST_F(MemoryHostTest, SelectionOfAnEditIsClampedToItsText) {
  IEditPeer* edit = m_host.Edit(IDC_COLLECTED);
  edit->SetText("abc");
  edit->SetSel(3, 3);
  EXPECT_EQ(m_host.EditState(IDC_COLLECTED)->SelStart(), 3);
  edit->SetSel(1, -1);
  EXPECT_EQ(m_host.EditState(IDC_COLLECTED)->SelEnd(), 3);
  edit->SetSel(9, 12);
  EXPECT_EQ(m_host.EditState(IDC_COLLECTED)->SelStart(), 3);
}

}  // namespace
