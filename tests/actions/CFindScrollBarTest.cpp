#include "actions/CFindScrollBar.h"

#include "DesktopFixture.h"

namespace q5 {
namespace {

constexpr std::uint32_t kChildStyle = kWsVisible | kWsChild;

class CFindScrollBarTest : public DesktopFixture {
protected:
    CFindScrollBar Finder(Point cursor) { return CFindScrollBar(desk.windows, cursor); }

    // A horizontal scroll-bar control.
    WindowHandle FlatBar(WindowHandle parent, Rect rect, std::u16string className = u"ScrollBar") {
        return Child(parent, std::move(className), rect);
    }
};

TEST_F(CFindScrollBarTest, CandidatesExcludeNothingTheDesktopAndItsIcons) {
    const WindowHandle progman = TopLevel(u"Progman");
    const WindowHandle view = Child(progman, u"SHELLDLL_DefView", kScreen);
    const WindowHandle icons = Child(view, u"SysListView32", kScreen);
    const WindowHandle explorer = TopLevel(u"CabinetWClass");
    const WindowHandle list = Child(explorer, u"SysListView32", kScreen);
    auto finder = Finder({10, 10});

    EXPECT_FALSE(finder.IsScrollCandidate({}));
    EXPECT_FALSE(finder.IsScrollCandidate(desk.windows.GetDesktopWindow()));
    EXPECT_FALSE(finder.IsScrollCandidate(icons));
    EXPECT_TRUE(finder.IsScrollCandidate(list));
    EXPECT_TRUE(finder.IsScrollCandidate(view));
    EXPECT_TRUE(finder.IsUnderProgman(icons));
    EXPECT_TRUE(finder.IsUnderProgman(view));
    EXPECT_FALSE(finder.IsUnderProgman(progman));
    EXPECT_FALSE(finder.IsUnderProgman(list));
    EXPECT_EQ(finder.FindHorizontalScrollBar(icons), WindowHandle{});
    EXPECT_EQ(finder.FindHorizontalScrollBar({}), WindowHandle{});
}

TEST_F(CFindScrollBarTest, QualifyingWindows) {
    const WindowHandle frame = TopLevel(u"Frame");
    const WindowHandle document = Child(frame, u"Internet Explorer_Server", kScreen);
    const WindowHandle withStyle = Child(frame, u"Edit", kScreen, kChildStyle | kWsHScroll);
    const WindowHandle vertical = Child(frame, u"Edit", kScreen, kChildStyle | kWsVScroll);
    const WindowHandle flat = FlatBar(frame, {0, 900, 500, 917});
    const WindowHandle nui = FlatBar(frame, {0, 900, 500, 917}, u"NUIScrollbar");
    const WindowHandle upright = FlatBar(frame, {1000, 0, 1017, 900});
    const WindowHandle square = FlatBar(frame, {0, 0, 17, 17});
    auto finder = Finder({499, 10});

    EXPECT_TRUE(finder.QualifiesAsHorizontal(document));
    EXPECT_TRUE(finder.QualifiesAsHorizontal(withStyle));
    EXPECT_FALSE(finder.QualifiesAsHorizontal(vertical));
    EXPECT_TRUE(finder.QualifiesAsHorizontal(flat));
    EXPECT_TRUE(finder.QualifiesAsHorizontal(nui));
    EXPECT_FALSE(finder.QualifiesAsHorizontal(upright));
    EXPECT_FALSE(finder.QualifiesAsHorizontal(square));
    EXPECT_FALSE(finder.QualifiesAsHorizontal({}));
    // The cursor must be left of the bar's right edge.
    EXPECT_FALSE(Finder({500, 10}).QualifiesAsHorizontal(flat));
    // A scroll-bar control does not qualify by its style.
    desk.windows.Find(upright)->style |= kWsHScroll;
    EXPECT_FALSE(finder.QualifiesAsHorizontal(upright));
}

TEST_F(CFindScrollBarTest, ChildUnderTheCursorThatQualifiesIsTheResult) {
    const WindowHandle frame = TopLevel(u"Frame");
    Child(frame, u"Toolbar", {0, 0, 1280, 50}, kChildStyle | kWsHScroll);
    const WindowHandle view = Child(frame, u"View", {0, 50, 1280, 1000}, kChildStyle | kWsHScroll);
    EXPECT_EQ(Finder({100, 500}).FindHorizontalScrollBar(frame), view);
    // Outside every child the window itself is searched.
    desk.windows.Find(frame)->style |= kWsHScroll;
    EXPECT_EQ(Finder({100, 1010}).FindHorizontalScrollBar(frame), frame);
}

TEST_F(CFindScrollBarTest, FirefoxContentGivesItsParent) {
    const WindowHandle frame = TopLevel(u"MozillaWindowClass");
    const WindowHandle content =
        Child(frame, u"MozillaWindowClass", {0, 0, 1280, 1000}, kChildStyle | kWsHScroll);
    EXPECT_EQ(Finder({10, 10}).FindHorizontalScrollBar(frame), frame);
    // A top-level content window has no parent: nothing then.
    desk.windows.RemoveWindow(content);
    const WindowHandle lone = TopLevel(u"MozillaWindowClass", kScreen, kWsVisible | kWsHScroll);
    EXPECT_EQ(Finder({10, 10}).FindHorizontalScrollBar(lone), WindowHandle{});
}

TEST_F(CFindScrollBarTest, DirectUiSearchesItsFirstThenItsSecondChild) {
    const WindowHandle frame = TopLevel(u"CabinetWClass");
    const WindowHandle direct = Child(frame, u"DirectUIHWND", kScreen);
    const WindowHandle first = Child(direct, u"CtrlNotifySink", {0, 0, 10, 10});
    Child(first, u"Button", {0, 0, 10, 10});
    const WindowHandle second = Child(direct, u"CtrlNotifySink", {0, 0, 10, 10});
    Child(second, u"Static", {0, 0, 10, 10});
    const WindowHandle bar = FlatBar(second, {0, 1000, 1280, 1017});
    // The point lies outside every child of the DirectUI window.
    EXPECT_EQ(Finder({600, 600}).FindHorizontalScrollBar(frame), bar);

    const WindowHandle earlier = FlatBar(first, {0, 1000, 1280, 1017});
    EXPECT_EQ(Finder({600, 600}).FindHorizontalScrollBar(frame), earlier);
}

TEST_F(CFindScrollBarTest, ScrollBarUnderTheCursorThatDoesNotQualifyEndsTheSearch) {
    const WindowHandle frame = TopLevel(u"Frame");
    Child(frame, u"ScrollBar", {1200, 0, 1217, 1000});
    FlatBar(frame, {0, 1000, 1200, 1017});
    EXPECT_EQ(Finder({1205, 500}).FindHorizontalScrollBar(frame), WindowHandle{});
    EXPECT_NE(Finder({600, 1005}).FindHorizontalScrollBar(frame), WindowHandle{});
}

TEST_F(CFindScrollBarTest, ChildrenOfTheWindowUnderTheCursorAreSearched) {
    const WindowHandle frame = TopLevel(u"Frame");
    const WindowHandle view = Child(frame, u"View", kScreen);
    Child(view, u"Canvas", {0, 0, 10, 10});
    Child(view, u"ScrollBar", {1200, 0, 1217, 1000});
    const WindowHandle bar = FlatBar(view, {0, 1000, 1200, 1017});
    EXPECT_EQ(Finder({600, 600}).FindHorizontalScrollBar(frame), bar);
}

TEST_F(CFindScrollBarTest, SiblingsAreSearchedForwardThenBackward) {
    const WindowHandle frame = TopLevel(u"Frame");
    const WindowHandle before = FlatBar(frame, {0, 1000, 1200, 1017});
    const WindowHandle view = Child(frame, u"View", {0, 0, 1280, 1000});
    EXPECT_EQ(Finder({600, 600}).FindHorizontalScrollBar(frame), before);
    const WindowHandle after = FlatBar(frame, {0, 1000, 1200, 1017}, u"NUIScrollbar");
    EXPECT_EQ(Finder({600, 600}).SearchSiblings(view), after);
    EXPECT_EQ(Finder({600, 600}).SearchSiblings({}), WindowHandle{});
}

TEST_F(CFindScrollBarTest, AcrobatScrollBarGivesItsHorizontalChild) {
    const WindowHandle frame = TopLevel(u"AcrobatSDIWindow");
    const WindowHandle view = Child(frame, u"AVL_AVView", {0, 0, 1280, 1000});
    const WindowHandle holderV = Child(frame, u"AVL_AVScrollBar", {1263, 0, 1280, 1000});
    Child(holderV, u"ScrollBar", {1263, 0, 1280, 1000}, kChildStyle | kSbsVert);
    const WindowHandle holderBox = Child(frame, u"AVL_AVScrollBar", {0, 0, 17, 17});
    Child(holderBox, u"ScrollBar", {0, 0, 17, 17}, kChildStyle | kSbsSizeBox);
    const WindowHandle holderH = Child(frame, u"AVL_AVScrollBar", {0, 1000, 1263, 1017});
    const WindowHandle bar = Child(holderH, u"ScrollBar", {0, 1000, 1263, 1017});
    EXPECT_EQ(Finder({600, 600}).FindHorizontalScrollBar(view), bar);
    // Even a tiny horizontal child is taken: its shape is not looked at.
    desk.windows.Find(bar)->rect = Rect{0, 0, 5, 50};
    EXPECT_EQ(Finder({600, 600}).SearchSiblings(view), bar);
}

TEST_F(CFindScrollBarTest, AcrobatHolderWithUprightBarIsJudgedByTheChildsClass) {
    // The class of the holder's child stands in for the holder's own class:
    // a holder with a vertical "ScrollBar" child is judged as a scroll-bar
    // control by its own rectangle.
    const WindowHandle frame = TopLevel(u"AcrobatSDIWindow");
    const WindowHandle view = Child(frame, u"AVL_AVView", {0, 0, 1280, 1000});
    const WindowHandle holder =
        Child(frame, u"AVL_AVScrollBar", {0, 1000, 1263, 1017}, kChildStyle | kWsHScroll);
    Child(holder, u"ScrollBar", {0, 1000, 1263, 1017}, kChildStyle | kSbsVert);
    EXPECT_EQ(Finder({600, 600}).SearchSiblings(view), holder);
}

TEST_F(CFindScrollBarTest, MfcWindowsBeforeAreSearchedInside) {
    for (const std::u16string mfc : {u"AfxWnd70", u"AfxWnd42"}) {
        const WindowHandle frame = TopLevel(u"Frame" + mfc);
        const WindowHandle holder = Child(frame, mfc, {0, 1000, 1280, 1017});
        const WindowHandle bar = FlatBar(holder, {0, 1000, 1280, 1017});
        const WindowHandle view = Child(frame, u"View", {0, 0, 1280, 1000});
        EXPECT_EQ(Finder({600, 600}).SearchSiblings(view), bar);
        desk.windows.RemoveWindow(frame);
    }
    // After the window, an MFC window is not looked into.
    const WindowHandle frame = TopLevel(u"Frame");
    const WindowHandle view = Child(frame, u"View", {0, 0, 1280, 1000});
    const WindowHandle holder = Child(frame, u"AfxWnd70", {0, 1000, 1280, 1017});
    FlatBar(holder, {0, 1000, 1280, 1017});
    EXPECT_EQ(Finder({600, 600}).SearchSiblings(view), WindowHandle{});
}

TEST_F(CFindScrollBarTest, SearchChildrenTakesAQualifyingFirstChildOrItsSiblings) {
    const WindowHandle frame = TopLevel(u"Frame");
    EXPECT_EQ(Finder({1, 1}).SearchChildren(frame), WindowHandle{});
    EXPECT_EQ(Finder({1, 1}).SearchChildren({}), WindowHandle{});
    const WindowHandle first = Child(frame, u"Edit", kScreen, kChildStyle | kWsHScroll);
    EXPECT_EQ(Finder({1, 1}).SearchChildren(frame), first);
    desk.windows.Find(first)->style = kChildStyle;
    const WindowHandle bar = FlatBar(frame, {0, 0, 100, 10});
    EXPECT_EQ(Finder({1, 1}).SearchChildren(frame), bar);
}

// Project's and Visio's panes keep their scroll bars elsewhere under their
// parent: every descendant of the parent is tried, and a scroll bar is
// taken when its edges lie no more than 25 pixels beyond the pane's.
class EnumerationTest : public CFindScrollBarTest,
                        public ::testing::WithParamInterface<const char16_t*> {
protected:
    void SetUp() override {
        frame = TopLevel(u"Frame");
        const WindowHandle panes = Child(frame, u"Panes", kScreen);
        pane = Child(panes, GetParam(), {200, 100, 800, 900});
        bars = Child(panes, u"BarHolder", {0, 0, 1, 1});
    }

    // The pane is the window under the cursor.
    WindowHandle Find() { return Finder({500, 500}).FindHorizontalScrollBar(pane); }

    WindowHandle frame;
    WindowHandle pane;
    WindowHandle bars;
};

TEST_P(EnumerationTest, TwentyFivePixelsBeyondTheLeftEdgeIsAccepted) {
    const WindowHandle bar = FlatBar(bars, {175, 900, 800, 917});
    EXPECT_EQ(Find(), bar);
}

TEST_P(EnumerationTest, TwentySixPixelsBeyondTheLeftEdgeIsRejected) {
    FlatBar(bars, {174, 900, 800, 917});
    EXPECT_EQ(Find(), WindowHandle{});
}

TEST_P(EnumerationTest, TwentyFivePixelsBeyondTheRightEdgeIsAccepted) {
    const WindowHandle bar = FlatBar(bars, {200, 900, 825, 917}, u"NUIScrollbar");
    EXPECT_EQ(Find(), bar);
}

TEST_P(EnumerationTest, TwentySixPixelsBeyondTheRightEdgeIsRejected) {
    FlatBar(bars, {200, 900, 826, 917});
    EXPECT_EQ(Find(), WindowHandle{});
}

TEST_P(EnumerationTest, TheFirstFittingBarInTreeOrderIsTaken) {
    FlatBar(bars, {0, 900, 1280, 917});               // far too wide
    Child(bars, u"ScrollBar", {800, 100, 817, 900});  // upright
    Child(bars, u"Static", {200, 900, 800, 917}, kChildStyle | kWsHScroll);
    const WindowHandle fits = FlatBar(bars, {210, 900, 790, 917});
    FlatBar(bars, {200, 900, 800, 917});
    EXPECT_EQ(Find(), fits);
}

INSTANTIATE_TEST_SUITE_P(PaneClasses, EnumerationTest,
                         ::testing::Values(u"paneClassDC", u"VISIOG"));

TEST_F(CFindScrollBarTest, OtherClassesAreNotEnumerated) {
    const WindowHandle frame = TopLevel(u"Frame");
    const WindowHandle panes = Child(frame, u"Panes", kScreen);
    const WindowHandle pane = Child(panes, u"OtherPane", {200, 100, 800, 900});
    const WindowHandle holder = Child(panes, u"BarHolder", {0, 0, 1, 1});
    FlatBar(holder, {200, 900, 800, 917});
    EXPECT_EQ(Finder({500, 500}).FindHorizontalScrollBar(pane), WindowHandle{});
}

}  // namespace
}  // namespace q5
