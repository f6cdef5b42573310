#pragma once

// TbsSkinMessage: the program's message dialog. Each call builds a small
// modal form with a text, the icon of its kind and a row of buttons, all
// drawn with the skin (the frame by the skin's window frame, the text by a
// skinned label, the buttons by skinned buttons), shows it, and frees it
// again, so dialogs never share state.

#include <string>

#include "skin/controls/SkinLabels.h"
#include "skin/data/SkinData.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"

class TbsSkinButton;
class TbsSkinForm;

enum TMsgDlgType : int { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// In the order the buttons stand in a dialog, left to right.
enum TMsgDlgBtn {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp
};
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// The layout of a message dialog, in pixels.
namespace msgdlg {
inline constexpr int kButtonWidth = 60;
inline constexpr int kDefaultButtonHeight = 25;
inline constexpr int kButtonGap = 10;
inline constexpr int kLabelLeft = 50;
inline constexpr int kLabelTop = 15;
inline constexpr int kIconLeft = 5;
inline constexpr int kIconSize = 32;
inline constexpr int kIconMinTop = 10;
inline constexpr int kWidthMargin = 40;
inline constexpr int kHeightMargin = 50;
inline constexpr int kButtonBottomGap = 10;
}  // namespace msgdlg

// The caption of a kind ("Warning", "Error", "Information", "Confirm");
// empty for mtCustom, which takes the application's title.
const std::string& MessageKindCaption(TMsgDlgType Kind);
// The component name, caption and modal result of a button.
const std::string& MessageButtonName(TMsgDlgBtn Button);
const std::string& MessageButtonCaption(TMsgDlgBtn Button);
TModalResult MessageButtonResult(TMsgDlgBtn Button);

// Everything a dialog is built from besides its text, kind and buttons.
struct TbsMessageFormStyle {
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  unsigned char AlphaBlendValue = 200;
  bool UseSkinFont = true;
  const TFont* DefaultButtonFont = nullptr;
  const TFont* DefaultFont = nullptr;
  std::string MessageLabelSkinDataName = "stdlabel";
  std::string ButtonSkinDataName = "button";
  TbsSkinData* CtrlSkinData = nullptr;
  TbsSkinData* SkinData = nullptr;
};

class TbsMessageForm : public TForm {
 public:
  explicit TbsMessageForm(TComponent* AOwner);

  // The click handler of the Help button.
  void HelpPressed(TObject* Sender);

  TbsSkinStdLabel* Message() const { return FMessage; }
  TImage* Image() const { return FImage; }
  TbsSkinForm* SkinForm() const { return FSkinForm; }
  // The button with that component name, or null.
  TbsSkinButton* Button(TMsgDlgBtn Which) const;
  int HelpContext = 0;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void DoShow() override;

 private:
  friend TbsMessageForm* BuildMessageForm(const std::string& Text, TMsgDlgType Kind,
                                          TMsgDlgButtons Buttons, const TbsMessageFormStyle& Style);
  TbsSkinForm* FSkinForm = nullptr;
  TbsSkinStdLabel* FMessage = nullptr;
  TImage* FImage = nullptr;
};

// A new dialog, not yet shown; the caller owns it (it is also owned by the
// application, so it is freed at the end at the latest).
TbsMessageForm* BuildMessageForm(const std::string& Text, TMsgDlgType Kind, TMsgDlgButtons Buttons,
                                 const TbsMessageFormStyle& Style);

class TbsSkinMessage : public TComponent {
 public:
  explicit TbsSkinMessage(TComponent* AOwner);
  ~TbsSkinMessage() override;

  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  unsigned char AlphaBlendValue = 200;
  TbsSkinData* SkinData() const { return FSD; }
  void SetSkinData(TbsSkinData* Value);
  TbsSkinData* CtrlSkinData() const { return FCtrlSD; }
  void SetCtrlSkinData(TbsSkinData* Value);
  std::string ButtonSkinDataName = "button";
  std::string MessageLabelSkinDataName = "stdlabel";
  TFont& DefaultFont() { return FDefaultFont; }
  void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
  TFont& DefaultButtonFont() { return FDefaultButtonFont; }
  void SetDefaultButtonFont(const TFont& Value) { FDefaultButtonFont.Assign(Value); }
  bool UseSkinFont = true;

  // Shows the dialog modally and returns the result it was closed with.
  TModalResult ShowMessageDialog(const std::string& Text, TMsgDlgType Kind, TMsgDlgButtons Buttons,
                                 int HelpContext = 0);
  TbsMessageFormStyle Style() const;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TbsSkinData* FSD = nullptr;
  TbsSkinData* FCtrlSD = nullptr;
  TFont FDefaultFont;
  TFont FDefaultButtonFont;
};
