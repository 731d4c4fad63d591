// The range controls as a user and a program meet them: up-down halves
// clicked step the associate's number, a track bar's thumb follows a drag
// and the keys, a progress bar fills its share, and bad ranges raise and
// change nothing.
#include "tests/host/comctrls/comctrls_test.h"
#include "tests/support/raises.h"

namespace host::comctrlstest {
namespace {

using RangesTest = ComCtrlsTest;

TEST_F(RangesTest, UpDownHalvesStepTheAssociatesNumberAskingOnChanging) {
  auto* edit = Add<THolder>(form.get(), "Edit", Bounds(20, 20, 80, 21));
  auto* updown = Add<TUpDown>(form.get(), "UpDown", Bounds(0, 0, 16, 24));
  updown->SetMax(1200);
  updown->SetPosition(998);
  updown->SetAssociate(edit);
  EXPECT_EQ(updown->GetBoundsRect(), Bounds(100, 20, 16, 21)) << "placed at the associate's right, as high as it";
  EXPECT_EQ(edit->GetText(), "998");
  bool allow = true;
  updown->OnChanging = [&](TObject*, bool& Allow) { Allow = allow; };
  updown->OnClick = [&](TObject*, TUDBtnType Button) {
    log.push_back((Button == btNext ? "next " : "prev ") + std::to_string(updown->GetPosition()));
  };
  updown->SetIncrement(2);
  const auto upper = [&] { return At(updown, {8, 4}); };
  const auto lower = [&] { return At(updown, {8, 17}); };
  Robot().Click(upper());
  Robot().Click(upper());
  EXPECT_EQ(edit->GetText(), "1,002") << "thousands separated";
  Robot().Click(lower());
  EXPECT_EQ(log, (std::vector<std::string>{"next 1000", "next 1002", "prev 1000"}));
  allow = false;
  Robot().Click(upper());
  EXPECT_EQ(updown->GetPosition(), 1000) << "OnChanging refused";
  EXPECT_EQ(log.size(), 3u) << "no OnClick for a refused step";
  allow = true;

  // A number the user typed is where the next step starts; the ends stop it.
  edit->SetText("1199");
  Robot().Click(upper());
  EXPECT_EQ(updown->GetPosition(), 1200);
  EXPECT_EQ(edit->GetText(), "1,200");
  updown->SetWrap(true);
  updown->SetThousands(false);
  Robot().Click(upper());
  EXPECT_EQ(edit->GetText(), "0") << "Wrap goes round to Min";
  Robot().Click(lower());
  EXPECT_EQ(edit->GetText(), "1200");
}

TEST_F(RangesTest, UpDownHeldDownStepsAgainAfterAPauseUntilReleased) {
  auto* updown = Add<TUpDown>(form.get(), "UpDown", Bounds(10, 10, 16, 24));
  const auto advance = [](uint64_t Ms) { Headless().Windows().Advance(Ms); };
  Robot().MouseDown(At(updown, {8, 4}));
  EXPECT_EQ(updown->GetPosition(), 1);
  advance(399);
  EXPECT_EQ(updown->GetPosition(), 1) << "a pause first";
  advance(1);
  EXPECT_EQ(updown->GetPosition(), 2);
  advance(300);
  EXPECT_EQ(updown->GetPosition(), 5) << "then every 100 ms";
  Robot().MouseUp(At(updown, {8, 4}));
  advance(1000);
  EXPECT_EQ(updown->GetPosition(), 5) << "released: no more steps";
}

TEST_F(RangesTest, UpDownAssociatesOneControlAtATimeAndFollowsItsRange) {
  auto* edit = Add<THolder>(form.get(), "Edit", Bounds(50, 20, 80, 21));
  auto* first = Add<TUpDown>(form.get(), "First", Bounds(0, 0, 16, 24));
  auto* second = Add<TUpDown>(form.get(), "Second", Bounds(0, 60, 16, 24));
  second->SetAlignButton(udLeft);
  first->SetAssociate(edit);
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { second->SetAssociate(edit); }),
            "Edit is already associated with First");
  EXPECT_EQ(second->GetAssociate(), nullptr);
  EXPECT_EQ(second->GetTop(), 60) << "not moved";
  EXPECT_NE(RaisedMessage<EInvalidOperation>([&] { second->SetAssociate(second); }), "<nothing raised>");
  first->SetAssociate(nullptr);
  second->SetAssociate(edit);
  EXPECT_EQ(second->GetBoundsRect(), Bounds(34, 20, 16, 21)) << "udLeft: at the associate's left";

