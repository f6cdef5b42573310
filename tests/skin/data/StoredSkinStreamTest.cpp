#include "skin/data/StoredSkinStream.h"

#include <gtest/gtest.h>

#include "skin/data/SkinStreams.h"

namespace {

void FillSkin(TbsStoredSkin& skin) {
  skin.SetFileName("skin.ini");
  skin.SetIniStrings({"[VERSION]", "skinname=A", "", "[PICTURES]"});
  skin.Picture = gfx::Bitmap(3, 2, 0x112233);
  skin.ActivePictures.emplace_back(4, 1);
  skin.ActivePictures.emplace_back(1, 5);
}

TEST(StoredSkinStream, RestoresNameTextAndPicturesThroughThePicturesProperty) {
  TbsStoredSkin source(nullptr);
  FillSkin(source);
  std::vector<uint8_t> stream;
  WriteStoredSkinStream(source, stream);
  ASSERT_TRUE(IsStoredSkinStream(stream));

  // The Pictures property is carried byte for byte at the end.
  std::vector<uint8_t> pictures;
  source.WritePictures(pictures);
  ASSERT_GT(stream.size(), pictures.size());
  EXPECT_TRUE(std::equal(pictures.begin(), pictures.end(), stream.end() - pictures.size()));

  // Read into a designed component: as when a form is read, the name is
  // kept and nothing is imported from disk.
  TbsStoredSkin target(nullptr);
  target.SetDesigning(true);
  ReadStoredSkinStream(stream, target);
  EXPECT_EQ(target.FileName(), "skin.ini");
  EXPECT_EQ(target.IniStrings(), source.IniStrings());
  EXPECT_EQ(target.Picture.GetPixel(2, 1), source.Picture.GetPixel(2, 1));
  EXPECT_TRUE(target.MaskPicture.IsEmpty());
  ASSERT_EQ(target.ActivePictures.size(), 2u);
  EXPECT_EQ(target.ActivePictures[1].Height(), 5);
  EXPECT_FALSE(target.ComponentState().Contains(csLoading));
}

TEST(StoredSkinStream, ForeignOrShortStreamsAreReadErrors) {
  TbsStoredSkin source(nullptr);
  FillSkin(source);
  std::vector<uint8_t> stream;
  WriteStoredSkinStream(source, stream);
  TbsStoredSkin target(nullptr);

  std::vector<uint8_t> foreign = stream;
  foreign[0] = 'X';
  EXPECT_FALSE(IsStoredSkinStream(foreign));
  EXPECT_THROW(ReadStoredSkinStream(foreign, target), TbsStreamError);

  std::vector<uint8_t> version2 = stream;
  version2[4] = 2;
  EXPECT_THROW(ReadStoredSkinStream(version2, target), TbsStreamError);

  // Every cut inside the stream ends in a read error, never in a read
  // beyond its end.
  for (size_t length = 0; length < stream.size(); ++length)
    EXPECT_ANY_THROW(ReadStoredSkinStream(std::span(stream).first(length), target)) << length;

  // A block length that is negative or beyond the end.
  std::vector<uint8_t> huge = stream;
  huge[8] = huge[9] = huge[10] = huge[11] = 0xff;
  EXPECT_THROW(ReadStoredSkinStream(huge, target), TbsStreamError);
  EXPECT_FALSE(target.ComponentState().Contains(csLoading));
}

}  // namespace
