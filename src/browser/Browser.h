#pragma once

// TBrowser: the program's one window. It shows one package at a time and,
// of it, a page of up to six puzzle previews; the player picks a puzzle and
// a severity and starts the puzzle's executable. Every control sits at a
// fixed place over the background picture (see BrowserDesign.h) and is drawn
// by the skin the window carries. Every handler that changes the selection
// ends in ShowPackage, which brings every control up to date at once.

#include <array>
#include <memory>
#include <string>

#include "browser/BrowserDesign.h"
#include "browser/PuzzleStarter.h"
#include "catalogue/Notices.h"
#include "catalogue/PackageList.h"
#include "ui/Form.h"

class TbsSkinBevel;
class TbsSkinButton;
class TbsSkinComboBox;
class TbsSkinData;
class TbsSkinForm;
class TbsSkinLinkImage;
class TbsSkinLinkLabel;
class TbsSkinMessage;
class TbsSkinStdLabel;
class TbsSkinUpDown;
class TbsStoredSkin;
class TImage;
class TImageList;

class TBrowser : public TForm, public TNoticeTarget {
 public:
  explicit TBrowser(TComponent* AOwner);
  ~TBrowser() override;

  // Tells the player something and returns when the notice is dismissed.
  void ShowNotice(const std::string& Text) override;

  // Reads the browser settings and builds the package list; called once at
  // start-up, before the window is shown.
  void LoadSettings();

  // Brings every control up to date from the current package and puzzle.
  void ShowPackage();
  // Fills one preview slot with the preview of puzzle Index (0-based).
  void LoadPreview(TImage* Image, TbsSkinBevel* Bevel, int Index, TbsSkinButton* AuthorButton);
  // Makes the puzzle in Slot of the page shown the current one.
  void SelectSlot(int Slot);
  // Shows title, author and publisher of puzzle Index of the current
  // package.
  void ShowPuzzleDetails(int Index);

  // Handlers, bound to their controls' events when the window is made.
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void cbxPackageChange(TObject* Sender);
  void cbxPackageCloseUp(TObject* Sender);
  void udPageNextUpButtonClick(TObject* Sender);
  void udPageNextDownButtonClick(TObject* Sender);
  void ImageClick(int Slot);
  void ImageDblClick(int Slot);
  void cbxSeverityChange(TObject* Sender);
  void cbxSeverityCloseUp(TObject* Sender);
  void cbxSeverityExit(TObject* Sender);
  void btnStartClick(TObject* Sender);
  void CopyClick(int Slot);
  void btnHelpClick(TObject* Sender);
  void btnHomepageClick(TObject* Sender);
  void bsSkinButton1Click(TObject* Sender);

  // The browser settings file: the running executable's name with its
  // extension replaced by ".ini", in the program directory.
  static std::string SettingsFileName();

  // State, read by tests.
  TPackageList* Packages() const { return FPackages.get(); }
  int CurrentPackage() const { return FCurrentPackage; }
  int CurrentPuzzle() const { return FCurrentPuzzle; }
  int PageFirst() const { return FPageFirst; }
  int PageLast() const { return FPageLast; }
  bool FirstRun() const { return FFirstRun; }

  // How puzzle executables are started; tests record instead.
  TPuzzleStarter StartPuzzle = StartPuzzleProgram;

  // The window's components, as its design names them.
  TbsSkinForm* bsSkinForm1 = nullptr;
  TbsSkinData* bsSkinData1 = nullptr;
  TbsStoredSkin* bsStoredSkin1 = nullptr;
  TImageList* ilstSeverity = nullptr;
  TImageList* ilstPuzzles = nullptr;
  TbsSkinMessage* dlgMessage = nullptr;
  TbsSkinMessage* msgDialog = nullptr;
  TbsSkinLinkImage* bsSkinLinkImage1 = nullptr;
  TbsSkinLinkLabel* lblMore = nullptr;
  TbsSkinLinkLabel* lblCal = nullptr;
  TbsSkinLinkLabel* lblNewsletter = nullptr;
  TbsSkinStdLabel* lblStatus = nullptr;
  TbsSkinStdLabel* bsSkinStdLabel1 = nullptr;
  TbsSkinStdLabel* lblPuzzles = nullptr;
  TbsSkinStdLabel* lblPuzzlePage = nullptr;
  TbsSkinStdLabel* bsSkinStdLabel2 = nullptr;
  TbsSkinComboBox* cbxSeverity = nullptr;
  TbsSkinComboBox* cbxPackage = nullptr;
  TbsSkinUpDown* udPageNext = nullptr;
  TbsSkinButton* btnStart = nullptr;
  TbsSkinButton* btnHomepage = nullptr;
  TbsSkinButton* btnHelp = nullptr;
  TbsSkinButton* bsSkinButton1 = nullptr;
  // Slot s: its image, bevel and author button.
  std::array<TImage*, SlotCount> Images{};
  std::array<TbsSkinBevel*, SlotCount> Bevels{};
  std::array<TbsSkinButton*, SlotCount> AuthorButtons{};

 private:
  template <class T>
  T* Named(const std::string& Name) const;
  void BindEvents();
  // The current package's puzzle record, or null.
  TPuzzle* CurrentPuzzleRecord() const;
  // The current puzzle's severity as shown and started: 1 to 5, Beginner
  // for a value outside.
  int EffectiveSeverity() const;
  void CommitSeverity();
  void SwitchToChosenPackage();
  void ShowIntroduction();
  void WriteSettings();

  std::unique_ptr<TPackageList> FPackages;
  int FCurrentPackage = 0;
  int FCurrentPuzzle = 0;
  int FPageFirst = 0;
  int FPageLast = 0;
  bool FFirstRun = false;
  // Set once the window has closed: the catalogue is gone and no handler
  // touches the controls again.
  bool FClosed = false;
};

// The introduction shown on the first run and by the help button.
extern const char* const IntroductionText;
