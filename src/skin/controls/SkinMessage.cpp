#include "skin/controls/SkinMessage.h"

#include <algorithm>
#include <array>
#include <memory>

#include "platform/win/Win.h"
#include "skin/controls/MessageIcons.h"
#include "skin/controls/SkinButton.h"
#include "skin/form/SkinForm.h"
#include "ui/Application.h"

namespace {

struct ButtonInfo {
  std::string name;
  std::string caption;
  TModalResult result;
};

const std::array<ButtonInfo, 11>& ButtonTable() {
  static const std::array<ButtonInfo, 11> table{{
      {"Yes", "&Yes", mrYes},
      {"No", "&No", mrNo},
      {"OK", "OK", mrOk},
      {"Cancel", "Cancel", mrCancel},
      {"Abort", "&Abort", mrAbort},
      {"Retry", "&Retry", mrRetry},
      {"Ignore", "&Ignore", mrIgnore},
      {"All", "&All", mrAll},
      {"NoToAll", "N&oToAll", mrNoToAll},
      {"YesToAll", "&YesToAll", mrYesToAll},
      {"Help", "&Help", mrNone},
  }};
  return table;
}

const ButtonInfo& InfoOf(TMsgDlgBtn Button) {
  return ButtonTable().at(static_cast<std::size_t>(Button));
}

// The skin's button height when its button record can give one, else the
// plain button's.
int ButtonHeight(const TbsSkinData* skin, const std::string& name) {
  if (skin == nullptr || skin->Empty)
    return msgdlg::kDefaultButtonHeight;
  const int i = skin->IndexOfControlRecord(name);
  if (i < 0)
    return msgdlg::kDefaultButtonHeight;
  const auto* record = dynamic_cast<const TbsDataSkinButtonControl*>(skin->ControlRecords[i].get());
  if (record == nullptr)
    return msgdlg::kDefaultButtonHeight;
  return record->skinrect.Height();
}

TRect WorkArea() {
  if (Screen)
    return Screen->WorkAreaRect();
  gfx::Rect r;
  win::SystemParametersInfo(win::SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

// The window a dialog belongs to: the active one of ours, else the main
// form; none before the main window exists.
win::HWND DialogOwner() {
  win::HWND active = win::GetActiveWindow();
  if (active && win::IsWindowVisible(active))
    return active;
  if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated() &&
      Application->MainForm()->Visible())
    return Application->MainForm()->Handle();
  return {};
}

}  // namespace

const std::string& MessageKindCaption(TMsgDlgType Kind) {
  static const std::array<std::string, 5> captions{"Warning", "Error", "Information", "Confirm",
                                                   ""};
  return captions.at(static_cast<std::size_t>(Kind));
}

const std::string& MessageButtonName(TMsgDlgBtn Button) {
  return InfoOf(Button).name;
}

const std::string& MessageButtonCaption(TMsgDlgBtn Button) {
  return InfoOf(Button).caption;
}

TModalResult MessageButtonResult(TMsgDlgBtn Button) {
  return InfoOf(Button).result;
}

// -- TbsMessageForm -------------------------------------------------------------

TbsMessageForm::TbsMessageForm(TComponent* AOwner) : TForm(AOwner) {}

void TbsMessageForm::HelpPressed(TObject*) {
  // The program has no help system; the button only stays open for one.
}

TbsSkinButton* TbsMessageForm::Button(TMsgDlgBtn Which) const {
  return dynamic_cast<TbsSkinButton*>(FindComponent(MessageButtonName(Which)));
}

void TbsMessageForm::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  // A dialog stays above the window it speaks for; the window system
  // treats it as that window's transient dialog.
  Params.WndParent = DialogOwner();
}

void TbsMessageForm::DoShow() {
  // Centred on the screen, but never past the work area, so that the
  // buttons of a tall dialog stay reachable above a panel.
  const TRect area = WorkArea();
  const int left = std::clamp(Left(), area.left, std::max(area.left, area.right - Width()));
  const int top = std::clamp(Top(), area.top, std::max(area.top, area.bottom - Height()));
  if (left != Left() || top != Top())
    SetBounds(left, top, Width(), Height());
  TForm::DoShow();
}

// -- Building -----------------------------------------------------------------

