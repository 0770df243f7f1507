// The programs' dialogs worked with real clicks and keys where the monkey tests seldom go:
// the set-up and clicks that must change nothing (the wheel: the end-to-end tests).
#include "tests/programs/program_dialog.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The window is made from its template: its title, and a control for each of its items.
TEST_P(ProgramDialog, TheWindowHasItsTemplatesTitleAndAControlForEachItem)
{
    const DialogTemplate& layout = GetParam().dialogTemplate();
    QWidget* window = dialog->GetSafeHwnd();
    EXPECT_EQ(window->windowTitle().toStdString(), layout.title);
    EXPECT_EQ(window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), std::ssize(layout.items));
    for (const DialogItemTemplate& item : layout.items)
        EXPECT_TRUE(item.id == -1 || ControlWidget<QWidget>(*dialog, item.id) != nullptr) << "no control " << item.id;
}

// At the start the list shows region 0 with the focus in it, every region labelled in
// order; another item picked shows its region afresh.
TEST_P(ProgramDialog, StartsOnRegionZeroAndAnItemPickedShowsItsRegion)
{
    EXPECT_EQ(driver->Show(), facts.startShow);
    EXPECT_TRUE(HasFocus(*dialog, ids.regionList));
    const auto* list = Control<QComboBox>(ids.regionList);
    const RegionCatalogue regions = GetParam().program().channel.Catalogue();
    ASSERT_EQ(list->count(), std::ssize(regions));
    for (int i = 0; i < list->count(); ++i)
        EXPECT_EQ(list->itemText(i).toStdString(), regions[static_cast<std::size_t>(i)].label) << "item " << i;
    EXPECT_EQ(list->itemText(0).toStdString(), facts.firstLabel);
    EXPECT_EQ(list->itemText(facts.otherRegion).toStdString(), facts.otherLabel);
    Click(ids.rest);
    driver->PickRegion(facts.otherRegion);
    EXPECT_EQ(driver->Show(), facts.otherShow);
}

// "←" on an empty composition, the end marker where it is refused and the keys captioned
// "x" change no control, and read none. The region change writes the fields without reading
// the controls: a radio checked since the last read goes back. Each program writes the
// radio group and the numbers in its own order.
TEST_P(ProgramDialog, RefusedClicksReadNothingAndARegionChangePutsTheRadioLastReadBack)
{
    driver->CheckLength(3);
    const std::string before = driver->Show();
    std::vector<int> refused = {ids.back};
    if (facts.noteBytes)
        refused.push_back(ids.end);  // a composition cannot begin with an end marker
    for (const Key& key : GetParam().program().keys) {
        if (Control<QPushButton>(key.controlId)->text() == "x")
            refused.push_back(key.controlId);
    }
    EXPECT_EQ(std::ssize(refused), 1 + (facts.noteBytes ? 1 : 0) + std::ssize(facts.noNoteKeys));
    for (const int id : refused) {
        Click(id);
        EXPECT_EQ(driver->Show(), before) << "after a click on " << id;
    }
    std::string order;
    const QObject context;
    QObject::connect(Control<QRadioButton>(ids.firstLength), &QRadioButton::toggled, &context,
                     [&] { order += "radio "; });
    QObject::connect(Control<QLineEdit>(ids.budget), &QLineEdit::textChanged, &context, [&] { order += "numbers "; });
    driver->PickRegion(facts.otherRegion);
    EXPECT_EQ(driver->CheckedLength(), 0);
    EXPECT_EQ(order, facts.radioBeforeNumbers ? "radio numbers " : "numbers radio ");

    driver->CheckLength(3);
    Click(ids.rest);  // reads radio 3
    driver->CheckLength(5);
    driver->PickRegion(0);
    EXPECT_EQ(driver->CheckedLength(), 3);
}

// A composition copied out of the output box and pasted into the emptied composition of the
// same region comes back whole: count, total, radio position and bytes. A paste that cannot
// be entered changes no control and says why beside the box, until the next click.
TEST_P(ProgramDialog, PastedBytesComeBackAsTheirClicksAndARefusedPasteChangesNothing)
{
    driver->PickRegion(facts.otherRegion);
    const std::span<const Key> keys = GetParam().program().keys;
    for (int i = 0; i < 12; ++i) {
        driver->CheckLength((5 * i) % kLengthPositions);
        Click(keys[static_cast<std::size_t>(7 * i) % keys.size()].controlId);
        if (i % 5 == 4)
            Click(ids.end);
    }
    Click(ids.rest);
    const std::string composed = driver->Show();
    driver->PickRegion(0);
    driver->PickRegion(facts.otherRegion);
    ASSERT_EQ(driver->Output(), "");
    EXPECT_EQ(driver->Paste(composed.substr(composed.find(" output=") + 8)), std::nullopt);
    EXPECT_EQ(driver->Show(), composed);

    driver->CheckLength(2);
    const std::string before = driver->Show();
    EXPECT_EQ(driver->Paste("0G"), "貼り付けできません：1 バイト目に 16 進数でない文字があります");
    EXPECT_EQ(driver->Show(), before);
    EXPECT_EQ(driver->Paste(""), "貼り付けできません：貼り付けるバイトがありません");
    EXPECT_EQ(driver->Show(), before);
    Click(ids.back);
    EXPECT_EQ(driver->ShownBalloon(), std::nullopt);
    EXPECT_NE(driver->Show(), before);
}

// Minimised, the dialog paints its background and, where MinimisedIconOrigin puts it, the
// program's 32-pixel picture: nothing else of its own.
TEST_P(ProgramDialog, MinimisedItPaintsItsIconOnItsBackground)
{
    QWidget* window = dialog->GetSafeHwnd();
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    QImage painted(window->size(), QImage::Format_RGB32);
    window->render(&painted, QPoint(), QRegion(), QWidget::DrawWindowBackground);

    const std::string_view name = GetParam().program().name;
    const QImage picture(QStringLiteral(":/%1/%2/icon-32.xpm")
                             .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
                             .arg(IDI_COMPOSER));
    ASSERT_EQ(picture.size(), QSize(32, 32));
    const CPoint origin = MinimisedIconOrigin({0, 0, window->width(), window->height()}, {32, 32});
    QImage expected(painted.size(), QImage::Format_RGB32);
    expected.fill(window->palette().window().color());
    QPainter(&expected).drawImage(QPoint(origin.x, origin.y), picture);
    EXPECT_EQ(painted, expected);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramDialog, testing::ValuesIn(ProgramsUnderTest()), testing::PrintToStringParamName());

}  // namespace
