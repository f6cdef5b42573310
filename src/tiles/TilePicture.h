#pragma once

// The picture a puzzle is played with: "<file>-<n>-picture.jpg" beside the
// program when the package ships one, else the 150 x 150 preview
// "<preview>-<n>.jpg" enlarged. The board is square, so a picture of another
// shape gives its middle square.

#include <string>

#include "platform/gfx/Bitmap.h"
#include "tiles/PuzzleName.h"

enum class TPictureFailure { None, Missing, Unreadable };

struct TBoardPicture {
  gfx::Bitmap Bitmap;  // Side x Side, when loaded
  std::string File;    // the file read, or the preview when neither exists
  TPictureFailure Failure = TPictureFailure::None;
  std::string Reason;  // the decoder's words for an unreadable picture

  bool Ok() const { return Failure == TPictureFailure::None; }
};

std::string LargePicturePath(const TPuzzleName& Name);
// The preview the browser shows for the puzzle: named after the package's
// preview base name when a package definition lies beside the program (it
// may differ from the file base name), else after the file base name.
std::string PreviewPicturePath(const TPuzzleName& Name);

// Loads the picture and fits it smoothly to Side x Side pixels.
TBoardPicture LoadBoardPicture(const TPuzzleName& Name, int Side);

// The notice for a picture that could not be loaded.
std::string PictureNotice(const TBoardPicture& Picture);
