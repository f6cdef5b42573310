#pragma once

// Stands in for the main window while it lives: every notice the catalogue
// shows is recorded instead of shown.

#include <string>
#include <vector>

#include "catalogue/Notices.h"

class NoticeRecorder : public TNoticeTarget {
 public:
  NoticeRecorder() : previous_(Browser) { Browser = this; }
  ~NoticeRecorder() override { Browser = previous_; }
  NoticeRecorder(const NoticeRecorder&) = delete;
  NoticeRecorder& operator=(const NoticeRecorder&) = delete;

  void ShowNotice(const std::string& Text) override { notices.push_back(Text); }

  std::vector<std::string> notices;

 private:
  TNoticeTarget* previous_;
};
