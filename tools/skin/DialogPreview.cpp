#include "DialogPreview.h"

#include "SkinPreview.h"

#include <memory>

#include "platform/win/VirtualKeys.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinMessage.h"
#include "skin/form/SkinHint.h"
#include "skin/form/SkinMenu.h"
#include "skin/form/SkinPopupWindow.h"
#include "ui/Application.h"
#include "ui/Menus.h"

namespace {

struct NoticeSample {
  const char* Label;
  TMsgDlgType Kind;
  TMsgDlgButtons Buttons;
  const char* Text;
};

const NoticeSample kNotices[] = {
    {"Warning", mtWarning, {mbYes, mbNo, mbCancel}, "Save the changes to the package?"},
    {"Error", mtError, {mbAbort, mbRetry, mbIgnore}, "The puzzle could not be started."},
    {"Information", mtInformation, {mbOK}, "All puzzles of this page are solved."},
    {"Confirm", mtConfirmation, {mbYes, mbNo}, "Start the puzzle at Maniac?"},
    {"Notice",
     mtCustom,
     {mbOK},
     "The package \"Brook Stones\" cannot be read.\r\rDas Paket \"Brook Stones\" kann nicht "
     "gelesen werden."},
};

// A menu like the program's, with a submenu, a check mark, a disabled item,
// separators and a shortcut.
void FillSampleMenu(TPopupMenu& menu) {
  auto add = [&menu](TMenuItem& parent, const std::string& caption) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    parent.Add(item);
    return item;
  };
  TMenuItem& root = menu.Items();
  add(root, "&Open package");
  TMenuItem* recent = add(root, "&Recent");
  for (const char* name : {"Brook Stones", "Cedar Tiles", "Mill Wheels"})
    add(*recent, name);
  add(root, "-");
  add(root, "&Severity: Expert")->SetChecked(true);
  add(root, "Not available")->SetEnabled(false);
  add(root, "-");
  add(root, "&Close")->SetShortCut(TextToShortCut("Alt+F4"));
}

}  // namespace

void AddDialogTriggers(TForm* Form, TbsSkinData* Skin, int Y) {
  auto* message = new TbsSkinMessage(Form);
  message->SetSkinData(Skin);
  message->SetCtrlSkinData(Skin);
  auto* hint = new TbsSkinHint(Form);
  hint->SetSkinData(Skin);
  auto* menu = new TPopupMenu(Form);
  FillSampleMenu(*menu);
  auto* engine = new TbsSkinMenu(Form, Form);
  int x = 10;
  for (const NoticeSample& sample : kNotices) {
    auto* button = new TbsSkinButton(Form);
    button->SetParent(Form);
    button->SetCaption(sample.Label);
    button->SetBounds(x, Y, 84, 25);
    button->SetHint(std::string("Shows a notice: ") + sample.Label);
    button->SetShowHint(true);
    button->OnClick = [message, &sample](TObject*) {
      message->ShowMessageDialog(sample.Text, sample.Kind, sample.Buttons);
    };
    button->SetSkinData(Skin);
    x += 92;
  }
  auto* open = new TbsSkinButton(Form);
  open->SetParent(Form);
  open->SetCaption("Menu");
  open->SetBounds(x, Y, 84, 25);
  open->SetHint("Opens a menu with a submenu");
  open->SetShowHint(true);
  open->OnClick = [open, menu, engine, Skin](TObject*) {
    const TPoint at = open->ClientToScreen({0, 0});
    engine->PopupAt(nullptr, Skin, false, &menu->Items(),
                    {at.x, at.y, at.x + open->Width(), at.y + open->Height()}, 0);
  };
  open->SetSkinData(Skin);
}

bool SaveDialogsScreenshot(TbsSkinData* Skin, const std::string& Path) {
  win::HeadlessDesktop headless(
      win::HeadlessOptions{.screen = {1000, 560}, .workArea = {}, .otherMonitors = {}});
  TScreen screen;
  TApplication application;
  application.SetTitle("Tilebrook(tm) - Puzzle Browser");
  // The main form carries the hint component, as a program would.
  auto* main = new TForm(&application);
  application.AddForm(main);
  auto* hint = new TbsSkinHint(main);
  hint->SetSkinData(Skin);
  TbsMessageFormStyle style;
  style.SkinData = Skin;
  style.CtrlSkinData = Skin;
  std::vector<std::unique_ptr<TbsMessageForm>> notices;
  const gfx::Point places[] = {{20, 20}, {20, 160}, {20, 300}, {20, 420}, {400, 300}};
  for (int i = 0; i < 5; ++i) {
    const NoticeSample& sample = kNotices[i];
    notices.emplace_back(BuildMessageForm(sample.Text, sample.Kind, sample.Buttons, style));
    TbsMessageForm& notice = *notices.back();
    notice.SetPosition(poDesigned);
    notice.SetBounds(places[i].x, places[i].y, notice.Width(), notice.Height());
    notice.Show();
  }
  application.ProcessMessages();
  hint->HintWindow().ActivateHint({420, 230, 420, 230}, "A skinned hint");
  TPopupMenu menu(nullptr);
  FillSampleMenu(menu);
  TbsSkinMenu engine(nullptr, notices.back().get());
  engine.PopupAt(nullptr, Skin, false, &menu.Items(), {620, 20, 620, 20}, 0);
  // Down to "Recent", Right opens its submenu; the highlight fades in.
  engine.HandleMenuKey(win::VK_DOWN);
  engine.HandleMenuKey(win::VK_RIGHT);
  SettleHeadless(headless, application);
  const bool saved = headless.Backend().SaveScreenshot(Path);
  engine.CloseAllLevels();
  notices.clear();
  return saved;
}
