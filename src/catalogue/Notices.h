#pragma once

// How the catalogue tells the player something. The main window shows
// notices; the catalogue reaches it through the global reference Browser,
// which the main window sets as soon as it exists. Tools and tests install
// their own target instead, for instance one that records the texts.

#include <string>

class TNoticeTarget {
 public:
  virtual ~TNoticeTarget() = default;
  // Shows Text to the player and returns when the player has dismissed it.
  virtual void ShowNotice(const std::string& Text) = 0;
};

// The main window, or whatever stands in for it; null before it exists, in
// which case notices are dropped.
extern TNoticeTarget* Browser;

// Shows Text through Browser when there is one.
void ShowNoticeThroughBrowser(const std::string& Text);
