#pragma once

// The skin preview: a form with every skinned control of the browser
// window and its notices, live to try and, beside them, drawn in each of
// their looks (normal, hot, pressed, focused, disabled, the combo box open,
// a list with a scroll bar), inside the skin's window frame, so a skin
// author sees the whole skin at once.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinData.h"
#include "ui/Form.h"

class TbsSkinButton;
class TbsSkinComboBox;

class TSkinPreviewForm : public TForm {
 public:
  // Draws from skin, or in the plain looks when skin is null. The skin is
  // not owned and must outlive the form.
  TSkinPreviewForm(TComponent* AOwner, TbsSkinData* Skin);

 private:
  void AddCaption(int X, int Y, const std::string& Text);
  void AddButtonLooks(int Y, const std::string& Record, int Width, int Height);
  void AddComboAndListLooks(int Y);
  void AddBarAndUpDownLooks(int Y);
  void AddLabelsAndBevel(int Y);

  TbsSkinData* FSkin;
};

namespace win {
class HeadlessDesktop;
}
class TApplication;

// The skin of SOURCE, or the product skin without one; null, after saying
// why on the error output, when it cannot be loaded or is refused.
std::unique_ptr<TbsSkinData> LoadShownSkin(const std::string& source);

// Shows the form `make` builds: on the display until it is closed, or,
// with a screenshot file, drawn headless into that file (`shown` runs once
// the form is shown). Returns the command's exit status.
int ShowToolForm(const std::string& title, const std::string& screenshot,
                 const std::function<TForm*(TApplication&)>& make,
                 const std::function<void(TApplication&)>& shown = {});

// Lets a headless run handle its messages and 300 ms of timers, so that
// fades (the caption's activation among them) have ended before a
// screenshot.
void SettleHeadless(win::HeadlessDesktop& headless, TApplication& application);

// tilebrook-skin preview [--plain] [--screenshot FILE.png] [--dialogs FILE.png] [SOURCE]
int PreviewCommand(const std::vector<std::string>& args);
