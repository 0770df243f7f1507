#include "framework/framework.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class FinishedAtOnce : public CWinApp {
public:
    int starts = 0;
    bool loopRan = false;

    BOOL InitInstance() override
    {
        ++starts;
        QTimer::singleShot(0, [this] { loopRan = true; });
        return FALSE;
    }
};

TEST(Application, AfxWinMainEndsWithZeroWithoutAMessageLoopWhenInitInstanceSaysSo)
{
    FinishedAtOnce app;
    char program[] = "/opt/orvo/bin/rustle";
    char option[] = "--platform=xcb";
    char* argv[] = {program, option, nullptr};
    EXPECT_EQ(AfxWinMain(2, argv), 0);
    EXPECT_EQ(app.starts, 1);
    EXPECT_FALSE(app.loopRan);
    EXPECT_STREQ(app.m_pszAppName, "rustle");  // a null name is taken from the executable
    QApplication::processEvents();
}

TEST(Application, TheApplicationObjectIsTheLatestLivingOne)
{
    EXPECT_EQ(AfxGetApp(), nullptr);
    {
        CWinApp outer("outer");
        EXPECT_EQ(AfxGetApp(), &outer);
        EXPECT_EQ(outer.Enable3dControls(), TRUE);
        {
            CWinApp inner("inner");
            EXPECT_EQ(AfxGetApp(), &inner);
        }
        EXPECT_EQ(AfxGetApp(), &outer);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}

TEST(Resources, LoadIconGivesTheIconResourceDrawnAtTheStandardSize)
{
    CWinApp app;
    HICON icon = app.LoadIcon(128);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon, app.LoadIcon(128));  // loaded once
    EXPECT_EQ(app.LoadIcon(129), nullptr);

    constexpr COLORREF kBackground = RGB(255, 255, 255);
    CMemoryDC dc(40, 40, kBackground);
    ASSERT_TRUE(dc.DrawIcon(2, 3, icon));
    EXPECT_EQ(dc.GetPixel(2, 3), RGB(255, 0, 0));     // the left half of the test icon
    EXPECT_EQ(dc.GetPixel(33, 34), RGB(0, 0, 255));   // the right half, 32 pixels on
    EXPECT_EQ(dc.GetPixel(34, 35), kBackground);
    EXPECT_EQ(dc.GetPixel(1, 3), kBackground);
    EXPECT_EQ(dc.GetPixel(40, 0), CLR_INVALID);
}

TEST(Resources, TheVersionStringsAreFoundByBlockAndName)
{
    EXPECT_EQ(AfxQueryVersionValue("\\StringFileInfo\\041104B0\\ProductName"), "testcomposer");
    EXPECT_EQ(AfxQueryVersionValue("\\StringFileInfo\\041104B0\\InternalName"), "testcomposer");
    EXPECT_EQ(AfxQueryVersionValue("\\StringFileInfo\\041104B0\\FileDescription"), "testcomposer");
    EXPECT_EQ(AfxQueryVersionValue("\\StringFileInfo\\041104B0\\OriginalFilename"), "testcomposer");
    EXPECT_EQ(AfxQueryVersionValue("\\StringFileInfo\\041104B0\\FileVersion"), "1, 0, 0, 1");
    EXPECT_EQ(AfxQueryVersionValue("\\StringFileInfo\\041104B0\\CompanyName"), "");
    EXPECT_EQ(AfxQueryVersionValue("\\StringFileInfo\\041104B0\\LegalTrademarks"), "");
    EXPECT_EQ(AfxQueryVersionValue("\\StringFileInfo\\040904B0\\ProductName"), std::nullopt);
    EXPECT_EQ(AfxQueryVersionValue("\\StringFileInfo\\041104B0\\Comments"), std::nullopt);
    const VersionInfo& info = *kModuleResources.version;
    EXPECT_EQ(info.fileVersion, (std::array<std::uint16_t, 4>{1, 0, 0, 1}));
    EXPECT_EQ(info.fileFlagsMask, 0x3FU);
    EXPECT_EQ(info.language, 0x0411);
    EXPECT_EQ(info.codePage, 1200);
}

TEST(Text, CStringIsAByteStringWithTheOldOperations)
{
    CString text = "7A";
    text += '0';
    text += "8";
    text = text + CString("：") + "海";
    EXPECT_EQ(text, "7A08：海");
    EXPECT_EQ(text.GetLength(), 10);  // bytes, not characters
    EXPECT_EQ(text.GetAt(1), 'A');
    EXPECT_EQ(text.GetAt(99), '\0');
    EXPECT_EQ(text.Left(2), "7A");
    EXPECT_EQ(text.Left(-1), "");
    CString number;
    number.Format("%d", -80);
    EXPECT_STREQ(static_cast<const char*>(number), "-80");
}

}  // namespace
