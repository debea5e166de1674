#pragma once

// The pick list entry moved to the catalogue, which serves every screen's product search.
#include "catalogue/PickEntry.h"
