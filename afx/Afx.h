// The class library, whole.
#pragma once

#include "AfxString.h"
#include "App.h"
#include "Controls.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "File.h"
#include "Gdi.h"
#include "MessageMap.h"
#include "Types.h"
#include "Wnd.h"
