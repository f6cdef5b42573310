#pragma once

// Everything the window system offers, in one include.

#include "platform/win/Constants.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/ScreenApi.h"
#include "platform/win/TimerApi.h"
#include "platform/win/Types.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"
