#include "catalogue/Notices.h"

TNoticeTarget* Browser = nullptr;

void ShowNoticeThroughBrowser(const std::string& Text) {
  if (Browser != nullptr)
    Browser->ShowNotice(Text);
}
