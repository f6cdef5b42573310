#include "skin/controls/MessageIcons.h"

#include "skin/controls/SkinMessage.h"

const gfx::Bitmap* StandardMessageIcon(TMsgDlgType) {
  return nullptr;
}