TbsMessageForm* BuildMessageForm(const std::string& Text, TMsgDlgType Kind, TMsgDlgButtons Buttons,
                                 const TbsMessageFormStyle& Style) {
  using namespace msgdlg;
  auto form = std::make_unique<TbsMessageForm>(Application);
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetKeyPreview(true);
  // The frame takes the border icons away; a window made without them
  // need not be made again when it does.
  form->SetBorderIcons({});
  // The frame takes over a window that exists.
  form->HandleNeeded();
  auto* frame = new TbsSkinForm(form.get());
  frame->SetBorderIcons({});
  frame->SetSkinData(Style.SkinData);
  frame->SetMenusSkinData(Style.CtrlSkinData);
  frame->SetAlphaBlend(Style.AlphaBlend);
  frame->SetAlphaBlendAnimation(Style.AlphaBlendAnimation);
  frame->SetAlphaBlendValue(Style.AlphaBlendValue);
  form->FSkinForm = frame;

  const int buttonHeight = ButtonHeight(Style.CtrlSkinData, Style.ButtonSkinDataName);
  int count = 0;
  for (int b = mbYes; b <= mbHelp; ++b)
    if (Buttons.Contains(static_cast<TMsgDlgBtn>(b)))
      ++count;
  const int rowWidth = count == 0 ? 0 : count * kButtonWidth + (count - 1) * kButtonGap;

  const int screenWidth = win::GetSystemMetrics(win::SM_CXSCREEN);
  const int screenHeight = win::GetSystemMetrics(win::SM_CYSCREEN);
  form->SetBounds(screenWidth / 2 - form->Width() / 2, screenHeight / 2 - form->Height() / 2,
                  form->Width(), form->Height());
  if (Kind == mtCustom)
    form->SetCaption(Application ? Application->Title() : std::string());
  else
    form->SetCaption(MessageKindCaption(Kind));

  auto* label = new TbsSkinStdLabel(form.get());
  // Measured once, when everything it is measured by is set.
  label->SetAutoSize(false);
  if (Style.DefaultFont != nullptr) {
    label->Font().Assign(*Style.DefaultFont);
    label->SetDefaultFont(*Style.DefaultFont);
  }
  label->SetUseSkinFont(Style.UseSkinFont);
  label->SetSkinDataName(Style.MessageLabelSkinDataName);
  label->SetSkinData(Style.CtrlSkinData);
  label->SetName("Message");
  label->SetParent(form.get());
  label->SetCaption(Text);
  label->SetAutoSize(true);
  label->SetBounds(kLabelLeft, kLabelTop, label->Width(), label->Height());
  form->FMessage = label;

  // However long the text, the dialog stays within the work area: the
  // label is cut to what fits beside the margins and above the buttons.
  const TRect area = WorkArea();
  const int frameWidth = form->Width() - form->ClientWidth();
  const int frameHeight = form->Height() - form->ClientHeight();
  const int maxLabelWidth = std::max(0, area.Width() - frameWidth - kLabelLeft - kWidthMargin);
  const int maxLabelHeight =
      std::max(0, area.Height() - frameHeight - buttonHeight - kHeightMargin);
  if (label->Width() > maxLabelWidth || label->Height() > maxLabelHeight) {
    label->SetAutoSize(false);
    label->SetBounds(kLabelLeft, kLabelTop, std::min(label->Width(), maxLabelWidth),
                     std::min(label->Height(), maxLabelHeight));
  }
  const int textRight = label->Left() + label->Width();

  auto* image = new TImage(form.get());
  image->SetName("Image");
  image->SetParent(form.get());
  if (const gfx::Bitmap* icon = StandardMessageIcon(Kind)) {
    image->Picture().Bitmap().SetPixels(icon->Clone());
    image->SetTransparent(true);
  }
  const int iconTop = std::max(kIconMinTop, label->Top() + label->Height() / 2 - kIconSize / 2);
  image->SetBounds(kIconLeft, iconTop, kIconSize, kIconSize);
  form->FImage = image;

  const int clientHeight = buttonHeight + label->Height() + kHeightMargin;
  const int clientWidth = rowWidth < textRight ? textRight + kWidthMargin : rowWidth + kWidthMargin;
  form->SetClientSize(clientWidth, clientHeight);
  const int maxWidth = frame->WorkArea(frame->MaximizeOnFullScreen()).Width();
  if (maxWidth < form->Width())
    form->SetBounds(form->Left(), form->Top(), maxWidth, form->Height());
  else if (frame->MinFrameWidth() > form->Width())
    form->SetBounds(form->Left(), form->Top(), frame->MinFrameWidth(), form->Height());

  const TMsgDlgBtn defaultButton = Buttons.Contains(mbOK)    ? mbOK
                                   : Buttons.Contains(mbYes) ? mbYes
                                                             : mbRetry;
  const TMsgDlgBtn cancelButton = Buttons.Contains(mbCancel) ? mbCancel
                                  : Buttons.Contains(mbNo)   ? mbNo
                                                             : mbOK;
  int x = (form->ClientWidth() - rowWidth) / 2;
  const int y = form->ClientHeight() - buttonHeight - kButtonBottomGap;
  TbsMessageForm* raw = form.get();
  for (int b = mbYes; b <= mbHelp; ++b) {
    const auto which = static_cast<TMsgDlgBtn>(b);
    if (!Buttons.Contains(which))
      continue;
    auto* button = new TbsSkinButton(raw);
    button->SetParent(raw);
    button->SetName(MessageButtonName(which));
    button->SetCaption(MessageButtonCaption(which));
    button->SetModalResult(MessageButtonResult(which));
    button->SetCanFocused(true);
    button->SetDefault(which == defaultButton);
    button->SetCancel(which == cancelButton);
    button->SetDefaultHeight(buttonHeight);
    button->SetBounds(x, y, kButtonWidth, buttonHeight);
    if (Style.DefaultButtonFont != nullptr)
      button->SetDefaultFont(*Style.DefaultButtonFont);
    button->SetUseSkinFont(Style.UseSkinFont);
    if (which == mbHelp)
      button->OnClick = [raw](TObject* Sender) { raw->HelpPressed(Sender); };
    button->SetSkinDataName(Style.ButtonSkinDataName);
    button->SetSkinData(Style.CtrlSkinData);
    x += kButtonWidth + kButtonGap;
  }
  return form.release();
}

