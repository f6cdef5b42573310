#include "skin/data/SkinChangeClient.h"

#include "skin/data/SkinData.h"
#include "ui/WinControl.h"

void NotifySkinControls(TControl* root, unsigned message, TbsSkinData* container) {
  if (root == nullptr)
    return;
  if (auto* client = dynamic_cast<TbsSkinChangeClient*>(root)) {
    TbsSkinData* bound = client->SkinChangeContainer();
    if (message == SkinChangeBeginMessage && bound != nullptr && bound == container)
      client->SkinChangeBegin();
    else if (message == SkinChangedMessage && (container == nullptr || bound == container))
      client->SkinChangeApply();
  }
  auto* parent = dynamic_cast<TWinControl*>(root);
  if (parent == nullptr)
    return;
  // A client may change the tree while it repaints; walk by index.
  for (int i = 0; i < parent->ControlCount(); ++i)
    NotifySkinControls(parent->Controls(i), message, container);
}
