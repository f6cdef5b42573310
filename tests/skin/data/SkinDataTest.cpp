#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

#include "skin/data/SkinTestSupport.h"

namespace {

using skintest::Encode;

struct Delivery {
  TComponent* form;
  unsigned message;
  TbsSkinData* sender;
  intptr_t lParam;

  friend bool operator==(const Delivery&, const Delivery&) = default;
};

// Stands in for the application's forms: the listed components are forms,
// in this order, and every message sent to one is recorded.
class FormsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = SkinFormHooks();
    SkinFormHooks().Forms = [this] { return forms; };
    SkinFormHooks().IsForm = [this](TComponent* c) {
      return std::find(forms.begin(), forms.end(), c) != forms.end();
    };
    SkinFormHooks().Send = [this](TComponent* f, unsigned m, TbsSkinData* s, intptr_t l) {
      sent.push_back({f, m, s, l});
      if (onSend)
        onSend(f, m, s);
    };
  }
  void TearDown() override { SkinFormHooks() = saved_; }

  std::vector<unsigned> Messages() const {
    std::vector<unsigned> out;
    for (const Delivery& d : sent)
      out.push_back(d.message);
    return out;
  }

  TbsStoredSkin* StoredSkin(const std::string& text) {
    auto* skin = new TbsStoredSkin(&owner);
    skin->SetIniStrings(
        SplitLines(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())));
    skin->Picture = gfx::Bitmap(16, 16);
    skin->MaskPicture = gfx::Bitmap(16, 16);
    skin->ActivePictures.emplace_back(4, 4);
    skin->ActivePictures.emplace_back(8, 8);
    return skin;
  }

  // The small skin as a skin directory: its text and four pictures.
  static void WriteSmallSkinFiles(skintest::TempDir& dir) {
    dir.Write("skin.ini", skintest::kSmallSkin);
    dir.Write("main.bmp", Encode(gfx::Bitmap(16, 16)));
    dir.Write("mask.bmp", Encode(gfx::Bitmap(16, 16)));
    dir.Write("a0.bmp", Encode(gfx::Bitmap(3, 2)));
    dir.Write("a1.bmp", Encode(gfx::Bitmap(5, 1)));
  }

  TComponent owner{nullptr};
  std::vector<TComponent*> forms;
  std::vector<Delivery> sent;
  std::function<void(TComponent*, unsigned, TbsSkinData*)> onSend;

 private:
  TbsSkinFormHooks saved_;
};

using SkinData = FormsFixture;

const std::string kSmall = skintest::kSmallSkin;

TEST_F(SkinData, AppliedSkinFillsRecordsPicturesAndFrameGeometry) {
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(StoredSkin(kSmall));
  EXPECT_FALSE(data.Empty);
  EXPECT_EQ(data.skinname, "Small");
  EXPECT_EQ(data.MaskFileName, "mask.bmp");
  EXPECT_EQ(data.ActivePictureNames, (std::vector<std::string>{"a0.bmp", "a1.bmp"}));
  EXPECT_EQ(data.ActivePictures.size(), 2u);
  EXPECT_EQ(data.Picture.Width(), 16);
  EXPECT_EQ(data.buttonsrect, (gfx::Rect{1, 1, 5, 5}));
  EXPECT_EQ(data.inactiveeffect, TbsInactiveEffect::ieInvert);
  EXPECT_EQ(data.HintWindowRecord->windowpictureindex, 1);
  ASSERT_EQ(data.ObjectRecords.size(), 2u);
  EXPECT_STREQ(data.ObjectRecords[0]->ClassName(), "TbsDataSkinCaption");
  EXPECT_TRUE(data.ObjectRecords[0]->morphing);
  auto* close = dynamic_cast<TbsDataSkinStdButton*>(data.ObjectRecords[1].get());
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->command, TbsStdCommand::cmClose);
  // The entry with an unknown type word makes no record.
  ASSERT_EQ(data.ControlRecords.size(), 2u);
  EXPECT_EQ(data.ControlRecords[1]->IDName, "bevel");
  EXPECT_NE(data.ActivePicture(1), nullptr);
  EXPECT_EQ(data.ActivePicture(2), nullptr);
  EXPECT_EQ(data.ActivePicture(-1), nullptr);
}

