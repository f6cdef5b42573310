#include "browser/Browser.h"

#include <algorithm>
#include <cstdio>

#include "app/Global.h"
#include "platform/sys/SessionEnd.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinLabels.h"
#include "skin/controls/SkinMessage.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkin.h"
#include "skin/form/SkinForm.h"
#include "skin/product/ProductSkin.h"
#include "ui/Application.h"
#include "ui/ExtCtrls.h"
#include "ui/ImageList.h"

namespace {

enum class TEvent { Change, CloseUp, Exit, Click, UpButtonClick, DownButtonClick };

struct TEventBinding {
  const char* Control;
  TEvent Event;
  void (TBrowser::*Handler)(TObject*);
};

// Which handler each control's event runs; the preview slots' images and
// author buttons are bound by slot below.
// clang-format off
const TEventBinding kEventBindings[] = {
  {"cbxPackage",    TEvent::Change,          &TBrowser::cbxPackageChange},
  {"cbxPackage",    TEvent::CloseUp,         &TBrowser::cbxPackageCloseUp},
  {"udPageNext",    TEvent::UpButtonClick,   &TBrowser::udPageNextUpButtonClick},
  {"udPageNext",    TEvent::DownButtonClick, &TBrowser::udPageNextDownButtonClick},
  {"cbxSeverity",   TEvent::Change,          &TBrowser::cbxSeverityChange},
  {"cbxSeverity",   TEvent::CloseUp,         &TBrowser::cbxSeverityCloseUp},
  {"cbxSeverity",   TEvent::Exit,            &TBrowser::cbxSeverityExit},
  {"btnStart",      TEvent::Click,           &TBrowser::btnStartClick},
  {"btnHelp",       TEvent::Click,           &TBrowser::btnHelpClick},
  {"btnHomepage",   TEvent::Click,           &TBrowser::btnHomepageClick},
  {"bsSkinButton1", TEvent::Click,           &TBrowser::bsSkinButton1Click},
};
// clang-format on

TNotifyEvent& EventOf(TControl& Control, TEvent Event) {
  switch (Event) {
    case TEvent::Change:
      return dynamic_cast<TbsSkinComboBox&>(Control).OnChange;
    case TEvent::CloseUp:
      return dynamic_cast<TbsSkinComboBox&>(Control).OnCloseUp;
    case TEvent::Exit:
      return dynamic_cast<TWinControl&>(Control).OnExit;
    case TEvent::UpButtonClick:
      return dynamic_cast<TbsSkinUpDown&>(Control).OnUpButtonClick;
    case TEvent::DownButtonClick:
      return dynamic_cast<TbsSkinUpDown&>(Control).OnDownButtonClick;
    case TEvent::Click:
      break;
  }
  return Control.OnClick;
}

const char* const kApplicationTitleFallback = "Tilebrook(tm) - Puzzle Browser";

}  // namespace

