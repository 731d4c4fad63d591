// The header as a user meets it: the divider dragged with the robot resizes
// its section through OnSizing and OnSized; bad widths change nothing; the
// widths go through a form file.
#include "tests/host/extctrls/pagesbars_test.h"

namespace host::pagesbarstest {
namespace {

class HeaderTest : public PagesBarsTest {
 protected:
  void SetUp() override {
    PagesBarsTest::SetUp();
    header = Add<THeader>(form.get(), "Head", Bounds(10, 10, 250, 25));
    header->GetSections()->SetCommaText("Name,Size,Date");
    auto record = [this](const char* what) {
      return TSectionEvent([this, what](TObject*, int32_t section, int32_t width) {
        log.push_back(std::string(what) + " " + std::to_string(section) + " " + std::to_string(width));
      });
    };
    header->OnSizing = record("sizing");
    header->OnSized = record("sized");
  }
  THeader* header = nullptr;
};

TEST_F(HeaderTest, DraggingADividerResizesItsSectionThroughSizingAndSized) {
  EXPECT_EQ(header->GetSectionWidth(2), DefaultSectionWidth);
  Show();
  Robot().Drag(At(header, {64, 10}), At(header, {100, 10}), 4);
  EXPECT_EQ(log,
            (std::vector<std::string>{"sizing 0 73", "sizing 0 82", "sizing 0 91", "sizing 0 100", "sized 0 100"}));
  EXPECT_EQ(header->GetSectionWidth(0), 100);
  EXPECT_EQ(header->DividerAt(164), 1) << "the next divider moved with the section";
  // Dragged past the section's left edge, the section closes at 0.
  log.clear();
  Robot().Drag(At(header, {164, 10}), At(header, {50, 10}), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"sizing 1 0", "sized 1 0"}));
  // Away from a divider, or with AllowResize off, a drag resizes nothing.
  log.clear();
  Robot().Drag(At(header, {30, 10}), At(header, {60, 10}), 2);
  header->SetAllowResize(false);
  Robot().Drag(At(header, {100, 10}), At(header, {150, 10}), 2);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(header->GetSectionWidth(0), 100);
}

TEST_F(HeaderTest, BadWidthsChangeNothingAndWidthsFollowTheSections) {
  header->SetSectionWidth(1, 80);
  EXPECT_RAISES(header->SetSectionWidth(3, 10), EListError, "List index out of bounds (3)");
  EXPECT_RAISES(header->GetSectionWidth(-1), EListError, "List index out of bounds (-1)");
  EXPECT_RAISES(header->SetSectionWidth(1, -5), EInvalidOperation, "Section width -5 of 'Head' is outside 0..16777216");
  EXPECT_RAISES(header->SetSectionWidth(1, MaxControlSize + 1), EInvalidOperation,
                "Section width 16777217 of 'Head' is outside 0..16777216");
  EXPECT_EQ(header->GetSectionWidth(1), 80);
  header->GetSections()->Add("Kind");
  EXPECT_EQ(header->GetSectionWidth(3), DefaultSectionWidth);
  header->GetSections()->Delete(3);
  EXPECT_RAISES(header->GetSectionWidth(3), EListError, "List index out of bounds (3)");

  const TFormRoundTrip file = RoundTrip(form.get());
  EXPECT_NE(file.Text.find("SectionWidths = (\n      64\n      80\n      64)"), std::string::npos) << file.Text;
  TOwned<THolder> copy(New<THolder>(nullptr));
  ReadForm(file.Binary, copy.get());
  auto* header2 = dynamic_cast<THeader*>(copy->FindComponent("Head"));
  ASSERT_NE(header2, nullptr);
  EXPECT_EQ(header2->GetSections()->GetCommaText(), "Name,Size,Date");
  EXPECT_EQ(header2->GetSectionWidth(1), 80);
}

}  // namespace
}  // namespace host::pagesbarstest
