// Long use of a composer dialog holds its memory level: what the leak checkers cannot see,
// memory still referenced but growing with use (widgets piling up, an output box that keeps
// an undo history of every replacement, registries that keep closed dialogs), shows here
// as heap or objects that grow from one round of use to the next. The twinwave dialog has
// the most controls and the longest output.
#include "core/duration_groups.h"
#include "tests/support/composer_dialog_driver.h"
#include "tests/support/programs_under_test.h"
#include "tests/support/widget_driver.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <malloc.h>

namespace {

qsizetype ObjectsInUse()
{
    qsizetype objects = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        objects += 1 + window->findChildren<QObject*>().size();
    return objects;
}

// Runs `use` for `warmUp` rounds, then for `measured` more, and expects the heap and the
// objects at the level the first rounds left them. Some 150 clicks a round: the toolkit's
// caches still take a few kilobytes now and then, far below a leak of a few dozen bytes a
// click. The heap is the C library allocator's bytes in use; AddressSanitizer's allocator
// is another, so under it the reading stays put and the plain build's run measures it.
void ExpectSteady(int warmUp, int measured, const std::function<void(int round)>& use)
{
    const auto runAndSettle = [&](int from, int to) {
        for (int round = from; round < to; ++round)
            ASSERT_NO_FATAL_FAILURE(use(round));
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed windows' too
    };
    ASSERT_NO_FATAL_FAILURE(runAndSettle(0, warmUp));
    const std::size_t heap = mallinfo2().uordblks;
    const qsizetype objects = ObjectsInUse();
    ASSERT_NO_FATAL_FAILURE(runAndSettle(warmUp, warmUp + measured));
    EXPECT_EQ(ObjectsInUse(), objects);
    EXPECT_LE(mallinfo2().uordblks, heap + std::size_t{96} * 1024) << "grew from " << heap << " bytes over " << measured << " rounds";
}

class SteadyState : public testing::Test {
protected:
    std::unique_ptr<CDialog> OpenDialog()
    {
        auto dialog = twinwave.open(state);
        EXPECT_TRUE(ShowActive(*dialog));
        return dialog;
    }

    // One round of use: a region, a composition filled well past its budget at changing
    // lengths with end bytes between, all of it taken back, then one more note left.
    void UseOnce(const CDialog& dialog, int round) const
    {
        ComposerDialogDriver driver(dialog, ids);
        driver.PickRegion(round % driver.RegionCount());
        int entered = 0;
        for (const Key& key : twinwave.program().keys) {
            if (key.value == kNoEvent)
                continue;
            driver.CheckLength((entered / 3 + round) % kLengthPositions);
            driver.Click(key.controlId);
            if (++entered % 10 == 0)
                driver.Click(ids.end);
        }
        for (int i = 0; i < entered + entered / 10; ++i)
            driver.Click(ids.back);
        ASSERT_EQ(driver.Number(ids.count), 0);
        ASSERT_EQ(driver.Number(ids.total), 0);
        driver.Click(ids.rest);
        ASSERT_GT(driver.Number(ids.count), 0);
    }

    const ProgramUnderTest& twinwave = *std::ranges::find(ProgramsUnderTest(), "twinwave",
                                                          [](const ProgramUnderTest& each) { return each.program().name; });
    const ComposerControlIds& ids = twinwave.program().ids;
    CWinApp app;  // the dialog loads its icon through the application
    ComposerState state;
};

TEST_F(SteadyState, RoundsOfUseHoldTheHeapTheObjectsAndTheOutputBoxLevel)
{
    const std::unique_ptr<CDialog> dialog = OpenDialog();
    // A round in every region first: the toolkit fills its caches and makes the list's
    // scrolling widgets the first time it shows each part of the list.
    const int regions = static_cast<int>(twinwave.program().channel.Catalogue().size());
    ExpectSteady(regions, 40, [&](int round) { UseOnce(*dialog, round); });
    const auto* output = ControlWidget<QPlainTextEdit>(*dialog, ids.output);
    EXPECT_EQ(output->document()->availableUndoSteps(), 0) << "the output box keeps what it replaced";
}

TEST_F(SteadyState, DialogsOpenedUsedAndClosedLeaveNothingBehind)
{
    ExpectSteady(3, 10, [&](int round) { UseOnce(*OpenDialog(), round); });
}

}  // namespace
