// Long use of a composer dialog holds its memory level: what the leak checkers cannot see,
// memory still referenced but growing with use (widgets piling up, an output box that keeps
// an undo history of every replacement, registries that keep closed dialogs), shows here
// as heap or widgets that grow from one round of use to the next. The twinwave dialog has
// the most controls and the longest output.
#include "tests/support/composer_dialog_driver.h"
#include "tests/support/widget_driver.h"
#include "twinwave/composer_dlg.h"
#include "twinwave/square2_triangle.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#define ORVO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVO_ASAN 1
#endif
#endif
#if defined(ORVO_ASAN)
// AddressSanitizer's allocator keeps the count (its runtime exports it with both compilers).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

using namespace twinwave;

namespace {

// Bytes of heap in use by the process.
std::size_t HeapInUse()
{
#if defined(ORVO_ASAN)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// Some 150 clicks a round. The toolkit's caches still take a few kilobytes now and then;
// a leak of a few dozen bytes per click over the measured rounds is far above that.
constexpr int kMeasuredRounds = 40;
constexpr std::size_t kHeapSlack = std::size_t{96} * 1024;

// Runs what is pending, closed windows' deferred deletions too.
void Settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

constexpr ComposerControlIds kIds{IDC_REGION, IDC_COUNT, IDC_BUDGET, IDC_LEN0, IDC_TOTAL, IDC_LENSEL0, IDC_OUTPUT};

class SteadyState : public testing::Test {
protected:
    std::unique_ptr<CComposerDlg> OpenDialog()
    {
        auto dialog = std::make_unique<CComposerDlg>(nullptr, state);
        EXPECT_TRUE(ShowActive(*dialog));
        return dialog;
    }

    // One round of use: a region, a composition filled well past its budget at changing
    // lengths with end bytes between, all of it taken back, then one more note left.
    static void UseOnce(const CComposerDlg& dialog, int round)
    {
        ComposerDialogDriver driver(dialog, kIds);
        driver.PickRegion(round % driver.RegionCount());
        int entered = 0;
        for (const NoteKey& key : kNoteKeys) {
            if (key.noteByte == kNoNote)
                continue;
            driver.CheckLength((entered / 3 + round) % 8);
            driver.Click(key.controlId);
            if (++entered % 10 == 0)
                driver.Click(IDC_END);
        }
        for (int i = 0; i < entered + entered / 10; ++i)
            driver.Click(IDC_BACK);
        ASSERT_EQ(driver.Number(IDC_COUNT), 0);
        ASSERT_EQ(driver.Number(IDC_TOTAL), 0);
        driver.Click(IDC_REST);
        ASSERT_GT(driver.Number(IDC_COUNT), 0);
    }

    CWinApp app;  // the dialog loads its icon through the application
    ComposerState state;
};

TEST_F(SteadyState, RoundsOfUseHoldTheHeapTheWidgetsAndTheOutputBoxLevel)
{
    const std::unique_ptr<CComposerDlg> dialog = OpenDialog();
    const auto* output = ControlWidget<QPlainTextEdit>(*dialog, IDC_OUTPUT);
    ASSERT_NE(output, nullptr);
    // A round in every region first: the toolkit fills its caches and makes the list's
    // scrolling widgets the first time it shows each part of the list.
    const int regions = static_cast<int>(kRegions.size());
    for (int round = 0; round < regions; ++round)
        ASSERT_NO_FATAL_FAILURE(UseOnce(*dialog, round));
    Settle();

    const std::size_t heap = HeapInUse();
    const qsizetype widgets = QApplication::allWidgets().size();
    const qsizetype children = dialog->GetSafeHwnd()->findChildren<QObject*>().size();
    for (int round = regions; round < regions + kMeasuredRounds; ++round)
        ASSERT_NO_FATAL_FAILURE(UseOnce(*dialog, round));
    Settle();

    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
    EXPECT_EQ(dialog->GetSafeHwnd()->findChildren<QObject*>().size(), children);
    EXPECT_EQ(output->document()->availableUndoSteps(), 0) << "the output box keeps what it replaced";
    EXPECT_LE(HeapInUse(), heap + kHeapSlack) << "grew from " << heap << " bytes over " << kMeasuredRounds << " rounds";
}

TEST_F(SteadyState, DialogsOpenedUsedAndClosedLeaveNothingBehind)
{
    for (int round = 0; round < 3; ++round) {
        auto dialog = OpenDialog();
        ASSERT_NO_FATAL_FAILURE(UseOnce(*dialog, round));
    }
    Settle();

    const std::size_t heap = HeapInUse();
    const qsizetype widgets = QApplication::allWidgets().size();
    for (int round = 3; round < 13; ++round) {
        auto dialog = OpenDialog();
        ASSERT_NO_FATAL_FAILURE(UseOnce(*dialog, round));
    }
    Settle();

    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
    EXPECT_LE(HeapInUse(), heap + kHeapSlack) << "grew from " << heap << " bytes over 10 dialogs";
}

}  // namespace