TBrowser::TBrowser(TComponent* AOwner) : TForm(AOwner) {
  // The catalogue reports through the window from the moment it exists.
  Browser = this;
  SetName("Browser");
  SetBorderStyle(bsSingle);
  SetBorderIcons(TBorderIcons{biSystemMenu, biMinimize});
  SetPosition(poScreenCenter);
  SetColor(gfx::clBtnFace);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  Font().SetColor(gfx::clBlack);
  SetClientSize(BrowserClientWidth, BrowserClientHeight);

  bsStoredSkin1 = new TbsStoredSkin(this);
  bsStoredSkin1->SetName("bsStoredSkin1");
  try {
    ReadProductSkin(*bsStoredSkin1);
  } catch (const std::exception&) {
    // A skin that cannot be read leaves the container empty: every control
    // then draws its plain look and the window still works.
    bsStoredSkin1->SetIniStrings(std::vector<std::string>{});
  }
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->SetName("bsSkinData1");
  bsSkinData1->SetStoredSkin(bsStoredSkin1);

  CreateBrowserComponents(*this, bsSkinData1);
  bsSkinForm1 = Named<TbsSkinForm>("bsSkinForm1");
  ilstSeverity = Named<TImageList>("ilstSeverity");
  ilstPuzzles = Named<TImageList>("ilstPuzzles");
  dlgMessage = Named<TbsSkinMessage>("dlgMessage");
  msgDialog = Named<TbsSkinMessage>("msgDialog");
  bsSkinLinkImage1 = Named<TbsSkinLinkImage>("bsSkinLinkImage1");
  lblMore = Named<TbsSkinLinkLabel>("lblMore");
  lblCal = Named<TbsSkinLinkLabel>("lblCal");
  lblNewsletter = Named<TbsSkinLinkLabel>("lblNewsletter");
  lblStatus = Named<TbsSkinStdLabel>("lblStatus");
  bsSkinStdLabel1 = Named<TbsSkinStdLabel>("bsSkinStdLabel1");
  lblPuzzles = Named<TbsSkinStdLabel>("lblPuzzles");
  lblPuzzlePage = Named<TbsSkinStdLabel>("lblPuzzlePage");
  bsSkinStdLabel2 = Named<TbsSkinStdLabel>("bsSkinStdLabel2");
  cbxSeverity = Named<TbsSkinComboBox>("cbxSeverity");
  cbxPackage = Named<TbsSkinComboBox>("cbxPackage");
  udPageNext = Named<TbsSkinUpDown>("udPageNext");
  btnStart = Named<TbsSkinButton>("btnStart");
  btnHomepage = Named<TbsSkinButton>("btnHomepage");
  btnHelp = Named<TbsSkinButton>("btnHelp");
  bsSkinButton1 = Named<TbsSkinButton>("bsSkinButton1");
  for (int s = 0; s < SlotCount; ++s) {
    Images[s] = Named<TImage>(BrowserSlots[s].Image);
    Bevels[s] = Named<TbsSkinBevel>(BrowserSlots[s].Bevel);
    AuthorButtons[s] = Named<TbsSkinButton>(BrowserSlots[s].AuthorButton);
  }
  // The keyboard starts at the package box, the first stop of the Tab order.
  SetActiveControl(cbxPackage);
  BindEvents();
}

TBrowser::~TBrowser() {
  FPackages.reset();
  if (Browser == this)
    Browser = nullptr;
}

template <class T>
T* TBrowser::Named(const std::string& Name) const {
  return &dynamic_cast<T&>(*FindComponent(Name));
}

void TBrowser::BindEvents() {
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
  OnActivate = [this](TObject* Sender) { FormActivate(Sender); };
  OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
  for (const TEventBinding& b : kEventBindings) {
    auto handler = b.Handler;
    EventOf(*Named<TControl>(b.Control), b.Event) = [this, handler](TObject* Sender) {
      (this->*handler)(Sender);
    };
  }
  for (int s = 0; s < SlotCount; ++s) {
    Images[s]->OnClick = [this, s](TObject*) { ImageClick(s); };
    Images[s]->OnDblClick = [this, s](TObject*) { ImageDblClick(s); };
    AuthorButtons[s]->OnClick = [this, s](TObject*) { CopyClick(s); };
  }
}

void TBrowser::FormCreate(TObject*) {
  if (Application == nullptr) {
    SetCaption(std::string(kApplicationTitleFallback) + " " + FileVersionText());
    return;
  }
  Application->SetTitle(Application->Title() + " " + FileVersionText());
  SetCaption(Application->Title());
}

void TBrowser::ShowNotice(const std::string& Text) {
  // While the program is being ended from outside nobody can answer a
  // notice (the display may be gone); the text goes to standard error.
  if (sys::SessionEnding()) {
    std::string line = Text;
    std::replace(line.begin(), line.end(), '\r', '\n');
    std::fprintf(stderr, "%s\n", line.c_str());
    return;
  }
  // A custom notice: no icon, the application's title as its caption, and
  // one OK button that Enter and Escape press as well.
  dlgMessage->ShowMessageDialog(Text, mtCustom, TMsgDlgButtons{mbOK}, 0);
}
