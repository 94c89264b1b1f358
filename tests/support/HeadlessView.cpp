#include "engine/HeadlessView.h"
