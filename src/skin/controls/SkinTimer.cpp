#include "skin/controls/SkinTimer.h"

TbsSkinTimer::TbsSkinTimer(TComponent* Owner, std::function<void()> Tick)
    : FTimer(new TTimer(Owner)) {
  FTimer->SetEnabled(false);
  FTimer->SetOnTimer([tick = std::move(Tick)](TObject*) { tick(); });
}

void TbsSkinTimer::Start(unsigned interval) {
  FTimer->SetEnabled(false);
  FTimer->SetInterval(interval);
  FTimer->SetEnabled(true);
}

void TbsSkinTimer::Stop() {
  FTimer->SetEnabled(false);
}

bool TbsSkinTimer::Running() const {
  return FTimer->Enabled();
}