TEST_F(SkinData, LookupIsExactAndFindsTheFirstOfTwins) {
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(
      StoredSkin("[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n"
                 "[SKINCONTROLS]\ncount=3\n0=button:button\n1=twin:label\n2=twin:bevel\n"));
  EXPECT_EQ(data.IndexOfControlRecord("button"), 0);
  EXPECT_EQ(data.IndexOfControlRecord("Button"), -1);
  EXPECT_EQ(data.IndexOfControlRecord("butto"), -1);
  EXPECT_EQ(data.IndexOfControlRecord("twin"), 1);
  EXPECT_EQ(data.IndexOfObjectRecord("button"), -1);
}

TEST_F(SkinData, EntriesWithoutColonOrBeyondTheLastKeyMakeNothing) {
  // Only the keys present are visited, in number order, so a far-away key
  // below a huge count is read at once and one at or above it never.
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(
      StoredSkin("[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINCONTROLS]\n"
                 "[SKINOBJECTS]\ncount=2000000000\n1999999999=far:caption\n0=nocolon\n"
                 "2=cap:caption\n2000000000=beyond:caption\n"));
  ASSERT_EQ(data.ObjectRecords.size(), 2u);
  EXPECT_EQ(data.ObjectRecords[0]->IDName, "cap");
  EXPECT_EQ(data.ObjectRecords[1]->IDName, "far");
}

TEST_F(SkinData, ATextBeginningWithAByteOrderMarkIsASkin) {
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(
      StoredSkin("\xEF\xBB\xBF[VERSION]\nskinname=Marked\n[PICTURES]\n"
                 "[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n"));
  EXPECT_FALSE(data.Empty);
  EXPECT_EQ(data.skinname, "Marked");
}

TEST_F(SkinData, MessagesGoToTheOwnerFormFirstThenEveryOtherForm) {
  TComponent other(nullptr), third(nullptr);
  forms = {&other, &owner, &third};
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(StoredSkin(kSmall));
  std::vector<Delivery> expected;
  for (unsigned m : {1225u, 1226u, 1227u})
    for (TComponent* f : {&owner, &other, &third})
      expected.push_back({f, m, &data, 1000});
  EXPECT_EQ(sent, expected);
}

TEST_F(SkinData, RecipientsSeeTheOldSkinOn1225AndTheNewOneOn1226) {
  forms = {&owner};
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(StoredSkin(kSmall));
  std::vector<std::string> seen;
  onSend = [&](TComponent*, unsigned m, TbsSkinData* s) {
    seen.push_back(std::to_string(m) + (s->Empty ? " empty " : " full ") +
                   std::to_string(s->ControlRecords.size()));
  };
  data.ApplyStoredSkin(StoredSkin(
      "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\ncount=1\n0=l:label\n"));
  EXPECT_EQ(seen, (std::vector<std::string>{"1225 empty 2", "1226 full 1", "1227 full 1"}));
}

TEST_F(SkinData, RefusedTextLeavesTheContainerEmptyButStillEndsTheChange) {
  forms = {&owner};
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(StoredSkin(kSmall));
  sent.clear();
  data.ApplyStoredSkin(StoredSkin("[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n"));
  EXPECT_TRUE(data.Empty);
  EXPECT_TRUE(data.ControlRecords.empty());
  EXPECT_TRUE(data.Picture.IsEmpty());
  EXPECT_TRUE(data.ActivePictures.empty());
  EXPECT_EQ(Messages(), (std::vector<unsigned>{1225, 1226, 1227}));
}

TEST_F(SkinData, EmptyObjectListIsStillASkin) {
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(
      StoredSkin("[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\n"));
  EXPECT_FALSE(data.Empty);
  EXPECT_TRUE(data.ObjectRecords.empty());
}

TEST_F(SkinData, ConversionErrorStopsTheLoadAndKeepsTheContainerEmpty) {
  forms = {&owner};
  TbsSkinData data(&owner);
  EXPECT_THROW(data.ApplyStoredSkin(StoredSkin(
                   "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n"
                   "[SKINCONTROLS]\ncount=2\n0=good:bevel\n1=bad:bevel\n[bad]\nskinrect=1,2,3\n")),
               TbsConvertError);
  EXPECT_TRUE(data.Empty);
  EXPECT_EQ(data.ControlRecords.size(), 2u);
  EXPECT_EQ(Messages(), (std::vector<unsigned>{1225, 1226, 1227}));
}

TEST_F(SkinData, MoreStoredBitmapsThanNamesAreAllCarriedOver) {
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(StoredSkin(
      "[VERSION]\n[PICTURES]\nactivepicturescount=1\n0=a.bmp\n[FORMINFO]\n[SKINOBJECTS]\n"
      "[SKINCONTROLS]\n"));
  EXPECT_EQ(data.ActivePictureNames.size(), 1u);
  EXPECT_EQ(data.ActivePictures.size(), 2u);
}

