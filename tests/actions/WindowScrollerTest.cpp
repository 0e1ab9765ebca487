#include "actions/WindowScroller.h"

#include <gmock/gmock.h>

#include "DesktopFixture.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::uint32_t kHScroll = 0x0114;
constexpr std::uint32_t kKeyDown = 0x0100;
constexpr std::uint32_t kKeyUp = 0x0101;

class WindowScrollerTest : public DesktopFixture {
protected:
    std::vector<std::string> DebugLines(const std::string& className) {
        return {"debug ClassName:", "debug " + className};
    }

    WindowScroller scroller{desk.platform()};
};

TEST_F(WindowScrollerTest, DesktopIconListIsLeftAlone) {
    const WindowHandle progman = TopLevel(u"Progman");
    const WindowHandle view = Child(progman, u"SHELLDLL_DefView", kScreen);
    const WindowHandle icons = Child(view, u"SysListView32", kScreen, kWsVisible | kWsHScroll);
    PutCursor(100, 100);

    scroller.ScrollHorizontally(3);
    scroller.ScrollHorizontally(-3);

    std::vector<std::string> expected = DebugLines("SysListView32");
    Append(expected, DebugLines("SysListView32"));
    EXPECT_EQ(Lines(), expected);
    EXPECT_THAT(desk.windows.Received(icons), IsEmpty());
}

TEST_F(WindowScrollerTest, BareDesktopIsLeftAlone) {
    PutCursor(100, 100);
    scroller.ScrollHorizontally(3);
    EXPECT_EQ(Lines(), DebugLines("#32769"));
}

TEST_F(WindowScrollerTest, ListViewOutsideTheDesktopIsScrolled) {
    const WindowHandle explorer = TopLevel(u"CabinetWClass");
    const WindowHandle list =
        Child(explorer, u"SysListView32", {0, 0, 800, 600}, kWsVisible | kWsChild | kWsHScroll);
    PutCursor(100, 100);

    scroller.ScrollHorizontally(1);

    std::vector<std::string> expected = DebugLines("SysListView32");
    expected.push_back(Post(list, kHScroll, 0, 0));
    EXPECT_EQ(Lines(), expected);
}

TEST_F(WindowScrollerTest, BrowserContentGetsArrowKeysWithoutSearch) {
    // No scroll bar anywhere: the browser keys need none.
    const WindowHandle frame = TopLevel(u"Chrome_WidgetWin_1");
    const WindowHandle content = Child(frame, u"Chrome_RenderWidgetHostHWND", {0, 80, 1280, 1024});
    PutCursor(400, 400);

    scroller.ScrollHorizontally(3);
    scroller.ScrollHorizontally(-3);

    std::vector<std::string> expected = DebugLines("Chrome_RenderWidgetHostHWND");
    for (int i = 0; i < 3; ++i) {
        expected.push_back(Post(content, kKeyDown, 0x25, 0x014B0001));
        expected.push_back(Post(content, kKeyUp, 0x25, 0xC14B0001));
    }
    Append(expected, DebugLines("Chrome_RenderWidgetHostHWND"));
    for (int i = 0; i < 3; ++i) {
        expected.push_back(Post(content, kKeyDown, 0x27, 0x014D0001));
        expected.push_back(Post(content, kKeyUp, 0x27, 0xC14D0001));
    }
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(desk.windows.Received(content).size(), 12u);
}

TEST_F(WindowScrollerTest, FirefoxAndOperaAlsoGetArrowKeys) {
    for (const std::u16string className : {u"MozillaWindowClass", u"OperaWindowClass"}) {
        desk.journal.Clear();
        const WindowHandle browser = TopLevel(className);
        desk.windows.SetCursor(Point{10, 10});
        scroller.ScrollHorizontally(1);
        const auto lines = Lines();
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[2], Post(browser, kKeyDown, 0x25, 0x014B0001));
        EXPECT_EQ(lines[3], Post(browser, kKeyUp, 0x25, 0xC14B0001));
        desk.windows.RemoveWindow(browser);
    }
}

class ArrowClickTest : public WindowScrollerTest {
protected:
    void SetUp() override {
        const WindowHandle excel = TopLevel(u"XLMAIN");
        const WindowHandle desk7 = Child(excel, u"XLDESK", {0, 100, 1280, 1000});
        sheet = Child(desk7, u"EXCEL7", {0, 100, 1000, 950});
        bar = Child(desk7, u"ScrollBar", {100, 950, 900, 967});
        PutCursor(300, 400);
    }

