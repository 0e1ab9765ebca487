// The macro editor's list box on its own under Wine: a framework window as
// its parent records what the list posts.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "EditorWinTestSupport.h"
#include "editors/win/CListBoxEx.h"

namespace q5::win {
namespace {

constexpr UINT kListId = 256;
constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;

class RecordingParent final : public CWnd {
public:
    std::vector<MSG> posted;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == CListBoxEx::kEditCommitted || msg == CListBoxEx::kSelectionChanged) {
            posted.push_back(MSG{m_hWnd, msg, wParam, lParam, 0, {}});
            return 0;
        }
        return CWnd::HandleMessage(msg, wParam, lParam);
    }
};

class ListBoxExTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"list parent", WS_POPUP | WS_VISIBLE,
                                    RECT{100, 100, 400, 300}, nullptr, 0));
        ASSERT_TRUE(list.Create(kListStyle, RECT{10, 10, 150, 150}, &parent, kListId));
        ASSERT_TRUE(other.Create(kListStyle, RECT{160, 10, 290, 150}, &parent, kListId + 1));
        list.m_editable = true;
        list.AddItem(L"first", 0);
        list.AddItem(L"second", 3);
        ::SetForegroundWindow(parent.GetSafeHwnd());
        test::Pump();
    }

    void DoubleClick(CListBoxEx& target, int index) {
        test::ClickAt(test::ItemCentre(target.GetSafeHwnd(), index), 2);
    }
    void SetEditText(const wchar_t* text) { ::SetWindowTextW(list.EditWindow(), text); }
    std::vector<MSG> Commits() const {
        std::vector<MSG> commits;
        for (const MSG& m : parent.posted) {
            if (m.message == CListBoxEx::kEditCommitted) {
                commits.push_back(m);
            }
        }
        return commits;
    }

    RecordingParent parent;
    CListBoxEx list{L""};
    CListBoxEx other{L""};
};

TEST_F(ListBoxExTest, AddItemSelectsTheNewItemAndKeepsItsKind) {
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.GetItemData(1), 3);
    // Programmatic selection tells the parent nothing.
    EXPECT_TRUE(parent.posted.empty());
}

TEST_F(ListBoxExTest, AClickedSelectionIsPostedWithTheListsId) {
    DoubleClick(list, 0);
    ASSERT_FALSE(parent.posted.empty());
    EXPECT_EQ(parent.posted[0].message, CListBoxEx::kSelectionChanged);
    EXPECT_EQ(parent.posted[0].wParam, kListId);
    EXPECT_EQ(parent.posted[0].lParam, 0);
}

TEST_F(ListBoxExTest, LosingTheFocusCommitsAndPostsThePosition) {
    DoubleClick(list, 1);
    ASSERT_NE(list.EditWindow(), nullptr);
    EXPECT_EQ(list.EditedItem(), 1);
    SetEditText(L"renamed");
    ::SetFocus(other.GetSafeHwnd());
    test::Pump();
    EXPECT_EQ(list.EditWindow(), nullptr);
    EXPECT_EQ(list.EditedItem(), -1);
    EXPECT_EQ(list.ItemText(1), L"renamed");
    EXPECT_EQ(list.GetItemData(1), 0);  // a committed item is plain text
    EXPECT_EQ(list.GetCurSel(), 1);
    const auto commits = Commits();
    ASSERT_EQ(commits.size(), 1u);
    EXPECT_EQ(commits[0].wParam, kListId);
    EXPECT_EQ(commits[0].lParam, 1);
}

TEST_F(ListBoxExTest, EscapeRestoresTheTextAndPostsNothing) {
    DoubleClick(list, 0);
    ASSERT_NE(list.EditWindow(), nullptr);
    SetEditText(L"dropped");
    ::SendMessageW(list.EditWindow(), WM_KEYUP, VK_ESCAPE, 0);
    test::Pump();
    EXPECT_EQ(list.EditWindow(), nullptr);
    EXPECT_EQ(list.ItemText(0), L"first");
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_TRUE(Commits().empty());
}

TEST_F(ListBoxExTest, AddItemClosesAnOpenEditWithoutCommitting) {
    DoubleClick(list, 0);
    ASSERT_NE(list.EditWindow(), nullptr);
    SetEditText(L"dropped");
    list.AddItem(L"third", 4);
    test::Pump();
    EXPECT_EQ(list.EditWindow(), nullptr);
    EXPECT_EQ(list.ItemText(0), L"first");
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_TRUE(Commits().empty());
}

TEST_F(ListBoxExTest, OnlyOneEditOpensInTheWholeProgram) {
    other.m_editable = true;
    other.AddItem(L"elsewhere", 0);
    DoubleClick(list, 0);
    HWND first = list.EditWindow();
    ASSERT_NE(first, nullptr);
    parent.SendMessageW(WM_COMMAND, MAKEWPARAM(kListId, LBN_DBLCLK),
                        reinterpret_cast<LPARAM>(list.GetSafeHwnd()));
    EXPECT_EQ(list.EditWindow(), first);
    // Nor does another list open one while it is there.
    parent.SendMessageW(WM_COMMAND, MAKEWPARAM(kListId + 1, LBN_DBLCLK),
                        reinterpret_cast<LPARAM>(other.GetSafeHwnd()));
    EXPECT_EQ(other.EditWindow(), nullptr);
    EXPECT_EQ(list.EditWindow(), first);
}

TEST_F(ListBoxExTest, AListThatIsNotEditableIgnoresDoubleClicks) {
    other.AddItem(L"fixed", 2);
    DoubleClick(other, 0);
    EXPECT_EQ(other.EditWindow(), nullptr);
}

}  // namespace
}  // namespace q5::win