const char* kFrameHead = "[VERSION]\n[SKINOBJECTS]\n[SKINCONTROLS]\n";

TEST_F(SkinData, WithoutAMaskHitTestPointsAndMaskAreaStayAsRead) {
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(StoredSkin(std::string(kFrameHead) +
                                  "[PICTURES]\n[FORMINFO]\nlefttoppoint=5,6\nclientrect=3,4,20,20\n"
                                  "maskrectarea=1,1,2,2\nhittestrighttoppoint=5,0\n"));
  EXPECT_EQ(data.hittestlefttoppoint, gfx::Point{});
  EXPECT_EQ(data.hittestrighttoppoint, (gfx::Point{5, 0}));
  EXPECT_EQ(data.maskrectarea, (gfx::Rect{1, 1, 2, 2}));
}

TEST_F(SkinData, WithAMaskUnsetHitTestPointsTakeTheCornersAndTheMaskAreaCoversTheClient) {
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(
      StoredSkin(std::string(kFrameHead) +
                 "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nlefttoppoint=5,6\nrighttoppoint=30,6\n"
                 "leftbottompoint=5,40\nrightbottompoint=30,40\nclientrect=3,4,32,44\n"
                 "maskrectarea=1,1,10,10\nhittestlefttoppoint=7,8\nhittestrighttoppoint=5,0\n"));
  EXPECT_EQ(data.hittestlefttoppoint, (gfx::Point{7, 8}));
  EXPECT_EQ(data.hittestrighttoppoint, (gfx::Point{30, 6}));
  EXPECT_EQ(data.hittestrightbottompoint, (gfx::Point{30, 40}));
  EXPECT_EQ(data.maskrectarea, (gfx::Rect{1, 1, 32, 44}));

  TbsSkinData empty(&owner);
  empty.ApplyStoredSkin(StoredSkin(std::string(kFrameHead) +
                                   "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=3,4,32,44\n"
                                   "maskrectarea=5,5,5,9\n"));
  EXPECT_EQ(empty.maskrectarea, (gfx::Rect{3, 4, 32, 44}));
}

TEST_F(SkinData, CornerPointsArePulledIntoTheClientRectUnlessDegenerate) {
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(StoredSkin(std::string(kFrameHead) +
                                  "[PICTURES]\n[FORMINFO]\nclientrect=7,30,198,160\n"
                                  "lefttoppoint=2,2\nrighttoppoint=203,2\n"
                                  "leftbottompoint=2,165\nrightbottompoint=203,165\n"));
  EXPECT_EQ(data.lefttoppoint, (gfx::Point{7, 30}));
  EXPECT_EQ(data.righttoppoint, (gfx::Point{198, 30}));
  EXPECT_EQ(data.leftbottompoint, (gfx::Point{7, 160}));
  EXPECT_EQ(data.rightbottompoint, (gfx::Point{198, 160}));

  TbsSkinData level(&owner);
  level.ApplyStoredSkin(StoredSkin(std::string(kFrameHead) +
                                   "[PICTURES]\n[FORMINFO]\nclientrect=7,30,198,160\n"
                                   "lefttoppoint=2,2\nrightbottompoint=2,165\n"));
  EXPECT_EQ(level.lefttoppoint, (gfx::Point{2, 2}));
  EXPECT_EQ(level.rightbottompoint, (gfx::Point{2, 165}));
}

TEST_F(SkinData, ClearSkinEmptiesEverything) {
  TbsSkinData data(&owner);
  data.ApplyStoredSkin(StoredSkin(kSmall));
  data.ClearSkin();
  EXPECT_TRUE(data.Empty);
  EXPECT_TRUE(data.ObjectRecords.empty());
  EXPECT_TRUE(data.ActivePictureNames.empty());
  EXPECT_TRUE(data.MaskPicture.IsEmpty());
  EXPECT_EQ(data.MaskFileName, "");
  EXPECT_EQ(data.HintWindowRecord->windowpictureindex, -1);
}

TEST_F(SkinData, SettingTheStoredSkinLoadsItUnlessDesignedAndForgetsItWhenFreed) {
  TbsSkinData designed(&owner);
  designed.SetDesigning(true);
  TbsStoredSkin* skin = StoredSkin(kSmall);
  designed.SetStoredSkin(skin);
  EXPECT_TRUE(designed.Empty);

  TbsSkinData data(&owner);
  data.SetStoredSkin(skin);
  EXPECT_FALSE(data.Empty);
  delete skin;
  EXPECT_EQ(data.StoredSkin(), nullptr);
  EXPECT_EQ(designed.StoredSkin(), nullptr);
  EXPECT_FALSE(data.Empty);  // the loaded skin stays
}

