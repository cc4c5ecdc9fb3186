#pragma once
#include "model/Mobili.h"

// The table family.
class CTavoli : public CMobili
{
};
