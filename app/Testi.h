#pragma once
// The text functions belong to the model, which needs them without a
// window; the dialogs may keep including them from here.
#include "model/Testi.h"