// -- TbsSkinMessage -------------------------------------------------------------

TbsSkinMessage::TbsSkinMessage(TComponent* AOwner) : TComponent(AOwner) {
  for (TFont* font : {&FDefaultFont, &FDefaultButtonFont}) {
    font->SetName("Arial");
    font->SetHeight(14);
  }
}

TbsSkinMessage::~TbsSkinMessage() {
  SetSkinData(nullptr);
  SetCtrlSkinData(nullptr);
}

void TbsSkinMessage::SetSkinData(TbsSkinData* Value) {
  if (FSD != nullptr && FSD != FCtrlSD)
    FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD != nullptr)
    FSD->FreeNotification(this);
}

void TbsSkinMessage::SetCtrlSkinData(TbsSkinData* Value) {
  if (FCtrlSD != nullptr && FCtrlSD != FSD)
    FCtrlSD->RemoveFreeNotification(this);
  FCtrlSD = Value;
  if (FCtrlSD != nullptr)
    FCtrlSD->FreeNotification(this);
}

void TbsSkinMessage::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove)
    return;
  if (AComponent == FSD)
    FSD = nullptr;
  if (AComponent == FCtrlSD)
    FCtrlSD = nullptr;
}

TbsMessageFormStyle TbsSkinMessage::Style() const {
  TbsMessageFormStyle s;
  s.AlphaBlend = AlphaBlend;
  s.AlphaBlendAnimation = AlphaBlendAnimation;
  s.AlphaBlendValue = AlphaBlendValue;
  s.UseSkinFont = UseSkinFont;
  s.DefaultButtonFont = &FDefaultButtonFont;
  s.DefaultFont = &FDefaultFont;
  s.MessageLabelSkinDataName = MessageLabelSkinDataName;
  s.ButtonSkinDataName = ButtonSkinDataName;
  s.CtrlSkinData = FCtrlSD;
  s.SkinData = FSD;
  return s;
}

TModalResult TbsSkinMessage::ShowMessageDialog(const std::string& Text, TMsgDlgType Kind,
                                               TMsgDlgButtons Buttons, int HelpContext) {
  // Freed however the modal loop ends.
  std::unique_ptr<TbsMessageForm> form(BuildMessageForm(Text, Kind, Buttons, Style()));
  form->HelpContext = HelpContext;
  return form->ShowModal();
}