    WindowHandle sheet;
    WindowHandle bar;
};

TEST_F(ArrowClickTest, LeftClicksTheLeftArrowAndPutsTheCursorBack) {
    scroller.ScrollHorizontally(3);

    std::vector<std::string> expected = DebugLines("EXCEL7");
    expected.push_back("cursor 105 955");
    for (int i = 0; i < 3; ++i) {
        expected.push_back("mouse 0x8002 105 955 0");
        expected.push_back("mouse 0x8004 105 955 0");
    }
    expected.push_back("cursor 300 400");
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(desk.windows.Cursor(), (Point{300, 400}));
    EXPECT_FALSE(desk.input.AnythingDown());
}

TEST_F(ArrowClickTest, RightClicksTheRightArrow) {
    scroller.ScrollHorizontally(-2);

    std::vector<std::string> expected = DebugLines("EXCEL7");
    expected.push_back("cursor 895 955");
    for (int i = 0; i < 2; ++i) {
        expected.push_back("mouse 0x8002 895 955 0");
        expected.push_back("mouse 0x8004 895 955 0");
    }
    expected.push_back("cursor 300 400");
    EXPECT_EQ(Lines(), expected);
}

TEST_F(ArrowClickTest, SwappedButtonsClickWithTheRightButton) {
    desk.windows.SetSystemMetric(kSmSwapButton, 1);
    scroller.ScrollHorizontally(1);
    EXPECT_THAT(Lines(),
                ElementsAre("debug ClassName:", "debug EXCEL7", "cursor 105 955",
                            "mouse 0x8008 105 955 0", "mouse 0x8010 105 955 0", "cursor 300 400"));
}

TEST_F(ArrowClickTest, NoScrollBarLeftOfTheCursorsRightIsNoTarget) {
    desk.windows.Find(bar)->rect = Rect{100, 950, 290, 967};
    scroller.ScrollHorizontally(3);
    EXPECT_THAT(Lines(),
                ElementsAre("debug ClassName:", "debug EXCEL7", "debug No scroll bar found\\n"));
    EXPECT_EQ(desk.journal.Calls().size(), 3u);
    EXPECT_EQ(std::get<sim::DebugCall>(desk.journal.Calls()[2]).text, u"No scroll bar found\n");
}

// Every class of the parent-message treatment scrolls through WM_HSCROLL
// posted to the parent of the scroll bar found, naming the scroll bar.
class ParentMessagesTest : public WindowScrollerTest,
                           public ::testing::WithParamInterface<const char16_t*> {};

