#pragma once

// Window-free logic that reaches into a window: the layering check must refuse it.

#include "memorize/ui/someform.h"
