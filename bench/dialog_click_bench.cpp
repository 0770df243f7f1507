// One click on a push button of the real dialog on the toolkit's off-screen platform, at
// an empty and at a full history: the mouse press and release, the exchange in, the
// append, the exchange out and the new output text. "click_and_paint" also serves the
// repaint the click asks for. Only the click is timed; taking it back is not.
// "paste" sets a full history's bytes against one click at a full history: Ctrl+V in the
// output box of an empty composition, which enters all 998 entries in one operation.
#include "bench/bench_programs.h"
#include "bench/manual_timing.h"
#include "framework/cwinapp.h"
#include "framework/qt/modeless_dialog.h"
#include "pulsar/composer_program.h"
#include "rustle/composer_program.h"
#include "twinwave/composer_program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace {

template <const ComposerProgram& P>
std::unique_ptr<CDialog> Open(ComposerState& state)
{
    AfxSetResourceHandle(P.resources.Table());
    return std::make_unique<ComposerDialog<P>>(nullptr, state);
}

// A new dialog of the program `name` on `state`, not yet created.
std::unique_ptr<CDialog> OpenDialog(std::string_view name, ComposerState& state)
{
    for (const auto& [composer, open] : {std::pair{&rustle::kComposer, &Open<rustle::kComposer>},
                                         std::pair{&pulsar::kComposer, &Open<pulsar::kComposer>},
                                         std::pair{&twinwave::kComposer, &Open<twinwave::kComposer>}}) {
        if (composer->program.name == name)
            return open(state);
    }
    throw std::invalid_argument("no dialog of " + std::string(name));
}

// A dialog of the program under benchmark on a state of its own, shown.
class ShownDialog {
public:
    explicit ShownDialog(const BenchProgram& bench) : bench_(bench), dialog_(OpenDialog(bench.program.name, state_))
    {
        if (!CreateModeless(*dialog_) || !QTest::qWaitForWindowExposed(dialog_->GetSafeHwnd()))
            throw std::runtime_error("the dialog did not show");
    }

    // The history at `entries` entries and the radio position that makes the next append
    // change the length; everything the toolkit has pending is served.
    void Prepare(int entries)
    {
        SetHistoryDepth(
            state_, bench_, entries, [this](int id) { Button(id)->click(); },
            [this](int position) { Button(bench_.program.ids.firstLength + position)->click(); });
        Button(bench_.program.ids.firstLength + state_.history.Top() % 2)->click();
        QApplication::processEvents();
    }

    // An empty composition, made as the user makes one: another region picked and back.
    void Empty()
    {
        QWidget* list = dialog_->GetDlgItem(bench_.program.ids.regionList);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Up);
        QApplication::processEvents();
    }

    QAbstractButton* Button(int id) const { return qobject_cast<QAbstractButton*>(dialog_->GetDlgItem(id)); }
    QWidget* OutputBox() const { return dialog_->GetDlgItem(bench_.program.ids.output); }
    std::size_t OutputChars() const { return state_.outputText.size(); }
    const ComposerState& State() const { return state_; }

private:
    const BenchProgram& bench_;
    ComposerState state_;
    std::unique_ptr<CDialog> dialog_;
};

void Click(benchmark::State& state, const BenchProgram& bench, bool paint)
{
    ShownDialog empty(bench);
    ShownDialog full(bench);
    TimeEmptyAndFull(
        state, [&](bool atFull) { atFull ? full.Prepare(kFullHistory - 1) : empty.Prepare(0); },
        [&](bool atFull) {
            QAbstractButton* key = (atFull ? full : empty).Button(bench.append);
            return SecondsOf([&] {
                QTest::mouseClick(key, Qt::LeftButton);
                if (paint)
                    QApplication::processEvents();
            });
        },
        [&] { return full.OutputChars(); });
}

// A paste of a full history's bytes into an empty composition, and one click at a full
// history, timed in turns; "paste/click" is how many clicks a paste costs.
void PasteAgainstClick(benchmark::State& state, const BenchProgram& bench)
{
    ShownDialog pasting(bench);
    ShownDialog full(bench);
    full.Prepare(kFullHistory);
    QGuiApplication::clipboard()->setText(QString::fromStdString(full.State().outputText));
    TimeInTurns(state, "click", "paste", [&](bool paste) {
        if (!paste) {
            full.Prepare(kFullHistory - 1);
            QAbstractButton* key = full.Button(bench.append);
            return SecondsOf([&] { QTest::mouseClick(key, Qt::LeftButton); });
        }
        pasting.Empty();
        pasting.OutputBox()->setFocus();
        const double seconds = SecondsOf([&] { QTest::keyClick(pasting.OutputBox(), Qt::Key_V, Qt::ControlModifier); });
        if (pasting.State().history.Top() != kFullHistory)
            state.SkipWithError("the paste did not enter the full history");
        return seconds;
    });
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication toolkit(argc, argv);
    CWinApp app;  // the dialog loads its icon through the application
    for (const BenchProgram& bench : BenchPrograms()) {
        for (const bool paint : {false, true}) {
            const std::string name = "dialog/" + std::string(bench.program.name) + (paint ? "/click_and_paint" : "/click");
            benchmark::RegisterBenchmark(name.c_str(), [&bench, paint](benchmark::State& state) {
                Click(state, bench, paint);
            })->UseManualTime();
        }
        const std::string name = "dialog/" + std::string(bench.program.name) + "/paste";
        benchmark::RegisterBenchmark(name.c_str(), [&bench](benchmark::State& state) {
            PasteAgainstClick(state, bench);
        })->UseManualTime();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
