#pragma once

// A core header that reaches up into the shell: the layering check must refuse it.

#include "app/startup.h"
