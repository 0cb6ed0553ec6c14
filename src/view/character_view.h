// The characters' sights as the rules hand them over: a pursuer, Jorrin's
// visit and the marks over the holes that hold a phone piece.
#pragma once

#include "characters/jorrin.h"
#include "characters/phone_marks.h"
#include "characters/pursuer.h"
#include "core/drawing.h"

namespace qz {

void drawPursuer(Drawing& drawing, const PursuerPicture& picture);

void drawPhoneMarks(Drawing& drawing, const PhoneMarks& marks);

void drawJorrinVisit(Drawing& drawing, const JorrinVisitPicture& picture);

}  // namespace qz
