#pragma once
#include "model/Mobili.h"

// The cabinet family.
class CArmadi : public CMobili
{
};