  // Position stays in the range whichever way it is set; Max below Min
  // makes the next half count down.
  second->SetPosition(500);
  EXPECT_EQ(second->GetPosition(), 100);
  second->SetMin(10);
  second->SetMax(0);
  EXPECT_EQ(second->GetPosition(), 10);
  second->Step(btNext);
  EXPECT_EQ(second->GetPosition(), 9);
  edit->Free();  // the associate goes: the up-down forgets it
  EXPECT_EQ(second->GetAssociate(), nullptr);
  second->Step(btPrev);
  EXPECT_EQ(second->GetPosition(), 10);
}

TEST_F(RangesTest, TrackBarThumbFollowsDragsClicksAndKeys) {
  auto* track = Add<TTrackBar>(form.get(), "Track", Bounds(10, 10, 226, 45));
  track->SetMax(100);
  track->SetPageSize(10);
  track->SetLineSize(3);
  std::vector<int32_t> changes;
  track->OnChange = [&](TObject*) { changes.push_back(track->GetPosition()); };
  // The channel runs from 13 to 213: two pixels a step.
  EXPECT_EQ(track->OffsetOf(0), 13);
  EXPECT_EQ(track->OffsetOf(100), 213);

  const TRect thumb = track->ThumbRect();
  const TPoint grab = At(track, {(thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2});
  Robot().Drag(grab, {grab.X + 80, grab.Y + 30});
  EXPECT_EQ(track->GetPosition(), 40) << "the thumb moved with the mouse, wherever across the bar it went";
  EXPECT_EQ(changes.back(), 40);
  EXPECT_GT(changes.size(), 1u) << "OnChange while dragging";
  EXPECT_TRUE(track->Focused());

  changes.clear();
  Robot().Click(At(track, {200, 14}));  // the channel after the thumb: a page on
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_PRIOR);
  Robot().Press(VK_END);
  Robot().Press(VK_RIGHT);  // at Max: nothing moves
  Robot().Press(VK_HOME);
  EXPECT_EQ(changes, (std::vector<int32_t>{50, 53, 43, 100, 0}));

  track->SetPosition(7);
  EXPECT_EQ(changes.size(), 5u) << "a change made by code fires no OnChange";
  track->SetPosition(1000);
  EXPECT_EQ(track->GetPosition(), 100) << "clamped";
}

