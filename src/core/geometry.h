// The frame's points and boxes, for the rules: the canvas draws in the same
// terms, so a box the rules test is the box that is drawn.
#pragma once

#include "platform/geometry.h"
