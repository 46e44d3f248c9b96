// Linked piles: the link conditions inside the rules, the automatic fill, and
// the clicks on face-down cards and on the empty place.
//
// FIXME: these call points are placeholders that impose no link condition and
// move no card; the linked-piles work replaces this whole file.
#include "rules/KartenStapel.h"

bool KartenStapel::LinkConditionsAllowActivity() const {
    return true;
}

bool KartenStapel::LinkConditionsAllowEmptyFrom(int /*sourceId*/) const {
    return true;
}

bool KartenStapel::LinkConditionsAllowRun(int /*sourceId*/, int /*count*/) const {
    return true;
}

void KartenStapel::AutoFillLinked() {}
