#include "report/polar_words.h"

namespace vespera::report {

SignWords sign_words(SignSubject subject, EventStatus status) {
    const bool above = status == EventStatus::AlwaysAbove;
    if (!above && status != EventStatus::AlwaysBelow) return {};
    switch (subject) {
    case SignSubject::Sun:
        return above ? SignWords{"Polartag", "die Sonne geht nicht unter"}
                     : SignWords{"Polarnacht", "die Sonne geht nicht auf"};
    case SignSubject::Twilight:
        // The Sun stays above the twilight's depth (no night) or below it (no day).
        return {{}, above ? "es wird nicht dunkel" : "es wird nicht hell"};
    case SignSubject::Moon: return {{}, above ? "der Mond geht nicht unter" : "der Mond geht nicht auf"};
    }
    return {};
}

} // namespace vespera::report