TEST_F(RangesTest, TurnedOnTheirSideTheControlsRunDownAndAcross) {
  auto* track = Add<TTrackBar>(form.get(), "Track", Bounds(10, 10, 200, 45));
  track->SetOrientation(trVertical);
  EXPECT_EQ(track->GetBoundsRect(), Bounds(10, 10, 45, 200)) << "width and height swapped";
  track->SetMax(20);
  std::vector<int32_t> changes;
  track->OnChange = [&](TObject*) { changes.push_back(track->GetPosition()); };
  const TRect thumb = track->ThumbRect();
  EXPECT_GT(thumb.Height(), thumb.Width() / 2) << "the thumb lies across the channel";
  const TPoint grab = At(track, {(thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2});
  // 174 pixels for 20 steps: 87 pixels down is half way.
  Robot().Drag(grab, {grab.X, grab.Y + 87});
  EXPECT_EQ(track->GetPosition(), 10);
  Robot().Press(VK_DOWN);
  Robot().Press(VK_UP);
  Robot().Press(VK_UP);
  EXPECT_EQ(std::vector<int32_t>(changes.end() - 3, changes.end()), (std::vector<int32_t>{11, 10, 9}));
  // A tick every Frequency beside the channel, none with tsNone.
  track->SetFrequency(5);
  const int32_t tickX = track->ThumbRect().Right + 3;
  EXPECT_EQ(Pixel(track, tickX, track->OffsetOf(5)), Drawn(clWindowText));
  EXPECT_NE(Pixel(track, tickX, track->OffsetOf(5) + 4), Drawn(clWindowText));
  track->SetTickStyle(tsNone);
  EXPECT_NE(Pixel(track, tickX, track->OffsetOf(5)), Drawn(clWindowText));

  auto* updown = Add<TUpDown>(form.get(), "UpDown", Bounds(100, 100, 30, 16));
  updown->SetOrientation(udHorizontal);
  Robot().Click(At(updown, {25, 8}));
  Robot().Click(At(updown, {25, 8}));
  Robot().Click(At(updown, {5, 8}));
  EXPECT_EQ(updown->GetPosition(), 1) << "the right half steps on, the left one back";
}

TEST_F(RangesTest, MaxBelowMinRaisesAndChangesNothing) {
  auto* track = Add<TTrackBar>(form.get(), "Track", Bounds(10, 10, 150, 45));
  auto* progress = Add<TProgressBar>(form.get(), "Progress", Bounds(10, 80, 150, 16));
  track->SetParams(5, 2, 8);
  progress->SetParams(50, 20, 80);
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { track->SetMin(9); }), "TTrackBar property out of range");
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { progress->SetMax(10); }), "TProgressBar property out of range");
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { progress->SetParams(0, 5, 4); }),
            "TProgressBar property out of range");
  EXPECT_EQ((std::vector<int32_t>{track->GetMin(), track->GetMax(), track->GetPosition()}),
            (std::vector<int32_t>{2, 8, 5}));
  EXPECT_EQ((std::vector<int32_t>{progress->GetMin(), progress->GetMax(), progress->GetPosition()}),
            (std::vector<int32_t>{20, 80, 50}));
  // Narrowing the range takes Position along.
  progress->SetMax(40);
  EXPECT_EQ(progress->GetPosition(), 40);
  EXPECT_NE(RaisedMessage<EInvalidOperation>([&] { track->SetTickStyle(static_cast<TTickStyle>(7)); }),
            "<nothing raised>");
  EXPECT_EQ(track->GetTickStyle(), tsAuto);
  EXPECT_NE(RaisedMessage<EInvalidOperation>([&] { track->SetThumbLength(INT32_MAX); }), "<nothing raised>");
  EXPECT_EQ(track->GetThumbLength(), 20);
}

TEST_F(RangesTest, ProgressBarFillsItsShareAndStepsRoundPastMax) {
  auto* progress = Add<TProgressBar>(form.get(), "Progress", Bounds(10, 10, 204, 16));
  progress->SetSmooth(true);
  progress->SetPosition(25);
  // 200 pixels inside the frame: a quarter filled.
  EXPECT_EQ(progress->FilledRect(), Rect(2, 2, 52, 14));
  EXPECT_EQ(Pixel(progress, 40, 8), Drawn(clHighlight));
  EXPECT_EQ(Pixel(progress, 60, 8), Drawn(clBtnFace));
  progress->SetOrientation(pbVertical);
  EXPECT_EQ(progress->FilledRect(), Rect(2, 11, 202, 14)) << "filled from the bottom";

  progress->SetPosition(95);
  progress->StepIt();  // 105: five past Max starts over at Min + 5
  EXPECT_EQ(progress->GetPosition(), 5);
  progress->StepBy(-20);
  EXPECT_EQ(progress->GetPosition(), 0) << "StepBy stops at the ends";
  progress->SetStep(40);
  progress->StepIt();
  progress->StepIt();
  EXPECT_EQ(progress->GetPosition(), 80);
}

}  // namespace
}  // namespace host::comctrlstest