TEST_F(SkinData, AssigningTheSameSkinAgainReloadsItWithItsNotices) {
  forms = {&owner};
  TbsStoredSkin* stored = StoredSkin(kSmall);
  TbsSkinData data(&owner);
  data.SetStoredSkin(stored);
  EXPECT_EQ(data.skinname, "Small");
  // The skin's text is edited and the same skin assigned again.
  std::string edited = kSmall;
  edited.replace(edited.find("skinname=Small"), 14, "skinname=Edited");
  stored->SetIniStrings(
      SplitLines(std::span(reinterpret_cast<const uint8_t*>(edited.data()), edited.size())));
  sent.clear();
  data.SetStoredSkin(stored);
  EXPECT_EQ(data.skinname, "Edited");
  EXPECT_EQ(Messages(), (std::vector<unsigned>{1225, 1226, 1227}));

  skintest::TempDir dir("skindata-again");
  WriteSmallSkinFiles(dir);
  auto* compressed = new TbsCompressedStoredSkin(&owner);
  compressed->CompressSkinFile(dir.Path("skin.ini"));
  data.SetCompressedStoredSkin(compressed);
  dir.Write("a1.bmp", Encode(gfx::Bitmap(7, 1)));
  compressed->CompressSkinFile(dir.Path("skin.ini"));
  sent.clear();
  data.SetCompressedStoredSkin(compressed);
  ASSERT_EQ(data.ActivePictures.size(), 2u);
  EXPECT_EQ(data.ActivePictures[1].Width(), 7);
  EXPECT_EQ(Messages(), (std::vector<unsigned>{1225, 1226, 1227}));
}

TEST_F(SkinData, CompressedSkinLoadsLikeTheStoredOne) {
  skintest::TempDir dir("skindata-compressed");
  WriteSmallSkinFiles(dir);
  auto* compressed = new TbsCompressedStoredSkin(&owner);
  compressed->CompressSkinFile(dir.Path("skin.ini"));
  auto* stored = new TbsStoredSkin(&owner);
  stored->LoadFromSkinFile(dir.Path("skin.ini"));

  TbsSkinData fromCompressed(&owner), fromStored(&owner);
  fromCompressed.SetCompressedStoredSkin(compressed);
  fromStored.SetStoredSkin(stored);
  EXPECT_FALSE(fromCompressed.Empty);
  EXPECT_EQ(fromCompressed.ActivePictures.size(), 2u);
  EXPECT_EQ(fromCompressed.ActivePictures[1].Width(), 5);
  EXPECT_EQ(fromCompressed.MaskFileName, "mask.bmp");
  TbsSkinIni a, b;
  for (size_t i = 0; i < fromStored.ControlRecords.size(); ++i) {
    fromStored.ControlRecords[i]->SaveToIni(a);
    fromCompressed.ControlRecords[i]->SaveToIni(b);
  }
  EXPECT_EQ(a.GetText(), b.GetText());
  EXPECT_EQ(fromCompressed.clientrect, fromStored.clientrect);
}

TEST_F(SkinData, CompressedSkinOfAnotherVersionOrDamagedLeavesTheContainerEmpty) {
  forms = {&owner};
  TbsSkinData data(&owner);
  TbsCompressedStoredSkin compressed(nullptr);
  data.ApplyCompressedStoredSkin(&compressed);  // no data: nothing happens
  EXPECT_TRUE(sent.empty());

  std::vector<uint8_t> plain;
  WriteInt32(plain, 2);
  compressed.SetCompressedData(CompressBytes(plain));
  data.ApplyStoredSkin(StoredSkin(kSmall));
  sent.clear();
  data.ApplyCompressedStoredSkin(&compressed);
  EXPECT_TRUE(data.Empty);
  EXPECT_TRUE(data.ControlRecords.empty());
  EXPECT_EQ(Messages(), (std::vector<unsigned>{1225, 1226, 1227}));

  compressed.SetCompressedData(std::vector<uint8_t>{0x78, 0xDA, 1, 2, 3});
  EXPECT_THROW(data.ApplyCompressedStoredSkin(&compressed), TbsDecompressionError);
  EXPECT_TRUE(data.Empty);
}

}  // namespace
