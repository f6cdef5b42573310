#include "skin/form/SkinPopupMenu.h"

#include "skin/form/SkinForm.h"
#include "skin/form/SkinMenu.h"

TbsSkinPopupMenu::TbsSkinPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}

TbsSkinPopupMenu::~TbsSkinPopupMenu() {
  SetSkinData(nullptr);
  SetComponentForm(nullptr);
}

void TbsSkinPopupMenu::SetSkinData(TbsSkinData* Value) {
  if (FSD != nullptr)
    FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD != nullptr)
    FSD->FreeNotification(this);
}

void TbsSkinPopupMenu::SetComponentForm(TCustomForm* Value) {
  if (FComponentForm != nullptr)
    FComponentForm->RemoveFreeNotification(this);
  FComponentForm = Value;
  if (FComponentForm != nullptr)
    FComponentForm->FreeNotification(this);
}

void TbsSkinPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TPopupMenu::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove)
    return;
  if (AComponent == FSD)
    FSD = nullptr;
  if (AComponent == FComponentForm)
    FComponentForm = nullptr;
  if (AComponent == FOwnEngine) {
    if (FEngine == FOwnEngine)
      FEngine = nullptr;
    FOwnEngine = nullptr;
  }
}

TCustomForm* TbsSkinPopupMenu::FindForm() const {
  if (FComponentForm != nullptr)
    return FComponentForm;
  if (auto* form = dynamic_cast<TCustomForm*>(Owner()))
    return form;
  if (Owner() != nullptr)
    return dynamic_cast<TCustomForm*>(Owner()->Owner());
  return nullptr;
}

void TbsSkinPopupMenu::Popup(int X, int Y) {
  DoPopup();
  TCustomForm* form = FindForm();
  TbsSkinForm* frame = TbsSkinForm::FrameOf(form);
  TbsSkinData* container = FSD;
  if (container == nullptr && frame != nullptr)
    container = frame->MenusSkinData() != nullptr ? frame->MenusSkinData() : frame->SkinData();
  if (frame != nullptr) {
    FEngine = &frame->SkinMenu();
    frame->MarkMenuOpen();
  } else {
    if (FOwnEngine == nullptr) {
      FOwnEngine = new TbsSkinMenu(this, form);
      FOwnEngine->FreeNotification(this);
    }
    FEngine = FOwnEngine;
  }
  FEngine->PopupAt(nullptr, container, false, &Items(), {X, Y, X, Y}, 0);
  if (frame != nullptr && !FEngine->IsOpen())
    frame->SkinMenuClosed();
}
