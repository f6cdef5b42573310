// Feeds arbitrary skin texts to the skin data container, then writes every
// record back and reads it again. A damaged text must give an empty
// container or the conversion error, never a crash or an unbounded
// allocation.

#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/SkinData.h"
#include "skin/data/SkinStreams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TbsStoredSkin stored(nullptr);
  stored.SetIniStrings(SplitLines(std::span(data, size)));
  TbsSkinData skin(nullptr);
  try {
    skin.ApplyStoredSkin(&stored);
  } catch (const TbsConvertError&) {
    return 0;
  }

  TbsSkinIni written;
  skin.PopupWindowRecord->SaveToIni(written);
  skin.HintWindowRecord->SaveToIni(written);
  for (auto& record : skin.ObjectRecords)
    record->SaveToIni(written);
  for (auto& record : skin.ControlRecords)
    record->SaveToIni(written);
  TbsSkinIni reread(written.GetText());
  try {
    for (auto& record : skin.ObjectRecords)
      record->LoadFromIni(reread);
    for (auto& record : skin.ControlRecords)
      record->LoadFromIni(reread);
  } catch (const TbsConvertError&) {
    // A record whose name only differs by blanks reads a section that its
    // trimmed name does not find; that is a text problem, not a fault.
  }
  return 0;
}
