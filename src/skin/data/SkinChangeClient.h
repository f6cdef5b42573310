#pragma once

// How a skin change reaches the skinned controls of a form. A control that
// draws from a skin container implements TbsSkinChangeClient; the form's
// frame walks its control tree when the container announces a change and
// tells every client bound to that container to let go of its record before
// the old skin goes, and to look it up again once the new one is complete.
// The frame never needs to know the control classes.

class TControl;
class TbsSkinData;

class TbsSkinChangeClient {
 public:
  // The container the control draws from, or null.
  virtual TbsSkinData* SkinChangeContainer() const = 0;
  // The container is about to be cleared: drop the record.
  virtual void SkinChangeBegin() = 0;
  // The container holds a new skin: look the record up again and repaint.
  virtual void SkinChangeApply() = 0;

 protected:
  ~TbsSkinChangeClient() = default;
};

// Walks the controls of `root` (the root first, then depth first, every
// control before its children). On SkinChangeBeginMessage the clients bound
// to `container` drop their records; on SkinChangedMessage the clients bound
// to it (every client when `container` is null) read theirs again. Other
// messages do nothing.
void NotifySkinControls(TControl* root, unsigned message, TbsSkinData* container);