TEST_P(ParentMessagesTest, PostsLineMessagesToTheScrollBarsParent) {
    const std::u16string className = GetParam();
    const WindowHandle frame = TopLevel(u"OpusApp");
    const WindowHandle pane = Child(frame, u"_WwF", {0, 0, 1000, 900});
    const WindowHandle view = Child(pane, className, {0, 0, 1000, 880});
    const WindowHandle bar = Child(pane, u"ScrollBar", {0, 880, 1000, 897});
    PutCursor(500, 500);

    scroller.ScrollHorizontally(3);
    scroller.ScrollHorizontally(-1);

    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 8u);
    for (int i = 2; i < 5; ++i) {
        EXPECT_EQ(lines[i], Post(pane, kHScroll, 0, bar.value));
    }
    EXPECT_EQ(lines[7], Post(pane, kHScroll, 1, bar.value));
    EXPECT_THAT(desk.windows.Received(view), IsEmpty());
    EXPECT_EQ(desk.windows.Received(pane).size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(EveryClass, ParentMessagesTest,
                         ::testing::Values(u"_WwG", u"AVL_AVView", u"paneClassDC", u"VISIOG",
                                           u"PSViewC", u"EditControl",
                                           u"FrontPageEditorDocumentView", u"OGrid", u"OFormSub",
                                           u"OPrtPrevPage"));

TEST_F(WindowScrollerTest, GenericPostsLeftAndSendsRightToTheWindowUnderTheCursor) {
    const WindowHandle frame = TopLevel(u"Notepad");
    const WindowHandle edit =
        Child(frame, u"Edit", {0, 50, 1280, 1000}, kWsVisible | kWsChild | kWsHScroll);
    PutCursor(500, 500);

    scroller.ScrollHorizontally(3);
    scroller.ScrollHorizontally(-3);

    std::vector<std::string> expected = DebugLines("Edit");
    for (int i = 0; i < 3; ++i) {
        expected.push_back(Post(edit, kHScroll, 0, 0));
    }
    Append(expected, DebugLines("Edit"));
    for (int i = 0; i < 3; ++i) {
        expected.push_back(Send(edit, kHScroll, 1, 0));
    }
    EXPECT_EQ(Lines(), expected);
    const auto& send = std::get<sim::SendCall>(desk.journal.Calls().back());
    EXPECT_TRUE(send.timed);
    EXPECT_EQ(send.flags, kSmtoAbortIfHung);
    EXPECT_EQ(send.timeoutMs, 1000u);
}

TEST_F(WindowScrollerTest, GenericMessagesGoToTheWindowUnderTheCursorNotTheScrollBar) {
    const WindowHandle frame = TopLevel(u"SomeApp");
    const WindowHandle view = Child(frame, u"SomeView", {0, 0, 1280, 980});
    const WindowHandle bar = Child(frame, u"ScrollBar", {0, 980, 1280, 997});
    PutCursor(500, 500);

    scroller.ScrollHorizontally(1);

    std::vector<std::string> expected = DebugLines("SomeView");
    expected.push_back(Post(view, kHScroll, 0, 0));
    EXPECT_EQ(Lines(), expected);
    EXPECT_THAT(desk.windows.Received(bar), IsEmpty());
}

TEST_F(WindowScrollerTest, GenericWithoutScrollBarOnlyWritesTheDebuggerLine) {
    TopLevel(u"PlainWindow");
    PutCursor(500, 500);
    scroller.ScrollHorizontally(-3);
    EXPECT_THAT(Lines(), ElementsAre("debug ClassName:", "debug PlainWindow",
                                     "debug No scroll bar found\\n"));
}

TEST_F(WindowScrollerTest, HungWindowReceivesNothingAndDoesNotBlock) {
    const WindowHandle window = TopLevel(u"Frozen", kScreen, kWsVisible | kWsHScroll);
    desk.windows.Find(window)->hung = true;
    PutCursor(5, 5);
    scroller.ScrollHorizontally(-3);
    EXPECT_EQ(Lines().size(), 5u);
    EXPECT_THAT(desk.windows.Received(window), IsEmpty());
}

TEST_F(WindowScrollerTest, ZeroCountDoesNothing) {
    TopLevel(u"Edit", kScreen, kWsVisible | kWsHScroll);
    scroller.ScrollHorizontally(0);
    EXPECT_THAT(Lines(), IsEmpty());
}

class DocumentScrollTest : public WindowScrollerTest {
protected:
    void SetUp() override {
        const WindowHandle frame = TopLevel(u"IEFrame");
        const WindowHandle shell = Child(frame, u"Shell DocObject View", {0, 80, 1280, 1024});
        document = Child(shell, u"Internet Explorer_Server", {0, 80, 1280, 1024});
        PutCursor(600, 600);
    }

    std::string Script(std::int32_t dx) const {
        return StringPrintf("script scrollBy 0x%llx %d 0",
                            static_cast<unsigned long long>(document.value), dx);
    }

    WindowHandle document;
};

TEST_F(DocumentScrollTest, ThreeScriptScrollsOfTenPixels) {
    desk.documents.SetResult(DocumentScrollResult::kScrolled);
    scroller.ScrollHorizontally(3);
    scroller.ScrollHorizontally(-3);

    std::vector<std::string> expected = DebugLines("Internet Explorer_Server");
    expected.insert(expected.end(), 3, Script(-10));
    Append(expected, DebugLines("Internet Explorer_Server"));
    expected.insert(expected.end(), 3, Script(10));
    EXPECT_EQ(Lines(), expected);
}

TEST_F(DocumentScrollTest, FailedScrollFallsBackToTheScrollMessage) {
    desk.documents.SetResult(DocumentScrollResult::kScrollFailed);
    scroller.ScrollHorizontally(2);

    std::vector<std::string> expected = DebugLines("Internet Explorer_Server");
    for (int i = 0; i < 2; ++i) {
        expected.push_back(Script(-10));
        expected.push_back(Send(document, kHScroll, 0, 0));
    }
    EXPECT_EQ(Lines(), expected);
}

TEST_F(DocumentScrollTest, MissingScriptWindowFallsBackToTheScrollMessage) {
    desk.documents.SetResult(DocumentScrollResult::kNoScriptWindow);
    scroller.ScrollHorizontally(-1);
    EXPECT_EQ(Lines().back(), Send(document, kHScroll, 1, 0));
    EXPECT_EQ(Lines().size(), 3u);
}

TEST_F(DocumentScrollTest, NoDocumentOrNoLibraryDoesNothing) {
    for (const auto result :
         {DocumentScrollResult::kNoDocument, DocumentScrollResult::kNoLibrary}) {
        desk.journal.Clear();
        desk.documents.SetResult(result);
        scroller.ScrollHorizontally(3);
        EXPECT_EQ(Lines(), DebugLines("Internet Explorer_Server"));
    }
    EXPECT_THAT(desk.windows.Received(document), IsEmpty());
}

TEST_F(DocumentScrollTest, ScriptScrollOfAnotherWindowDoesNothing) {
    desk.documents.SetResult(DocumentScrollResult::kScrolled);
    PutCursor(600, 10);  // over the frame, above the document
    scroller.ScrollDocumentByScript(true);
    EXPECT_THAT(Lines(), IsEmpty());
}

TEST_F(WindowScrollerTest, KeyZoomClassesUseCtrlPlusAndMinus) {
    for (const std::u16string className : {u"MozillaWindowClass", u"AVL_AVView", u"PSViewC"}) {
        desk.journal.Clear();
        const WindowHandle window = TopLevel(className);
        PutCursor(50, 50);
        scroller.ZoomIn();
        scroller.ZoomOut();
        EXPECT_THAT(Lines(), ElementsAre("key 0x11 0x00 1", "key 0xbb 0x00 1", "key 0xbb 0x00 3",
                                         "key 0x11 0x00 3", "key 0x11 0x00 1", "key 0xbd 0x00 1",
                                         "key 0xbd 0x00 3", "key 0x11 0x00 3"));
        desk.windows.RemoveWindow(window);
    }
}

TEST_F(WindowScrollerTest, OtherClassesZoomWithCtrlAndOneWheelNotch) {
    TopLevel(u"Notepad");
    desk.input.SetMessageExtraInfo(0x77);
    PutCursor(50, 50);
    scroller.ZoomIn();
    scroller.ZoomOut();
    EXPECT_THAT(Lines(),
                ElementsAre("key 0x11 0x00 1", "mouse 0x0800 0 0 120", "key 0x11 0x00 3",
                            "key 0x11 0x00 1", "mouse 0x0800 0 0 -120", "key 0x11 0x00 3"));
    EXPECT_EQ(std::get<sim::MouseCall>(desk.journal.Calls()[1]).extraInfo, 0x77u);
    EXPECT_FALSE(desk.input.AnythingDown());
}

TEST(ScrollTreatmentTest, ClassNamesAreComparedExactly) {
    EXPECT_EQ(ChooseScrollTreatment(u"EXCEL7"), ScrollTreatment::kArrowClick);
    EXPECT_EQ(ChooseScrollTreatment(u"excel7"), ScrollTreatment::kGeneric);
    EXPECT_EQ(ChooseScrollTreatment(u"EXCEL"), ScrollTreatment::kGeneric);
    EXPECT_EQ(ChooseScrollTreatment(u"_WwG "), ScrollTreatment::kGeneric);
    EXPECT_EQ(ChooseScrollTreatment(u"OPrtPrevPage"), ScrollTreatment::kParentMessages);
    EXPECT_EQ(ChooseScrollTreatment(u"Chrome_RenderWidgetHostHWND"), ScrollTreatment::kBrowserKeys);
    EXPECT_EQ(ChooseScrollTreatment(u"Internet Explorer_Server"), ScrollTreatment::kGeneric);
    EXPECT_EQ(ChooseScrollTreatment(u""), ScrollTreatment::kGeneric);
}

}  // namespace
}  // namespace q5
